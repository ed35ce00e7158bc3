#include "tools/vxpp-server/service.h"

#include "platform/paths.h"
#include "tools/vxpp-server/device_commands.h"
#include "tools/vxpp-server/log_commands.h"
#include "tools/vxpp-server/record_commands.h"
#include "tools/vxpp-server/session_commands.h"

namespace vxpp_server {

std::unique_ptr<Service> Service::Load(const std::string& installFolder, std::string* problems) {
  ServerSettings settings;
  if (!settings.Load(installFolder))
    *problems += "no " + platform::JoinPath(installFolder, ServerSettings::kFileName) + ", using defaults; ";
  UserStore users;
  if (!users.Load(installFolder) || users.Size() == 0)
    *problems += "no users in " + platform::JoinPath(installFolder, UserStore::kFileName) + "; ";
  return std::make_unique<Service>(installFolder, std::move(settings), std::move(users));
}

Service::Service(const std::string& installFolder, ServerSettings settings, UserStore users)
    : m_context(installFolder, std::move(settings), std::move(users)) {
  AddSessionCommands(m_table, m_context);
  AddDeviceCommands(m_table, m_context);
  AddLogCommands(m_table, m_context);
  AddRecordCommands(m_table, m_context);
}

bool Service::Start(ServerOptions options, std::string* error) {
  m_server.emplace(std::move(options), m_context, m_table);
  return m_server->Start(error);
}

}  // namespace vxpp_server
