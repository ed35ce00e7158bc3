#include "tools/logview-host/timeline_panel.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "qt/log_list_view.h"
#include "shell/log_viewer_app.h"
#include "tools/logview-host/timeline_axis.h"

TimelinePanel::TimelinePanel(QWidget* parent)
    : QGroupBox("Timeline", parent), m_layout(new QVBoxLayout(this)), m_count(new QLabel), m_axis(new TimelineAxis(this)) {
  m_layout->addWidget(m_count);
  m_layout->addWidget(m_axis);
  hide();
}

TimelinePanel::~TimelinePanel() { Forget(); }

std::string TimelinePanel::Search(const CDateTime& from, const CDateTime& to, const std::vector<int>& cameras) {
  Forget();
  CLogViewerDlg& dialog = TheLogViewerApp().Dialog();
  if (!dialog.HasWindow()) return "show the modeless viewer first: the timeline searches its pages";
  auto timeline = std::make_unique<CIncidentTimeline>(dialog);
  if (std::string problem = timeline->Search(from, to, cameras); !problem.empty()) return problem;
  m_timeline = std::move(timeline);
  m_view = MakeLogListView(m_timeline->List(), this);
  m_view->horizontalHeader()->setStretchLastSection(true);
  m_layout->addWidget(m_view, 1);
  m_axis->Show(&m_timeline->Rows(), from, to);
  m_count->setText(QString("%1 records from %2 to %3")
                       .arg(m_timeline->Rows().size())
                       .arg(QString::fromStdString(from.FormatListCell()), QString::fromStdString(to.FormatListCell())));
  show();
  return {};
}

void TimelinePanel::Forget() {
  m_axis->Show(nullptr, CDateTime(), CDateTime());
  delete m_view;  // before the list it shows
  m_view = nullptr;
  m_timeline.reset();
}
