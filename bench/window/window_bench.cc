// The event page's list in the Qt window over about 1,000,000 rows of a
// generated installation, offscreen, each step against a bare Qt table (a
// QTableView with the same settings over a model that formats its cells
// from the row number and keeps nothing):
//
//   first screen  from the search's end (the list's row count set) to the
//                 first painted screen of the list
//   page down     one Page Down and its repaint, through the whole list
//
// Medians and their ratios are printed, with the front end's own heap (all
// of malloc's, the widgets and their first screen) per listed row.
#include <malloc.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "bench/common/bench_arguments.h"
#include "bench/common/bench_clock.h"
#include "bench/common/bench_viewer_context.h"
#include "pages/event/vantor_event_log_page.h"
#include "platform/paths.h"
#include "qt/log_list_view.h"
#include "store/log_root_folder.h"
#include "ui/message_box.h"

namespace {

using bench::Clock;
using bench::Median;
using bench::Seconds;

constexpr bench::InstallationShape kShape{10, 118000, "2024-01-31"};
const CDateTime kFirstDay = CDateTime::FromFields(2024, 1, 22);
const CDateTime kLastMoment = CDateTime::FromFields(2024, 1, 31, 23, 59, 59);
constexpr int kViewWidth = 900;
constexpr int kViewHeight = 1000;

// What Qt's table costs by itself: cells made from the row number.
class BareModel : public QAbstractTableModel {
 public:
  void SetRows(int rows) {
    beginResetModel();
    m_rows = rows;
    endResetModel();
  }
  int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_rows; }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 4; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole) return {};
    return QStringLiteral("2024/01/31 12:00:%1 cell %2").arg(index.row() % 60).arg(index.column());
  }

 private:
  int m_rows = 0;
};

void Configure(QTableView& view) {
  view.verticalHeader()->hide();
  view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view.verticalHeader()->setDefaultSectionSize(view.fontMetrics().height() + 4);
  view.setSelectionBehavior(QAbstractItemView::SelectRows);
  view.setShowGrid(false);
  view.setWordWrap(false);
  view.resize(kViewWidth, kViewHeight);
  view.show();
}

size_t HeapInUse() { return mallinfo2().uordblks; }

// The first screen: rows announced, the list painted.
template <class SetRows>
double FirstScreen(QTableView& view, SetRows setRows) {
  const auto start = Clock::now();
  setRows();
  view.viewport()->repaint();
  return Seconds(start);
}

// Page Down from the top to the last row, one repaint each; the step times.
std::vector<double> PageDownThrough(QTableView& view) {
  view.scrollToTop();
  view.setCurrentIndex(view.model()->index(0, 0));
  std::vector<double> steps;
  const int last = view.model()->rowCount() - 1;
  while (view.currentIndex().row() < last) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
    const auto start = Clock::now();
    QApplication::sendEvent(&view, &key);
    view.viewport()->repaint();
    steps.push_back(Seconds(start));
  }
  return steps;
}

}  // namespace

int main(int argc, char** argv) {
  const auto arguments = bench::PrepareBench(argc, argv, LOGVIEW_BENCH_CACHE, kShape, LOGVIEW_DEMO_TOOL);
  if (!arguments) return 1;
  QApplication app(argc, argv);
  platform::SetInstallFolder(arguments->folder);
  // Generic camera names: the page lists the rows of every channel.
  bench::BenchContext context(LogRootFolder(arguments->folder));
  context.settings.genericCameraNames = 1;
  CVantorEventLogPage page;
  page.SetOwner(&context);
  page.Create();
  page.Controls().startPicker->UserSetTime(kFirstDay);
  page.Controls().endPicker->UserSetTime(kLastMoment);
  page.Controls().searchButton->Click();
  CLogListCtrl& list = *page.Controls().list;
  const int rows = list.GetItemCount();

  const size_t heapBefore = HeapInUse();
  std::unique_ptr<QTableView> view(MakeLogListView(list, nullptr));
  Configure(*view);
  view->viewport()->repaint();
  const size_t heapAfter = HeapInUse();
  BareModel bareModel;
  QTableView bareView;
  bareView.setModel(&bareModel);
  Configure(bareView);

  std::vector<double> bareFirst, pageFirst, bareStep, pageStep;
  for (int round = 0; round < arguments->rounds; ++round) {
    bareModel.SetRows(0);
    bareFirst.push_back(FirstScreen(bareView, [&] { bareModel.SetRows(rows); }));
    list.SetItemCount(0);
    pageFirst.push_back(FirstScreen(*view, [&] { list.SetItemCount(rows); }));
    std::printf("round %d of %d done\n", round + 1, arguments->rounds);
    std::fflush(stdout);
  }
  bareStep = PageDownThrough(bareView);
  pageStep = PageDownThrough(*view);
  const size_t heapGrowth = std::max(HeapInUse(), heapAfter) - heapBefore;

  std::printf("\n%d rows listed, view %d x %d, %d rounds (medians); %zu Page Down steps\n", rows, kViewWidth,
              kViewHeight, arguments->rounds, pageStep.size());
  const auto line = [](const char* what, double bare, double measured, const char* goal) {
    std::printf("%-22s bare %8.3f ms  window %8.3f ms  ratio %5.2f  (goal %s)\n", what, bare * 1e3, measured * 1e3,
                measured / bare, goal);
  };
  line("first screen", Median(bareFirst), Median(pageFirst), "<= 100 ms");
  line("page down step", Median(bareStep), Median(pageStep), "<= 16 ms");
  std::printf("front end heap per listed row: %.2f bytes (goal <= 16)\n", double(heapGrowth) / std::max(rows, 1));
  return 0;
}
