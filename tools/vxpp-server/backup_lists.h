// BackupLists: the file list each session's last BACKUPINIT made, so that
// BACKUPBEGIN serves only files listed for that session.  At most
// kMaxLists are kept (the oldest dropped first); BACKUPUNINIT drops one.
// Safe to use from any thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "tools/vxpp-server/backup_files.h"

namespace vxpp_server {

class BackupLists {
 public:
  static constexpr size_t kMaxLists = 64;
  using List = std::map<std::string, ServedFile>;  // by listed path

  void Set(uint32_t session, const std::vector<ServedFile>& files);
  // The session's list; null when it has none.
  std::shared_ptr<const List> Find(uint32_t session) const;
  void Drop(uint32_t session);
  // A number no other snapshot of this process carries.
  int NextSnapshotNumber() { return ++m_snapshots; }

 private:
  mutable std::mutex m_mutex;
  std::map<uint32_t, std::shared_ptr<const List>> m_lists;
  std::deque<uint32_t> m_order;  // sessions, oldest list first
  std::atomic<int> m_snapshots{0};
};

}  // namespace vxpp_server
