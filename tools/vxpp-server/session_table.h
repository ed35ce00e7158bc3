// SessionTable: the sessions the server handed out.  A session expires
// after it has been idle for the idle time; every request that names it
// refreshes it.  Safe to use from any thread.
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

  explicit SessionTable(std::chrono::milliseconds idle);

  // A new session of `user`; never 0.
  uint32_t Open(const std::string& user);
  // True when the session exists and has not expired; refreshes it.
  bool Touch(uint32_t session, std::string* user = nullptr);
  // Ends a live session; false when there was none.
  bool Close(uint32_t session);

 private:
  struct Session {
    std::string user;
    Clock::time_point lastUse;
  };
  uint32_t RandomNonZero(uint32_t below);

  const std::chrono::milliseconds m_idle;
  std::mutex m_mutex;
  std::mt19937 m_random;
  std::map<uint32_t, Session> m_sessions;
};

}  // namespace vxpp_server
