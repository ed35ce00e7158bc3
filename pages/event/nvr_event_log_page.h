// CNVREventLogPage: the event page of a remote recorder (the viewer's NVR
// mode): the remote catalogue's four kinds, date and time in two columns,
// and no edge events.  See CEventLogPage.
#pragma once

#include "pages/event/event_log_page.h"

class CNVREventLogPage : public CEventLogPage {
 public:
  CNVREventLogPage() : CEventLogPage(EventPageVariant::kRemote) {}

 protected:
  std::vector<EventTypeChoice> EventTypeChoices() override { return RemoteEventTypeChoices(Owner()->EventSwitches()); }
  const EdgeEventNames* KnownEdgeEvents() const override { return nullptr; }
};
