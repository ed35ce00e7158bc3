#include "tools/vxpp-server/user_store.h"

#include <cstdlib>

#include "config/initial_file.h"
#include "platform/paths.h"

namespace vxpp_server {

bool UserStore::Load(const std::string& installFolder) {
  return LoadFile(platform::JoinPath(installFolder, kFileName));
}

bool UserStore::LoadFile(const std::string& path) {
  m_users.clear();
  CInitialFile file;
  if (!file.Load(path)) return false;
  for (const auto& entry : file.Entries()) {
    if (entry.comment || entry.section.empty()) continue;
    UserAccount& user = m_users[entry.section];
    if (entry.key == "Password") user.password = entry.value;
    else if (entry.key == "DualPassword") user.dualPassword = entry.value;
    else if (entry.key == "Privilege") user.privilege = std::strtoull(entry.value.c_str(), nullptr, 10);
    else if (entry.key.rfind("Allow", 0) == 0) user.allowances.emplace_back(entry.key, entry.value);
  }
  return true;
}

const UserAccount* UserStore::Find(const std::string& name) const {
  const auto found = m_users.find(name);
  return found == m_users.end() ? nullptr : &found->second;
}

}  // namespace vxpp_server
