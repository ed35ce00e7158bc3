// The analytics commands a playback sends on its connection: the metadata
// and configurations of an analytics device and the metadata index of a
// register.  The installation keeps no analytics metadata, so the answers
// are made up but hold together: a prepare accepts only a device of
// db/filter/IVS.xml (the others get "Error: UnknownDevice", MDXPREPARE 404);
// an entry at a moment names the device, the camera it watches and the
// moment, and its object count follows from the moment's second, so the
// same question gets the same answer.  Layouts: docs/vxpp-server.md.
#pragma once

#include "tools/vxpp-server/command_table.h"
#include "tools/vxpp-server/server_context.h"

namespace vxpp_server {

// Adds the commands to `table`; `context` must outlive it.
void AddPlaybackMetadataCommands(CommandTable& table, ServerContext& context);

}  // namespace vxpp_server
