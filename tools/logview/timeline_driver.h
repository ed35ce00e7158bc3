// TimelineDriver: the timeline of logview.  Searches the range of --from and
// --to on every page the viewer shows that takes part (CIncidentTimeline),
// narrowed to --cameras on the camera pages, and prints the merged list as a
// page's list is printed: the text form, --json, or --export PATH.
//
// Used on the main thread while the viewer dialog and the host live.
#pragma once

#include <cstdio>
#include <string>

#include "shell/log_viewer_dlg.h"
#include "tools/logview/logview_host.h"
#include "tools/logview/logview_options.h"

class TimelineDriver {
 public:
  TimelineDriver(const LogviewOptions& options, LogviewHost& host, FILE* out, FILE* err);

  // Returns the exit status.
  int Run(CLogViewerDlg& dialog);

 private:
  int Fail(int status, const std::string& why);
  // Empty when the options suit a timeline.
  std::string CheckOptions() const;

  const LogviewOptions& m_options;
  LogviewHost& m_host;
  FILE* const m_out;
  FILE* const m_err;
};
