// One run of vxpp-backup: log in, ask the size or copy the range, close the
// backup and log out.  Messages go to standard error ("vxpp-backup: ..."),
// the size to standard output.  Returns the exit status.
#pragma once

#include "protocol/vxpp_client.h"
#include "tools/vxpp-backup/backup_options.h"

// `client` may be aborted from another thread (Ctrl-C): the copy then ends
// as failed, with nothing it wrote left behind.
int RunBackup(const BackupOptions& options, CVXPPClient& client);
