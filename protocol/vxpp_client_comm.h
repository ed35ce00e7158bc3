// VXPPClientComm: the registry of remote playback clients that every VXPP
// client object keeps, so that several playbacks can run side by side.
//
// The registry owns its playback clients.  One lock guards it: the lease
// that Acquire hands out holds the lock while the caller uses the client,
// so two threads never use the registry at the same time.  The lock is
// recursive, so the thread that holds a lease may still call the registry
// (destroying the leased client leaves the lease dangling, though).
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <optional>

#include "protocol/ivxpp_client.h"

class VXPPClientComm : public IVXPPClient {
 public:
  ~VXPPClientComm() override;

  // Lends the client registered for `key`, made with CreatePlaybackClient
  // when the key has none; the lease is empty when none can be made.
  PlaybackClientLease AcquirePlaybackClient(const PlaybackClientKey& key) override;
  // Ends the lease early.
  void ReleasePlaybackClient(PlaybackClientLease& lease) override { lease.Release(); }
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
