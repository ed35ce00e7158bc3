// VXPPClientComm: the registry of remote playback clients shared by every
// VXPP client object, so that several playbacks can run side by side.
//
// The registry owns its playback clients.  One lock guards it: Acquire
// holds the lock while the caller uses the client it returns and Release
// lets it go, so two threads never use the registry at the same time.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <optional>

#include "protocol/irpb_client.h"
#include "protocol/ivxpp_client.h"

class VXPPClientComm : public IVXPPClient {
 public:
  ~VXPPClientComm() override;

  // Returns the client registered for `key`, made with CreatePlaybackClient
  // when the key is new.  The lock stays held until Release unless the
  // result is null.
  IRPBClient* AcquirePlaybackClient(const PlaybackClientKey& key) override;
  // Leaves the lock if `client` is not null and clears the pointer.
  void ReleasePlaybackClient(IRPBClient*& client) override;
  // When no copy is saved: keeps the current clients aside and starts empty.
  void SavePlaybackClients() override;
  // When a copy is saved: destroys the current clients and brings the saved ones back.
  void RestorePlaybackClients() override;
  // Destroys every registered client; the keys stay, so the next Acquire of
  // a key makes a fresh client.
  void DestroyPlaybackClients() override;
  int PlaybackCall(const PlaybackClientKey& key, const std::string& url, uint32_t session, const CDateTime& start,
                   const CDateTime& end, uint32_t cameraIndex, uint32_t recordIndex) override;

 private:
  using Registry = std::map<PlaybackClientKey, std::unique_ptr<IRPBClient>>;

  std::recursive_mutex m_lock;
  Registry m_clients;
  std::optional<Registry> m_saved;
};
