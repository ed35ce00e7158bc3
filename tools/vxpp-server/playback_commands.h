// The server's playback commands: SETUPFILEINFO sets up a playback on the
// connection (PlaybackSession), NEXTGOP, NEXTFRAME, SEEK, DROPFRAME,
// DROPAUDIO and ENDDATA work it.  The analytics metadata commands that a
// playback sends on the same connection are in playback_metadata_commands.h.
// Every one needs a live session, as the reading commands do; a command
// other than SETUPFILEINFO on a connection without a playback is answered
// 455.  Layouts: docs/vxpp-server.md, "VXPP bodies".
#pragma once

#include "tools/vxpp-server/command_table.h"
#include "tools/vxpp-server/server_context.h"

namespace vxpp_server {

class PlaybackSession;

// Adds the commands to `table`; `context` must outlive it.
void AddPlaybackCommands(CommandTable& table, ServerContext& context);

// The connection's playback, or null with the answer made 455.
PlaybackSession* PlaybackOf(ServerConnection& connection, VxppResponse& response);

}  // namespace vxpp_server
