#include "tools/vxpp-server/backup_lists.h"

#include <algorithm>

namespace vxpp_server {

void BackupLists::Set(uint32_t session, const std::vector<ServedFile>& files) {
  auto list = std::make_shared<List>();
  for (const ServedFile& file : files) list->emplace(file.listed.path, file);
  std::lock_guard<std::mutex> lock(m_mutex);
  m_order.erase(std::remove(m_order.begin(), m_order.end(), session), m_order.end());
  while (m_order.size() >= kMaxLists) {
    m_lists.erase(m_order.front());
    m_order.pop_front();
  }
  m_lists[session] = std::move(list);
  m_order.push_back(session);
}

std::shared_ptr<const BackupLists::List> BackupLists::Find(uint32_t session) const {
  std::lock_guard<std::mutex> lock(m_mutex);
  const auto found = m_lists.find(session);
  return found == m_lists.end() ? nullptr : found->second;
}

void BackupLists::Drop(uint32_t session) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_lists.erase(session);
  m_order.erase(std::remove(m_order.begin(), m_order.end(), session), m_order.end());
}

}  // namespace vxpp_server
