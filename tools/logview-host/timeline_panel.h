// TimelinePanel: the host's view of an incident timeline -- every kind of
// record of the day in one list (CIncidentTimeline over the modeless
// viewer's pages), a mark per record on a time axis above it.  A double
// click on a row opens the record on its page, so the host receives the
// playback request the page sends.  Hidden until the first timeline.
//
// One per host window, on the Qt thread.  The timeline works the viewer's
// dialog object: Forget it before that object is replaced
// (ResetLogViewerInstance).
#pragma once

#include <QGroupBox>
#include <memory>
#include <string>
#include <vector>

#include "shell/incident_timeline.h"

class QLabel;
class QTableView;
class QVBoxLayout;
class TimelineAxis;

class TimelinePanel : public QGroupBox {
 public:
  explicit TimelinePanel(QWidget* parent);
  ~TimelinePanel() override;

  // Lists [from, to] narrowed to `cameras` (camera indexes; empty: all).
  // Returns an empty text, or why nothing was listed.
  std::string Search(const CDateTime& from, const CDateTime& to, const std::vector<int>& cameras);
  // Drops the timeline and its list.
  void Forget();

  // The list, for a test or a screenshot; null before a timeline.
  QTableView* View() const { return m_view; }

 private:
  QVBoxLayout* m_layout;
  QLabel* m_count;
  TimelineAxis* m_axis;
  QTableView* m_view = nullptr;
  std::unique_ptr<CIncidentTimeline> m_timeline;
};
