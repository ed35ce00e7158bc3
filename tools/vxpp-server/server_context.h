// ServerContext: what every command handler of the server shares: the
// installation folder, its settings and users, and the live sessions.  The
// settings and users are read-only after start-up; the session table locks
// itself.
#pragma once

#include <string>

#include "tools/vxpp-server/server_settings.h"
#include "tools/vxpp-server/session_table.h"
#include "tools/vxpp-server/user_store.h"

namespace vxpp_server {

struct ServerContext {
  ServerContext(std::string folder, ServerSettings serverSettings, UserStore userStore)
      : installFolder(std::move(folder)),
        settings(std::move(serverSettings)),
        users(std::move(userStore)),
        sessions(settings.sessionIdle) {}

  const std::string installFolder;
  const ServerSettings settings;
  const UserStore users;
  SessionTable sessions;
};

}  // namespace vxpp_server
