#include "pages/event/vantor_event_log_page.h"

#include "config/supported_edge_event_list.h"
#include "protocol/vxpp_client.h"
#include "store/log_root_folder.h"

std::vector<EventTypeChoice> CVantorEventLogPage::TypeChoices() {
  const ViewerSettings& viewer = Owner()->Settings();
  const auto download = [&viewer](const std::string& folder, const std::string& fileName) {
    CVXPPClient client;
    client.SetPort(static_cast<uint32_t>(viewer.serverPort));
    return client.SupportedEdgeEventListOfDP(ServerUrl(viewer), viewer.userSessionNo, folder, fileName);
  };
  m_edgeEvents.clear();
  for (const auto& [number, event] :
       ReadPageEdgeEventList(GetRecordFileMarker().backup, viewer.remoteCameraList != 0, download))
    m_edgeEvents.emplace(number, event.EdgeEventName);
  return LocalEventTypeChoices(Owner()->EventSwitches(), m_edgeEvents);
}
