// LoginThrottle: slows password guessing.  Failed logins are counted per
// client address and per account.  Once either has had kFreeFailures
// failures, it is locked for a window that doubles with every further
// failure, from kFirstLock up to kLongestLock.  A login whose address or
// account is locked is answered as a failed login at once, whatever its
// password: the guesser learns nothing and holds no thread, and the logins
// of other addresses and accounts go on as before.  Logins refused while
// locked do not count.  A successful login clears its address and account;
// a count is forgotten kForgetAfter after its last failure.
//
// Accounts are counted only for users that exist, addresses for at most
// kMaxAddresses of them (the one whose last failure is oldest makes room),
// so strangers cannot grow the tables.  Safe to use from any thread.
#pragma once

#include <chrono>
#include <map>
#include <mutex>
#include <string>

namespace vxpp_server {

class LoginThrottle {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr int kFreeFailures = 5;
  static constexpr std::chrono::seconds kFirstLock{1};
  static constexpr std::chrono::seconds kLongestLock{60};
  static constexpr std::chrono::minutes kForgetAfter{15};
  static constexpr size_t kMaxAddresses = 4096;

  // `account` names an existing user, or is null for a name without one.
  // True when neither the address nor the account is locked at `now`.
  bool Allows(const std::string& address, const std::string* account, Clock::time_point now = Clock::now());
  void Failed(const std::string& address, const std::string* account, Clock::time_point now = Clock::now());
  void Succeeded(const std::string& address, const std::string& account);

 private:
  struct Failures {
    int count = 0;
    Clock::time_point last;
    Clock::time_point lockedUntil;
  };
  static void Count(Failures& failures, Clock::time_point now);
  // Drops forgotten addresses and, while still full, the longest-quiet one.
  void MakeRoomForAddress(Clock::time_point now);

  std::mutex m_mutex;
  std::map<std::string, Failures> m_addresses;
  std::map<std::string, Failures> m_accounts;
};

}  // namespace vxpp_server
