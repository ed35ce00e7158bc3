#include "pages/event/vantor_event_log_page.h"

#include "config/supported_edge_event_list.h"

std::vector<EventTypeChoice> CVantorEventLogPage::EventTypeChoices() {
  IViewerContext& viewer = *Owner();
  const auto download = [&viewer](const std::string& folder, const std::string& fileName) {
    return viewer.DownloadEdgeEventList(folder, fileName);
  };
  m_edgeEvents.clear();
  const bool remote = viewer.Settings().remoteCameraList != 0;
  for (const auto& [number, event] :
       ReadPageEdgeEventList(viewer.InstallFolder(), viewer.LogRootIsBackup(), remote, download))
    m_edgeEvents.emplace(number, event.EdgeEventName);
  return LocalEventTypeChoices(viewer.EventSwitches(), m_edgeEvents);
}
