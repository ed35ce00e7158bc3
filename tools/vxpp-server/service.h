// Service: a whole VXPP service of one installation: its settings, users
// and sessions, the command table and the server on top.  Hosts (the
// vxpp-server tool, tests) load one, start it, run it on a thread of their
// choosing and stop it from any thread.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tools/vxpp-server/command_table.h"
#include "tools/vxpp-server/server_context.h"
#include "tools/vxpp-server/vxpp_server.h"

namespace vxpp_server {

class Service {
 public:
  // Reads the installation's settings and users (from `usersFile`, or the
  // installation's "vxpp-users.ini" when it is empty); what could not be read
  // is described in *problems (the defaults, or no users, stand in for it).
  static std::unique_ptr<Service> Load(const std::string& installFolder, std::string* problems,
                                       const std::string& usersFile = "");
  Service(const std::string& installFolder, ServerSettings settings, UserStore users);

  // Reads the users file again and puts its accounts in effect for the next
  // commands; sessions stay open.  A file that cannot be read, or holds no
  // user, changes nothing and returns false.  *report says which in words.
  bool ReloadUsers(std::string* report);

  bool Start(ServerOptions options, std::string* error);
  uint16_t Port() const { return m_server ? m_server->Port() : 0; }
  void Run() { m_server->Run(); }
  void Stop() { m_server->Stop(); }

 private:
  ServerContext m_context;
  CommandTable m_table;
  std::optional<VxppServer> m_server;
  std::string m_usersFile;
};

}  // namespace vxpp_server
