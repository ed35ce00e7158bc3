#include "tools/vxpp-server/handshake_keys.h"

namespace vxpp_server {

HandshakeKeys::HandshakeKeys() : m_random(std::random_device{}()) {}

uint32_t HandshakeKeys::RandomKey() { return std::uniform_int_distribution<uint32_t>(1, 999999999)(m_random); }

void HandshakeKeys::Expire(Clock::time_point now) {
  for (auto user = m_keys.begin(); user != m_keys.end();) {
    auto& keys = user->second;
    while (!keys.empty() && now - keys.front().issued > kLifetime) keys.pop_front();
    user = keys.empty() ? m_keys.erase(user) : std::next(user);
  }
}

uint32_t HandshakeKeys::Issue(const std::string& user, Clock::time_point now) {
  std::lock_guard<std::mutex> lock(m_mutex);
  Expire(now);
  auto& keys = m_keys[user];
  if (keys.size() >= kKeysPerUser) keys.pop_front();
  const uint32_t key = RandomKey();
  keys.push_back(Key{key, now});
  return key;
}

uint32_t HandshakeKeys::Unstored() {
  std::lock_guard<std::mutex> lock(m_mutex);
  return RandomKey();
}

bool HandshakeKeys::Take(const std::string& user, uint32_t key, Clock::time_point now) {
  std::lock_guard<std::mutex> lock(m_mutex);
  Expire(now);
  const auto found = m_keys.find(user);
  if (found == m_keys.end()) return false;
  auto& keys = found->second;
  for (auto it = keys.begin(); it != keys.end(); ++it) {
    if (it->key != key) continue;
    keys.erase(it);
    if (keys.empty()) m_keys.erase(found);
    return true;
  }
  return false;
}

}  // namespace vxpp_server
