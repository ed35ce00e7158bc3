// The session commands of the server: handshake key, login, logout,
// session check, server identity, functions, limits and fail-over data.
#pragma once

#include "tools/vxpp-server/command_table.h"
#include "tools/vxpp-server/server_context.h"

namespace vxpp_server {

// Adds the commands to `table`; `context` must outlive it.
void AddSessionCommands(CommandTable& table, ServerContext& context);

// True when the request names a live session (and refreshes it); otherwise
// the answer becomes 702.  Every command after login asks this first.
bool SessionAlive(ServerContext& context, const VxppRequest& request, VxppResponse& response);

}  // namespace vxpp_server
