// The event page's list in the Qt window over about 1,000,000 rows of a
// generated installation, offscreen, each step against a bare Qt table (a
// QTableView with the same settings over a model that formats its cells
// from the row number and keeps nothing):
//
//   first screen  from the search's end (the list's row count set) to the
//                 first painted screen of the list
//   page down     one Page Down and its repaint, through the whole list
//
// Paint times are those of rendering the view into a picture (QWidget::grab),
// which paints whether or not a screen shows the window.  Medians and their
// ratios are printed, with the heap per listed row that the window takes
// (all of malloc's: the widgets and their first screen) beside what the
// bare table takes for the same rows; the difference is the front end's own.
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
  view.viewport()->grab();
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
    view.viewport()->grab();
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

  // The heap each view takes for its rows and first screen.
  const auto heapOf = [](auto makeView) {
    const size_t before = HeapInUse();
    makeView();
    return HeapInUse() - before;
  };
  BareModel bareModel;
  QTableView bareView;
  const size_t bareHeap = heapOf([&] {
    bareModel.SetRows(rows);
    bareView.setModel(&bareModel);
    Configure(bareView);
    bareView.viewport()->grab();
  });
  std::unique_ptr<QTableView> view;
  const size_t windowHeap = heapOf([&] {
    view.reset(MakeLogListView(list, nullptr));
    Configure(*view);
    view->viewport()->grab();
  });

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

  std::printf("\n%d rows listed, view %d x %d, %d rounds (medians); %zu Page Down steps\n", rows, kViewWidth,
              kViewHeight, arguments->rounds, pageStep.size());
  const auto line = [](const char* what, double bare, double measured, const char* goal) {
    std::printf("%-22s bare %8.3f ms  window %8.3f ms  ratio %5.2f  (goal %s)\n", what, bare * 1e3, measured * 1e3,
                measured / bare, goal);
  };
  line("first screen", Median(bareFirst), Median(pageFirst), "<= 100 ms");
  line("page down step", Median(bareStep), Median(pageStep), "<= 16 ms");
  const double perRow = 1.0 / std::max(rows, 1);
  std::printf("heap per listed row: window %.2f bytes, bare table %.2f bytes; front end's own %.2f (goal <= 16)\n",
              double(windowHeap) * perRow, double(bareHeap) * perRow,
              (double(windowHeap) - double(bareHeap)) * perRow);
  return 0;
}
