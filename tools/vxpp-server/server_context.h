// ServerContext: what every command handler of the server shares: the
// installation folder, its settings and users, the live sessions, the login
// handshake keys and failures, and the bookmarks.  The settings are
// read-only after start-up; the users are replaced whole when their file is
// read again, and a command keeps the set it started with; the rest lock
// themselves.
#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "tools/vxpp-server/backup_lists.h"
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
        sessions(settings.sessionIdle),
        bookmarks(installFolder),
        m_users(std::make_shared<const UserStore>(std::move(userStore))) {}

  const std::string installFolder;
  const ServerSettings settings;
  SessionTable sessions;
  HandshakeKeys handshakeKeys;
  LoginThrottle loginThrottle;
  BookmarkStore bookmarks;
  BackupLists backups;

  std::shared_ptr<const UserStore> Users() const {
    std::lock_guard<std::mutex> lock(m_usersMutex);
    return m_users;
  }
  void ReplaceUsers(UserStore users) {
    auto fresh = std::make_shared<const UserStore>(std::move(users));
    std::lock_guard<std::mutex> lock(m_usersMutex);
    m_users = std::move(fresh);
  }

 private:
  mutable std::mutex m_usersMutex;
  std::shared_ptr<const UserStore> m_users;
};

}  // namespace vxpp_server
