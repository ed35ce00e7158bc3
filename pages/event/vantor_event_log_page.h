// CVantorEventLogPage: the event page of a local recorder.  Its type
// selector lists the local catalogue and the edge events the device
// supports, whose names it reads each time the selector is built: from the
// server when the viewer searches one (and is not reading a backup copy),
// else from the installation's list.  See CEventLogPage.
#pragma once

#include "pages/event/event_log_page.h"

class CVantorEventLogPage : public CEventLogPage {
 public:
  CVantorEventLogPage() : CEventLogPage(EventPageVariant::kLocal) {}

 protected:
  std::vector<EventTypeChoice> EventTypeChoices() override;
  const EdgeEventNames* KnownEdgeEvents() const override { return &m_edgeEvents; }

 private:
  EdgeEventNames m_edgeEvents;
};
