#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "qt/log_list_view.h"
#include "qt/log_table_model.h"

namespace {

// A page's answers: cell texts built from the position, counted.
class CountingProvider : public IListItemProvider {
 public:
  std::string GetItemText(int row, int column) override {
    ++cellsAsked;
    return std::to_string(row) + ":" + std::to_string(column);
  }
  int GetItemImage(int row) override { return row % 3; }
  int cellsAsked = 0;
};

struct FakeList {
  FakeList() {
    list.SetProvider(&provider);
    list.InsertColumn(0, "Time", CListColumn::Align::kLeft, 120);
    list.InsertColumn(1, "Camera", CListColumn::Align::kRight, 60);
    list.SetImages({5006, 16, 0});
  }
  CountingProvider provider;
  CLogListCtrl list;
};

TEST(LogTableModelTest, AsksThePageForVisibleCellsOnly) {
  FakeList fake;
  LogTableModel model(fake.list);
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
  fake.list.SetItemCount(1'000'000);
  ASSERT_EQ(model.rowCount(), 1'000'000);
  EXPECT_EQ(model.columnCount(), 2);
  EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Camera");
  EXPECT_EQ(model.data(model.index(999'999, 1), Qt::DisplayRole).toString(), "999999:1");
  EXPECT_EQ(model.data(model.index(4, 1), Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
  EXPECT_FALSE(model.data(model.index(4, 0), Qt::DecorationRole).isNull());
  EXPECT_TRUE(model.data(model.index(4, 1), Qt::DecorationRole).isNull());

  // A view of a million rows draws a screenful: the page is asked for that much.
  QTableView* view = MakeLogListView(fake.list, nullptr);
  view->resize(400, 300);
  view->show();
  fake.provider.cellsAsked = 0;
  view->grab();
  EXPECT_GT(fake.provider.cellsAsked, 0);
  EXPECT_LT(fake.provider.cellsAsked, 200);
  EXPECT_EQ(view->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);

  // A header click is the page's sort request, and its state shows.
  int sortedColumn = -1, sortedDirection = -1;
  CConnection sort = fake.list.OnSortRequest([&](int column, int direction) {
    sortedColumn = column;
    sortedDirection = direction;
  });
  view->horizontalHeader()->sectionClicked(1);
  view->horizontalHeader()->sectionClicked(1);
  EXPECT_EQ(sortedColumn, 1);
  EXPECT_EQ(sortedDirection, 1);
  EXPECT_EQ(view->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);

  // New rows reset the views; the list going away first leaves no dangling view.
  fake.list.SetItemCount(3);
  EXPECT_EQ(view->model()->rowCount(), 3);
  delete view;
}

TEST(LogTableModelTest, RowMenuReportsTheEntryChosenOnTheRowUnderThePointer) {
  FakeList fake;
  fake.list.SetItemCount(5);
  fake.list.SetRowMenu({"Same type", "Same camera"});
  std::vector<std::pair<int, int>> chosen;
  CConnection connection = fake.list.OnRowMenuChosen([&](int row, int item) { chosen.emplace_back(row, item); });
  std::unique_ptr<QTableView> view(MakeLogListView(fake.list, nullptr));
  view->resize(300, 200);
  view->show();
  QStringList offered;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions()) offered << action->text();
    menu->setActiveAction(menu->actions().at(1));
    QTest::keyClick(menu, Qt::Key_Return);
  });
  emit view->customContextMenuRequested(view->visualRect(view->model()->index(3, 0)).center());
  EXPECT_EQ(offered, (QStringList{"Same type", "Same camera"}));
  EXPECT_EQ(chosen, (std::vector<std::pair<int, int>>{{3, 1}}));
  EXPECT_EQ(fake.list.GetSelectedRow(), 3);
}

}  // namespace
