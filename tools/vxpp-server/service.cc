#include "tools/vxpp-server/service.h"

#include "platform/paths.h"
#include "tools/vxpp-server/backup_commands.h"
#include "tools/vxpp-server/device_commands.h"
#include "tools/vxpp-server/log_commands.h"
#include "tools/vxpp-server/playback_commands.h"
#include "tools/vxpp-server/playback_metadata_commands.h"
#include "tools/vxpp-server/record_commands.h"
#include "tools/vxpp-server/session_commands.h"

namespace vxpp_server {

std::unique_ptr<Service> Service::Load(const std::string& installFolder, std::string* problems,
                                       const std::string& usersFile) {
  ServerSettings settings;
  if (!settings.Load(installFolder))
    *problems += "no " + platform::JoinPath(installFolder, ServerSettings::kFileName) + ", using defaults; ";
  auto service = std::make_unique<Service>(installFolder, std::move(settings), UserStore{});
  if (!usersFile.empty()) service->m_usersFile = usersFile;
  std::string report;
  if (!service->ReloadUsers(&report)) *problems += report + "; ";
  return service;
}

Service::Service(const std::string& installFolder, ServerSettings settings, UserStore users)
    : m_context(installFolder, std::move(settings), std::move(users)),
      m_usersFile(platform::JoinPath(installFolder, UserStore::kFileName)) {
  AddSessionCommands(m_table, m_context);
  AddDeviceCommands(m_table, m_context);
  AddLogCommands(m_table, m_context);
  AddRecordCommands(m_table, m_context);
  AddBackupCommands(m_table, m_context);
  AddPlaybackCommands(m_table, m_context);
  AddPlaybackMetadataCommands(m_table, m_context);
}

bool Service::ReloadUsers(std::string* report) {
  UserStore users;
  if (!users.LoadFile(m_usersFile) || users.Size() == 0) {
    *report = "no users in " + m_usersFile + (m_context.Users()->Size() > 0 ? ", keeping the users before" : "");
    return false;
  }
  *report = std::to_string(users.Size()) + " users from " + m_usersFile;
  m_context.ReplaceUsers(std::move(users));
  return true;
}

bool Service::Start(ServerOptions options, std::string* error) {
  m_server.emplace(std::move(options), m_context, m_table);
  return m_server->Start(error);
}

}  // namespace vxpp_server
