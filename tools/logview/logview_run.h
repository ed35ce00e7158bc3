// The command-line viewer once its options are read: sets the viewer up
// through the exported functions as a host does, then drives the one page
// the options name.  Returns the process's exit status.
//
// The viewer reads its installation and registry file on the first exported
// call, so $LOGVIEW_INSTALL and $LOGVIEW_REGISTRY are set before this runs.
#pragma once

#include "tools/logview/logview_options.h"
#include "tools/logview/page_driver.h"

// `taker`, when given, takes the list over after the search.
int RunLogview(const LogviewOptions& options, ListTaker taker = {});
