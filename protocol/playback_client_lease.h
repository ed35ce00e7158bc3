// PlaybackClientLease: a playback client lent out by the registry of
// VXPPClientComm, together with the registry's lock.  While the lease
// lives (or until Release) no other thread can use the registry; the lease
// must not outlive the client object that handed it out.  An empty lease
// (no client) holds no lock.  Movable, not copyable; one thread.
#pragma once

#include <mutex>
#include <utility>

#include "protocol/irpb_client.h"

class PlaybackClientLease {
 public:
  PlaybackClientLease() = default;
  PlaybackClientLease(IRPBClient* client, std::unique_lock<std::recursive_mutex> lock)
      : m_client(client), m_lock(std::move(lock)) {}
  PlaybackClientLease(PlaybackClientLease&& other) noexcept
      : m_client(std::exchange(other.m_client, nullptr)), m_lock(std::move(other.m_lock)) {}
  PlaybackClientLease& operator=(PlaybackClientLease&& other) noexcept {
    Release();
    m_client = std::exchange(other.m_client, nullptr);
    m_lock = std::move(other.m_lock);
    return *this;
  }
  ~PlaybackClientLease() { Release(); }

  IRPBClient* get() const { return m_client; }
  IRPBClient* operator->() const { return m_client; }
  explicit operator bool() const { return m_client != nullptr; }

  // Gives the client and the lock back early; the lease is empty afterwards.
  void Release() {
    m_client = nullptr;
    if (m_lock.owns_lock()) m_lock.unlock();
  }

 private:
  IRPBClient* m_client = nullptr;
  std::unique_lock<std::recursive_mutex> m_lock;
};
