// The log queries of the server, answered through the installation's own
// log store with the same engine and filters as a local search: binary
// records when the server speaks protocol version 1.0, text blocks from 2.0
// on (each query's answer as the client reads it).
#pragma once

#include "tools/vxpp-server/command_table.h"
#include "tools/vxpp-server/server_context.h"

namespace vxpp_server {

// Adds the commands to `table`; `context` must outlive it.
void AddLogCommands(CommandTable& table, ServerContext& context);

}  // namespace vxpp_server
