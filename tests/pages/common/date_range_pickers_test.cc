#include "pages/common/date_range_pickers.h"

#include <gtest/gtest.h>

namespace {

const CDateTime kDay = CDateTime::FromFields(2024, 1, 31);

TEST(DateRangePickers, StartsOnTodayAndKeepsTheKindsExclusive) {
  CDateRangePickers pickers;
  EXPECT_TRUE(pickers.Day().IsChecked());
  EXPECT_EQ(pickers.Day().GetTime(), StartOfToday());
  EXPECT_EQ(pickers.Day().GetTime().FormatTime(), "00:00:00");
  EXPECT_FALSE(pickers.Start().IsChecked());
  EXPECT_FALSE(pickers.End().IsChecked());

  pickers.End().UserSetCheck(true);
  EXPECT_FALSE(pickers.Day().IsChecked());
  pickers.Start().UserSetCheck(true);
  pickers.Day().UserSetCheck(true);
  EXPECT_FALSE(pickers.Start().IsChecked());
  EXPECT_FALSE(pickers.End().IsChecked());
  pickers.Start().UserSetTime(kDay);  // choosing a date ticks the box
  EXPECT_TRUE(pickers.Start().IsChecked());
  EXPECT_FALSE(pickers.Day().IsChecked());
  // Clearing a box clears nothing else.
  pickers.Start().UserSetCheck(false);
  EXPECT_FALSE(pickers.Day().IsChecked());
}

TEST(DateRangePickers, Range) {
  CDateRangePickers pickers;
  // The day runs to its last second, whatever start and end hold.
  pickers.Start().SetTime(kDay + CDateTime::kTicksPerDay * 5);
  pickers.Day().SetTime(kDay);
  auto range = pickers.Range();
  ASSERT_TRUE(range);
  EXPECT_EQ(range->start.FormatListCell(), "2024/01/31 00:00:00");
  EXPECT_EQ(range->end.FormatListCell(), "2024/01/31 23:59:59");

  // Start alone leaves the end open.
  pickers.Start().UserSetTime(kDay);
  range = pickers.Range();
  ASSERT_TRUE(range);
  EXPECT_EQ(range->start, kDay);
  EXPECT_FALSE(range->end.IsValid());

  // Start after end: no search.
  pickers.End().UserSetTime(kDay - CDateTime::kTicksPerSecond);
  EXPECT_FALSE(pickers.Range());
  pickers.End().UserSetTime(kDay);
  EXPECT_TRUE(pickers.Range());
}

TEST(DateRangePickers, ShowRangeSearchesTheHostWindow) {
  CDateRangePickers pickers;
  const CDateTime end = kDay + CDateTime::kTicksPerSecond * 10;
  pickers.ShowRange(kDay, end);
  EXPECT_FALSE(pickers.Day().IsChecked());
  auto range = pickers.Range();
  ASSERT_TRUE(range);
  EXPECT_EQ(range->start, kDay);
  EXPECT_EQ(range->end, end);

  // A bound that is not valid opens that side.
  pickers.ShowRange(CDateTime::Invalid(), end);
  EXPECT_FALSE(pickers.Start().IsChecked());
  EXPECT_TRUE(pickers.End().IsChecked());
}

}  // namespace
