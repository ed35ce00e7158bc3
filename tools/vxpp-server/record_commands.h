// The server's answers to the commands that complete the client's
// interface: recording days and logs, POS record searches (plain and
// multipart) and system log entries added by a client.
#pragma once

#include "tools/vxpp-server/command_table.h"
#include "tools/vxpp-server/server_context.h"

namespace vxpp_server {

// Adds the commands to `table`; `context` must outlive it.
void AddRecordCommands(CommandTable& table, ServerContext& context);

}  // namespace vxpp_server
