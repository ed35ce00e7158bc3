// SessionTable: the sessions the server handed out and the one-time login
// handshake keys.  A session expires after it has been idle for the idle
// time; every request that names it refreshes it.  A handshake key is good
// for one login of its user within a minute.  Safe to use from any thread.
#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <random>
#include <string>

namespace vxpp_server {

class SessionTable {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::seconds kHandshakeLifetime{60};

  explicit SessionTable(std::chrono::milliseconds idle);

  // A new session of `user`; never 0.
  uint32_t Open(const std::string& user);
  // True when the session exists and has not expired; refreshes it.
  bool Touch(uint32_t session, std::string* user = nullptr);
  // Ends a live session; false when there was none.
  bool Close(uint32_t session);

  // A fresh key for the next login of `user` (replacing an older one).
  uint32_t IssueHandshakeKey(const std::string& user);
  // True when `key` is the live key of `user`; the key is used up either way.
  bool TakeHandshakeKey(const std::string& user, uint32_t key);

 private:
  struct Session {
    std::string user;
    Clock::time_point lastUse;
  };
  struct Key {
    uint32_t key;
    Clock::time_point issued;
  };
  uint32_t RandomNonZero(uint32_t below);

  const std::chrono::milliseconds m_idle;
  std::mutex m_mutex;
  std::mt19937 m_random;
  std::map<uint32_t, Session> m_sessions;
  std::map<std::string, Key> m_keys;
};

}  // namespace vxpp_server
