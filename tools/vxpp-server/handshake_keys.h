// HandshakeKeys: the one-time login keys GETLOGINHANDSHAKINGKEY hands out.
// Keys are stored only for users that exist, at most kKeysPerUser of them
// per user (a new key drops the user's oldest), and each is good for one
// login within kLifetime.  So a stranger asking for keys cannot grow the
// table beyond kKeysPerUser keys per account, and asking for `admin`'s key
// does not take away the key admin is about to use (unless kKeysPerUser
// more are asked for first).  Safe to use from any thread.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <random>
#include <string>

namespace vxpp_server {

class HandshakeKeys {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::seconds kLifetime{60};
  static constexpr size_t kKeysPerUser = 8;

  HandshakeKeys();

  // A fresh key of `user`, kept for its login.  The caller vouches that the
  // user exists: the table holds what it is given.
  uint32_t Issue(const std::string& user, Clock::time_point now = Clock::now());
  // A key like any other that no login accepts: what a name without an
  // account is given, so that the answer does not tell which users exist.
  uint32_t Unstored();
  // True when `key` is a live key of `user`; that key is used up.
  bool Take(const std::string& user, uint32_t key, Clock::time_point now = Clock::now());

 private:
  struct Key {
    uint32_t key;
    Clock::time_point issued;
  };
  // Drops the keys older than kLifetime, and the users left without keys.
  void Expire(Clock::time_point now);
  uint32_t RandomKey();

  std::mutex m_mutex;
  std::mt19937 m_random;
  std::map<std::string, std::deque<Key>> m_keys;  // oldest first
};

}  // namespace vxpp_server
