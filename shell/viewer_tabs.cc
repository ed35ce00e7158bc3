#include "shell/viewer_tabs.h"

std::vector<ViewerTab> PlanViewerTabs(const ViewerSettings& s, bool showCountingDiagram) {
  const bool nvr = s.nvrMode != 0;
  std::vector<ViewerTab> tabs;
  if (s.showSystemLog)
    tabs.push_back({3, nvr ? ViewerPage::kNVRSysLog : ViewerPage::kVantorSysLog});
  if (s.showBackupLog)
    tabs.push_back({81, nvr ? ViewerPage::kNVRVideoLog : ViewerPage::kVantorVideoLog});
  if (s.showEventLog)
    tabs.push_back(nvr ? ViewerTab{170, ViewerPage::kNVREventLog}
                       : ViewerTab{2, ViewerPage::kVantorEventLog});
  // The edge storage page has no remote variant.
  if (s.showEdgeStorage && !nvr) tabs.push_back({172, ViewerPage::kVantorEdgeRecordLog});
  if (s.showCounting) tabs.push_back({4, ViewerPage::kCounterLog});
  if (showCountingDiagram) tabs.push_back({5, ViewerPage::kCounterDiagram});
  if (s.showIvsLog) tabs.push_back({113, ViewerPage::kIVSLog});
  if (s.showMetadataLog)
    tabs.push_back({56, nvr ? ViewerPage::kNVRPosLog : ViewerPage::kVantorPosLog});
  return tabs;
}
