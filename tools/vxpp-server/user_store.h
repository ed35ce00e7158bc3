// UserStore: the accounts the server accepts, read from "vxpp-users.ini" in
// the installation folder or from a users file named on the command line.  Every section is one user, named by the section:
//
//   [admin]
//   Password=admin
//   DualPassword=           ; when set, a login must also carry it
//   Privilege=18446744073709551615
//   AllowPOS=1              ; every key beginning with "Allow" is sent at login
//
// Read once; afterwards only read, from any thread (a new file makes a new
// store, see ServerContext::ReplaceUsers).
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "tools/vxpp-server/server_settings.h"

namespace vxpp_server {

// The bits of a user's privilege mask that the server itself checks: every
// command that changes the installation needs its own bit, reading needs
// none.  Bit 0 (1) is the right to watch, which the client checks.
constexpr uint64_t kMayWriteSystemLog = 1u << 1;  // ADDSYSTEMLOG
constexpr uint64_t kMayChangeBookmarks = 1u << 2;  // ADDBOOKMARK, MODIFYBOOKMARK, DELETEBOOKMARK
constexpr uint64_t kMayDeleteRecordings = 1u << 3;  // DELETEFILERECORD

struct UserAccount {
  std::string password;
  std::string dualPassword;
  uint64_t privilege = 0;
  NamedValues allowances;  // ("AllowPOS", "1") ... in file order
};

class UserStore {
 public:
  static constexpr const char* kFileName = "vxpp-users.ini";

  // False when the file cannot be read (no user is then known).
  bool Load(const std::string& installFolder);
  bool LoadFile(const std::string& path);
  void Add(const std::string& name, UserAccount account) { m_users[name] = std::move(account); }
  // Null when there is no such user.
  const UserAccount* Find(const std::string& name) const;
  size_t Size() const { return m_users.size(); }

 private:
  std::map<std::string, UserAccount> m_users;
};

}  // namespace vxpp_server
