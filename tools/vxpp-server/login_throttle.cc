#include "tools/vxpp-server/login_throttle.h"

#include <algorithm>

namespace vxpp_server {
namespace {

template <typename Map>
bool Locked(const Map& table, const std::string& key, LoginThrottle::Clock::time_point now) {
  const auto found = table.find(key);
  return found != table.end() && now < found->second.lockedUntil;
}

}  // namespace

bool LoginThrottle::Allows(const std::string& address, const std::string* account, Clock::time_point now) {
  std::lock_guard<std::mutex> lock(m_mutex);
  return !Locked(m_addresses, address, now) && !(account && Locked(m_accounts, *account, now));
}

void LoginThrottle::Count(Failures& failures, Clock::time_point now) {
  if (now - failures.last > kForgetAfter) failures.count = 0;
  failures.last = now;
  if (++failures.count < kFreeFailures) return;
  // 1, 2, 4 ... times the first window; the shift stays small.
  const int doublings = std::min(failures.count - kFreeFailures, 16);
  failures.lockedUntil = now + std::min<Clock::duration>(kFirstLock * (1 << doublings), kLongestLock);
}

void LoginThrottle::MakeRoomForAddress(Clock::time_point now) {
  std::erase_if(m_addresses, [now](const auto& entry) { return now - entry.second.last > kForgetAfter; });
  if (m_addresses.size() < kMaxAddresses) return;
  m_addresses.erase(std::min_element(m_addresses.begin(), m_addresses.end(), [](const auto& a, const auto& b) {
    return a.second.last < b.second.last;
  }));
}

void LoginThrottle::Failed(const std::string& address, const std::string* account, Clock::time_point now) {
  std::lock_guard<std::mutex> lock(m_mutex);
  if (m_addresses.count(address) == 0 && m_addresses.size() >= kMaxAddresses) MakeRoomForAddress(now);
  Count(m_addresses[address], now);
  if (account) Count(m_accounts[*account], now);
}

void LoginThrottle::Succeeded(const std::string& address, const std::string& account) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_addresses.erase(address);
  m_accounts.erase(account);
}

}  // namespace vxpp_server
