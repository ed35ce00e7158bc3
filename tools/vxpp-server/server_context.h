// ServerContext: what every command handler of the server shares: the
// installation folder, its settings and users, the live sessions, the login
// handshake keys and failures, and the bookmarks.  The settings and users
// are read-only after start-up; the rest lock themselves.
#pragma once

#include <string>

#include "tools/vxpp-server/bookmark_store.h"
#include "tools/vxpp-server/handshake_keys.h"
#include "tools/vxpp-server/login_throttle.h"
#include "tools/vxpp-server/server_settings.h"
#include "tools/vxpp-server/session_table.h"
#include "tools/vxpp-server/user_store.h"

namespace vxpp_server {

struct ServerContext {
  ServerContext(std::string folder, ServerSettings serverSettings, UserStore userStore)
      : installFolder(std::move(folder)),
        settings(std::move(serverSettings)),
        users(std::move(userStore)),
        sessions(settings.sessionIdle),
        bookmarks(installFolder) {}

  const std::string installFolder;
  const ServerSettings settings;
  const UserStore users;
  SessionTable sessions;
  HandshakeKeys handshakeKeys;
  LoginThrottle loginThrottle;
  BookmarkStore bookmarks;
};

}  // namespace vxpp_server
