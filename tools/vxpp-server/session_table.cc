#include "tools/vxpp-server/session_table.h"

namespace vxpp_server {

SessionTable::SessionTable(std::chrono::milliseconds idle) : m_idle(idle), m_random(std::random_device{}()) {}

uint32_t SessionTable::RandomNonZero(uint32_t below) {
  return std::uniform_int_distribution<uint32_t>(1, below - 1)(m_random);
}

uint32_t SessionTable::Open(const std::string& user) {
  std::lock_guard<std::mutex> lock(m_mutex);
  // Expired sessions go when new ones come, so the table cannot grow without bound.
  const auto now = Clock::now();
  for (auto it = m_sessions.begin(); it != m_sessions.end();)
    it = now - it->second.lastUse > m_idle ? m_sessions.erase(it) : std::next(it);
  uint32_t number;
  do number = RandomNonZero(0x7FFFFFFF);
  while (m_sessions.count(number) != 0);
  m_sessions[number] = Session{user, now};
  return number;
}

bool SessionTable::Touch(uint32_t session, std::string* user) {
  std::lock_guard<std::mutex> lock(m_mutex);
  const auto found = m_sessions.find(session);
  if (found == m_sessions.end()) return false;
  const auto now = Clock::now();
  if (now - found->second.lastUse > m_idle) {
    m_sessions.erase(found);
    return false;
  }
  found->second.lastUse = now;
  if (user) *user = found->second.user;
  return true;
}

bool SessionTable::Close(uint32_t session) {
  if (!Touch(session)) return false;
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_sessions.erase(session) == 1;
}

}  // namespace vxpp_server
