// CCameraListLoader: fills the viewer's camera list from the source the
// settings choose: the server (GetCamInfo) in remote mode; generic names
// ("Camera 1" ... with ids 0 ...) when asked for; else the registry
// (sub-keys "Ch..." and "IP..." of the vendor key's "Vantor\Video", in
// enumeration order; generic names when none is usable; a key that cannot be
// opened leaves the list as it was).
//
// Ownership: the loader keeps the one protocol client it makes, on first
// use, through the factory it is given.  Threads: the user-interface thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "protocol/ivxpp_client.h"
#include "vocabulary/viewer_settings.h"

struct CameraList {
  std::vector<std::string> names;  // parallel to ids; position = camera index
  std::vector<uint32_t> ids;
};

class CCameraListLoader {
 public:
  using ClientFactory = std::function<std::unique_ptr<IVXPPClient>()>;

  explicit CCameraListLoader(ClientFactory makeClient) : m_makeClient(std::move(makeClient)) {}

  void Load(const ViewerSettings& settings, CameraList& list);

 private:
  void RequestFromServer(const ViewerSettings& settings, CameraList& list);

  ClientFactory m_makeClient;
  std::unique_ptr<IVXPPClient> m_client;
};
