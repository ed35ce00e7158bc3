// The session commands of the server: handshake key, login, logout,
// session check, server identity, functions, limits and fail-over data.
#pragma once

#include <cstdint>

#include "tools/vxpp-server/command_table.h"
#include "tools/vxpp-server/server_context.h"

namespace vxpp_server {

// Adds the commands to `table`; `context` must outlive it.
void AddSessionCommands(CommandTable& table, ServerContext& context);

// True when the request names a live session (and refreshes it) whose user
// holds every privilege bit of `needs`; otherwise the answer becomes 702
// (no live session) or 403 (not allowed).  Every command after login asks
// this first.
bool SessionAlive(ServerContext& context, const VxppRequest& request, VxppResponse& response, uint64_t needs = 0);

}  // namespace vxpp_server
