// The server's answers to the backup commands: BACKUPINIT and BACKUPINIT2
// (the file list of the range, backup_files.h), BACKUPBEGIN (one listed
// file per request, a database as a consistent copy), BACKUPUNINIT,
// QUERYRECSIZE and DELETEFILERECORD (recordings only, with the privilege
// kMayDeleteRecordings).
#pragma once

#include "tools/vxpp-server/command_table.h"
#include "tools/vxpp-server/server_context.h"

namespace vxpp_server {

// Adds the commands to `table`; `context` must outlive it.
void AddBackupCommands(CommandTable& table, ServerContext& context);

}  // namespace vxpp_server
