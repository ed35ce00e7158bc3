// TimelineAxis: the records of a timeline on a time axis -- one lane per
// kind, labelled with the kind's text, a mark at each record's time in the
// kind's colour, and the range's start, middle and end below.  Marks that
// fall on the same pixel are drawn once, so a long list costs one pass over
// its rows per paint.
#pragma once

#include <QWidget>
#include <vector>

#include "shell/incident_timeline.h"

class TimelineAxis : public QWidget {
 public:
  explicit TimelineAxis(QWidget* parent);

  // The rows to mark over [from, to]; `rows` must outlive the axis or be
  // replaced (an empty timeline: no rows).
  void Show(const std::vector<TimelineRow>* rows, const CDateTime& from, const CDateTime& to);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const std::vector<TimelineRow>* m_rows = nullptr;
  CDateTime m_from, m_to;
};
