#include "ui/date_time_picker_model.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(DateTimePickerModelTest, UserChecksAloneReachThePage) {
  const CDateTime day31 = CDateTime::FromFields(2024, 1, 31);
  CDateTimePickerModel day(day31), start(day31);
  start.SetCheck(false);
  // The pages' rule: ticking one kind of picker clears the other.
  int userChecks = 0;
  CConnection dayLink = day.OnUserChecked([&](bool on) {
    ++userChecks;
    if (on) start.SetCheck(false);
  });
  CConnection startLink = start.OnUserChecked([&](bool on) {
    ++userChecks;
    if (on) day.SetCheck(false);
  });
  EXPECT_TRUE(start.UserSetCheck(true));
  EXPECT_FALSE(day.IsChecked());
  EXPECT_TRUE(day.UserSetCheck(true));
  EXPECT_FALSE(start.IsChecked());
  EXPECT_EQ(userChecks, 2);  // the page's own SetCheck calls were not echoed

  // Picking a time in a cleared picker ticks it, which the page hears.
  EXPECT_TRUE(start.UserSetTime(CDateTime::FromFields(2024, 1, 30, 8, 15, 0)));
  EXPECT_TRUE(start.IsChecked());
  EXPECT_FALSE(day.IsChecked());
  EXPECT_EQ(start.GetTime().FormatListCell(), "2024/01/30 08:15:00");
  start.Enable(false);
  EXPECT_FALSE(start.UserSetCheck(false));
  EXPECT_EQ(userChecks, 3);
}

TEST(DateTimePickerModelTest, ValueIsKeptAsADayCount) {
  CDateTimePickerModel picker(CDateTime::FromFields(1899, 12, 29, 6));
  EXPECT_DOUBLE_EQ(picker.GetDayCount(), -1.25);
  EXPECT_FALSE(picker.SetTime(CDateTime::Invalid()));
  EXPECT_FALSE(picker.UserSetTime(CDateTime::Null()));
  EXPECT_EQ(picker.GetTime().FormatListCell(), "1899/12/29 06:00:00");
}

}  // namespace
