#include "ui/log_list_ctrl.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// A page with rows "r<row>c<column>" whose image is decided when first asked.
class FakeRows : public IListItemProvider {
 public:
  std::string GetItemText(int row, int column) override {
    return "r" + std::to_string(row) + "c" + std::to_string(column);
  }
  int GetItemImage(int row) override {
    asked.push_back(row);
    return row % 2 == 0 ? 0 : 2;
  }
  std::vector<int> asked;
};

class LogListCtrlTest : public testing::Test {
 protected:
  LogListCtrlTest() {
    list.InsertColumn(0, "Event Time", CListColumn::Align::kCentre, 150);
    list.InsertColumn(1, "Event Type", CListColumn::Align::kLeft, 190);
    list.InsertColumn(9, "Camera", CListColumn::Align::kLeft, 80);
    list.SetProvider(&rows);
    list.SetItemCount(4);
  }

  FakeRows rows;
  CLogListCtrl list;
};

TEST_F(LogListCtrlTest, HeaderClicksAlternateTheDirection) {
  std::vector<std::pair<int, int>> sorts;
  CConnection link = list.OnSortRequest([&](int c, int d) { sorts.emplace_back(c, d); });
  for (int column : {0, 0, 0, 2, 0}) EXPECT_TRUE(list.ClickHeader(column));
  list.SetItemCount(10);  // a new search keeps the header's state
  list.ClickHeader(0);
  EXPECT_FALSE(list.ClickHeader(3));
  list.DeleteColumn(2);  // rebuilt columns start afresh
  list.ClickHeader(1);
  EXPECT_EQ(sorts, (std::vector<std::pair<int, int>>{
                       {0, 0}, {0, 1}, {0, 0}, {2, 0}, {0, 0}, {0, 1}, {1, 0}}));
}

TEST_F(LogListCtrlTest, ImagesAreAskedOncePerRowUntilRedrawn) {
  std::vector<CListRowView> drawn = list.DrawRows(2, 5);
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[1].image, 2);
  EXPECT_EQ(drawn[1].texts, (std::vector<std::string>{"r3c0", "r3c1", "r3c2"}));
  list.DrawRows(0, 4);
  list.RedrawItems(3, 99);
  list.DrawRows(0, 4);
  EXPECT_EQ(rows.asked, (std::vector<int>{2, 3, 0, 1, 3}));

  list.SelectRow(1);
  list.SetItemCount(1);
  EXPECT_EQ(list.GetSelectedRow(), CLogListCtrl::kNone);
  EXPECT_EQ(list.GetItemImage(0), 0);
  EXPECT_EQ(rows.asked.size(), 6u);
  EXPECT_EQ(list.GetItemImage(1), CLogListCtrl::kNone);
  EXPECT_EQ(list.GetItemText(0, 3), "");
}

TEST_F(LogListCtrlTest, DoubleClickSelectsAndReportsTheRow) {
  std::vector<int> opened;
  CConnection link = list.OnRowDoubleClicked([&](int row) {
    EXPECT_EQ(list.GetSelectedRow(), row);  // the page reads the selection
    opened.push_back(row);
  });
  EXPECT_TRUE(list.DoubleClickRow(2));
  EXPECT_FALSE(list.DoubleClickRow(4));
  list.Enable(false);
  EXPECT_FALSE(list.DoubleClickRow(0));
  EXPECT_EQ(opened, (std::vector<int>{2}));
}

}  // namespace
