#include "ui/tab_control_model.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

void PrintTo(const CRect& r, std::ostream* os) {
  *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

TEST(TabPageAreaTest, BandAndMarginsForEachPlacement) {
  const CRect client{0, 0, 600, 400};
  // Two rows of tabs 80 × 20 pixels.
  EXPECT_EQ(TabPageArea(client, CTabPlacement::kTop, 2, 80, 20), (CRect{4, 44, 596, 396}));
  EXPECT_EQ(TabPageArea(client, CTabPlacement::kBottom, 2, 80, 20), (CRect{4, 4, 596, 356}));
  EXPECT_EQ(TabPageArea(client, CTabPlacement::kLeft, 2, 80, 20), (CRect{164, 4, 596, 396}));
  EXPECT_EQ(TabPageArea(client, CTabPlacement::kRight, 2, 80, 20), (CRect{4, 4, 436, 396}));
  // Too small for the band: an empty page, not a negative one.
  const CRect tiny = TabPageArea(CRect{0, 0, 6, 30}, CTabPlacement::kTop, 1, 80, 40);
  EXPECT_EQ(tiny.Width(), 0);
  EXPECT_EQ(tiny.Height(), 0);
}

TEST(TabControlModelTest, CurrentTabFollowsInsertsAndRemovals) {
  CTabControlModel tabs;
  CWindowModel event(kDialogClass);
  EXPECT_EQ(tabs.AddTab("System Log", 0, nullptr), 0);
  EXPECT_EQ(tabs.GetCurSel(), 0);  // the first tab becomes current
  tabs.AddTab("Counting", 2, nullptr);
  EXPECT_EQ(tabs.InsertTab(1, "Event Log", 1, &event), 1);
  EXPECT_EQ(tabs.GetTab(1)->page, &event);
  tabs.SetCurSel(2);
  EXPECT_TRUE(tabs.RemoveTab(0));
  EXPECT_EQ(tabs.GetCurSel(), 1);
  EXPECT_TRUE(tabs.RemoveTab(1));
  EXPECT_EQ(tabs.GetCurSel(), CTabControlModel::kNone);
  tabs.AddTab("IVS", 3, nullptr);  // only a first tab is made current
  EXPECT_EQ(tabs.GetCurSel(), CTabControlModel::kNone);
  EXPECT_FALSE(tabs.RemoveTab(2));
  EXPECT_EQ(tabs.SetCurSel(3), CTabControlModel::kNone);
}

TEST(TabControlModelTest, TheGuardMayRefuseTheUsersChoice) {
  CTabControlModel tabs;
  for (const char* title : {"a", "b", "c"}) tabs.AddTab(title, 0, nullptr);
  bool allow = false;
  std::vector<std::pair<int, int>> asked;
  std::vector<int> changed;
  tabs.SetGuard([&](int from, int to) {
    asked.emplace_back(from, to);
    return allow;
  });
  CConnection link = tabs.OnUserSelChanged([&](int index) { changed.push_back(index); });

  EXPECT_FALSE(tabs.UserSelect(2));
  EXPECT_EQ(tabs.GetCurSel(), 0);
  allow = true;
  EXPECT_TRUE(tabs.UserSelect(2));
  EXPECT_FALSE(tabs.UserSelect(2));  // already current: not even asked
  tabs.SetCurSel(1);                 // the owner's own change is not guarded
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{0, 2}, {0, 2}}));
  EXPECT_EQ(changed, (std::vector<int>{2}));

  tabs.MoveWindow(CRect{0, 0, 300, 200});
  tabs.SetTabMetrics(1, 60, 22);
  EXPECT_EQ(tabs.PageArea(), (CRect{4, 26, 296, 196}));
  tabs.SetPlacement(CTabPlacement::kBottom);
  EXPECT_EQ(tabs.PageArea(), (CRect{4, 4, 296, 174}));
}

}  // namespace
