// --follow: after the page's search, keeps searching for records newer than
// the last row shown, every --interval, and prints each new row once, in
// time order, as it comes (the text form's lines, or with --jsonl one JSON
// object a line), until SIGINT or SIGTERM ends the run with status 0.
//
// Each round searches from the moment of the last row shown, with the end
// left open: locally the databases of that moment's day and every later one
// (so a new daily file is read once it appears), remotely the same query
// from that moment.  Rows of that very second come again; those already
// printed are recognised by their cells and skipped, the others printed.
// A record written later with a moment before the last row shown is not
// seen.  A search under way when the signal comes ends first (a remote one
// within --command-limit).
#pragma once

#include <cstdio>

#include "tools/logview/logview_options.h"
#include "tools/logview/page_driver.h"

// The list taker of a --follow run, printing to `out`.  From this call on,
// SIGINT and SIGTERM end the run after the search under way.
ListTaker FollowList(const LogviewOptions& options, FILE* out);
