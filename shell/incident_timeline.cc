#include "shell/incident_timeline.h"

#include <algorithm>
#include <array>

#include "lang/translated_string.h"
#include "ui/button_model.h"
#include "ui/combo_box_model.h"
#include "ui/date_time_picker_model.h"

namespace {

struct KindPages {
  TimelineKind kind;
  ViewerPage local;
  ViewerPage remote;
  bool byCamera;  // the second selector lists the cameras ("All", then one entry per camera)
};

// In the order rows of equal time are listed.
constexpr std::array<KindPages, 6> kKinds = {{
    {TimelineKind::kEvents, ViewerPage::kVantorEventLog, ViewerPage::kNVREventLog, true},
    {TimelineKind::kSystem, ViewerPage::kVantorSysLog, ViewerPage::kNVRSysLog, false},
    {TimelineKind::kMetadata, ViewerPage::kVantorPosLog, ViewerPage::kNVRPosLog, false},
    {TimelineKind::kIvs, ViewerPage::kIVSLog, ViewerPage::kIVSLog, false},
    {TimelineKind::kBackup, ViewerPage::kVantorVideoLog, ViewerPage::kNVRVideoLog, false},
    {TimelineKind::kEdge, ViewerPage::kVantorEdgeRecordLog, ViewerPage::kVantorEdgeRecordLog, true},
}};

bool IsDateCell(const std::string& text) {
  return text.size() == 10 && text[4] == '/' && text[7] == '/';
}

// The row's time (see the header) and the cells it was read from.
struct RowMoment {
  CDateTime time = CDateTime::Null();
  int firstCell = -1;
  int cellCount = 0;
};

RowMoment MomentOf(const std::vector<std::string>& cells) {
  RowMoment moment;
  for (size_t i = 0; i < cells.size(); ++i) {
    CDateTime time;
    if (CDateTime::ParseListCell(cells[i].c_str(), time)) return {time, static_cast<int>(i), 1};
    if (IsDateCell(cells[i]) && i + 1 < cells.size() &&
        CDateTime::ParseListCell((cells[i] + " " + cells[i + 1]).c_str(), time))
      return {time, static_cast<int>(i), 2};
  }
  return moment;
}

// The row's cells other than its time, as "Title: text" joined by "; ".
std::string DetailsOf(const CLogListCtrl& list, const std::vector<std::string>& cells, const RowMoment& moment) {
  std::string details;
  for (size_t i = 0; i < cells.size(); ++i) {
    const int column = static_cast<int>(i);
    if (cells[i].empty() || (column >= moment.firstCell && column < moment.firstCell + moment.cellCount)) continue;
    if (!details.empty()) details += "; ";
    details += list.GetColumn(column)->title + ": " + cells[i];
  }
  return details;
}

std::vector<std::string> CellsOf(const CLogListCtrl& list, int row) {
  std::vector<std::string> cells;
  for (int column = 0; column < list.GetColumnCount(); ++column) cells.push_back(list.GetItemText(row, column));
  return cells;
}

}  // namespace

CIncidentTimeline::CIncidentTimeline(CLogViewerDlg& dialog) : m_dialog(dialog) {
  for (const char* title : kColumnTitles) m_list.InsertColumn(m_list.GetColumnCount(), title, CListColumn::Align::kLeft, 150);
  m_list.SetFullRowSelect(true);
  m_list.SetProvider(this);
  m_doubleClick = m_list.OnRowDoubleClicked([this](int row) { Open(row); });
}

CIncidentTimeline::~CIncidentTimeline() { m_list.SetProvider(nullptr); }

std::string CIncidentTimeline::KindText(TimelineKind kind) {
  // The tab titles, as the viewer shows them for its local pages.
  static constexpr int kTitles[] = {2, 3, 56, 113, 81, 172};
  return LoadTranslatedString(kTitles[static_cast<int>(kind)]);
}

std::vector<CIncidentTimeline::Part> CIncidentTimeline::Parts() {
  std::vector<Part> parts;
  CTabCtrlEx& tabs = m_dialog.TabCtrl();
  for (const KindPages& kind : kKinds) {
    for (int i = 0; i < tabs.GetItemCount(); ++i) {
      CTabPageEx* shown = tabs.GetPage(i);
      if (shown != m_dialog.PageOf(kind.local) && shown != m_dialog.PageOf(kind.remote)) continue;
      if (auto* page = dynamic_cast<CSearchLogPage*>(shown)) parts.push_back({kind.kind, page, kind.byCamera});
      break;
    }
  }
  return parts;
}

std::string CIncidentTimeline::Search(const CDateTime& from, const CDateTime& to, const std::vector<int>& cameras) {
  const std::vector<Part> parts = Parts();
  for (const Part& part : parts) {
    if (!part.byCamera) continue;
    const int count = part.page->Controls().secondSelector->GetCount() - 1;
    for (const int camera : cameras) {
      if (camera < 0 || camera >= count)
        return "no camera " + std::to_string(camera) + " in a camera list of " + std::to_string(count) + " cameras";
    }
  }
  m_from = from;
  m_to = to;
  std::vector<TimelineRow> rows;
  for (const Part& part : parts) {
    if (!part.byCamera || cameras.empty()) {
      SearchPart(part, 0, &rows);
      continue;
    }
    for (const int camera : cameras) SearchPart(part, camera + 1, &rows);
  }
  // Kind order first, so that the stable sort keeps it among equal times.
  std::stable_sort(rows.begin(), rows.end(), [](const TimelineRow& a, const TimelineRow& b) {
    return a.kind < b.kind;
  });
  std::stable_sort(rows.begin(), rows.end(), [](const TimelineRow& a, const TimelineRow& b) {
    return a.time < b.time;
  });
  m_rows = std::move(rows);
  m_list.SetItemCount(static_cast<int>(m_rows.size()));
  return {};
}

void CIncidentTimeline::RunPageSearch(const Part& part, int entry) {
  const CPageControls c = part.page->Controls();
  c.typeSelector->UserSelect(0);
  if (c.secondSelector != nullptr) c.secondSelector->UserSelect(part.byCamera ? entry : 0);
  for (auto [picker, time] : {std::pair{c.startPicker, m_from}, std::pair{c.endPicker, m_to}}) {
    picker->UserSetCheck(true);
    picker->UserSetTime(time);
  }
  c.searchButton->Click();
}

void CIncidentTimeline::SearchPart(const Part& part, int entry, std::vector<TimelineRow>* rows) {
  RunPageSearch(part, entry);
  CLogListCtrl& list = *part.page->Controls().list;
  for (int row = 0; row < list.GetItemCount(); ++row) {
    const std::vector<std::string> cells = CellsOf(list, row);
    const RowMoment moment = MomentOf(cells);
    rows->push_back({moment.time, part.kind, entry, row, DetailsOf(list, cells, moment)});
  }
}

bool CIncidentTimeline::PageListsRow(const Part& part, const TimelineRow& row) {
  const CLogListCtrl& list = *part.page->Controls().list;
  if (row.pageRow >= list.GetItemCount()) return false;
  const std::vector<std::string> cells = CellsOf(list, row.pageRow);
  const RowMoment moment = MomentOf(cells);
  return moment.time == row.time && DetailsOf(list, cells, moment) == row.details;
}

bool CIncidentTimeline::Open(int row) {
  if (row < 0 || row >= static_cast<int>(m_rows.size())) return false;
  const TimelineRow& wanted = m_rows[static_cast<size_t>(row)];
  for (const Part& part : Parts()) {
    if (part.kind != wanted.kind) continue;
    if (!PageListsRow(part, wanted)) {
      RunPageSearch(part, wanted.cameraEntry);
      if (!PageListsRow(part, wanted)) return false;
    }
    // A row is opened where it is seen: drawn first, the page decides
    // whether it can play (asking the host), as in its own list.
    CLogListCtrl& list = *part.page->Controls().list;
    list.DrawRows(wanted.pageRow, 1);
    return list.DoubleClickRow(wanted.pageRow);
  }
  return false;
}

std::string CIncidentTimeline::GetItemText(int row, int column) {
  const TimelineRow& r = m_rows[static_cast<size_t>(row)];
  switch (column) {
    case kTimeColumn:
      return r.time.IsValid() ? r.time.FormatListCell() : std::string();
    case kKindColumn:
      return KindText(r.kind);
    default:
      return r.details;
  }
}
