// The page's search on several recording servers at once (--server given
// more than once, or --sites): each server is searched by a logview process
// of its own -- a whole viewer with its own page and protocol client, as a
// run with that one --server -- at most --parallel at a time.  Each server's
// time-out is its own (--command-limit), so a dead or stalled server holds
// one slot and its own status line, and the others' searches go on.
//
// Standard error gets a line per server as its search ends:
//   "server: HOST:PORT ok ROWS", "server: HOST:PORT failed: REASON" (REASON:
//   what that search wrote on standard error) or
//   "server: HOST:PORT no data for this range".
// When every search has ended, the rows of all servers are merged in time
// order (RowTimeKey; rows of one moment by the servers' order on the command
// line) behind a leading column "Server" (cells "HOST:PORT") and printed in
// the text form, or written by --export as the page's export writes its list.
//
// Call before the viewer is set up in this process: the searches are forked
// from it.  Returns the exit status: 0 when every server answered, 2 when
// one did not or the export failed.
#pragma once

#include "tools/logview/logview_options.h"

int RunManyServerSearch(const LogviewOptions& options);
