// Which pages the viewer dialog shows as tabs, in which order and under which
// title.  Worked out from the settings alone, so the order rules hold for the
// headless dialog and for any front end that draws it.
#pragma once

#include <vector>

#include "vocabulary/viewer_settings.h"

// The page objects of the dialog: the local (Vantor) and remote (NVR)
// variants are separate pages.
enum class ViewerPage {
  kVantorEventLog,
  kNVREventLog,
  kVantorSysLog,
  kNVRSysLog,
  kCounterLog,
  kCounterDiagram,
  kVantorPosLog,
  kNVRPosLog,
  kVantorVideoLog,
  kNVRVideoLog,
  kIVSLog,
  kVantorEdgeRecordLog,
};

struct ViewerTab {
  int titleString;  // number of the title in the string table
  ViewerPage page;
  friend bool operator==(const ViewerTab&, const ViewerTab&) = default;
};

// The tabs in display order; a tab's item value is its position.  The
// counting diagram tab follows `showCountingDiagram`: the modeless viewer
// passes the host's diagram switch, the modal one its counting switch.
std::vector<ViewerTab> PlanViewerTabs(const ViewerSettings& settings, bool showCountingDiagram);
