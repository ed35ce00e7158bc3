// The device and settings commands of the server: cameras from the
// registry file, analytics devices and combined counters from the filter
// files, the supported edge event list file, POS settings, language pack
// files, recorded video and bookmarks.
#pragma once

#include "tools/vxpp-server/command_table.h"
#include "tools/vxpp-server/server_context.h"

namespace vxpp_server {

// Adds the commands to `table`; `context` must outlive it.
void AddDeviceCommands(CommandTable& table, ServerContext& context);

}  // namespace vxpp_server
