#include "vocabulary/date_time.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

namespace {

CDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  return CDateTime::FromFields(y, mo, d, h, mi, s, ms);
}

TEST(DateTimeTest, BuildRejectsYearAndMonthOutOfRangeAndNormalisesTheRest) {
  EXPECT_FALSE(At(2024, 13, 1).IsValid());
  EXPECT_FALSE(At(2024, 0, 1).IsValid());
  EXPECT_FALSE(At(29001, 1, 1).IsValid());
  EXPECT_FALSE(At(-29001, 1, 1).IsValid());
  EXPECT_TRUE(At(29000, 12, 31).IsValid());
  EXPECT_TRUE(At(-27000, 1, 1).IsValid());
  EXPECT_FALSE(At(-29000, 1, 1).IsValid());  // before the earliest moment ticks can count
  EXPECT_FALSE(CDateTime::ParseWire("2024/3/5;999999999:0:0").IsValid());  // nor this far after

  EXPECT_EQ(At(2024, 1, 31, 23, 59, 61).FormatListCell(), "2024/02/01 00:00:01");
  EXPECT_EQ(At(2024, 2, 30).FormatDate(), "2024/03/01");             // leap year
  EXPECT_EQ(At(2023, 12, 31, 23, 59, 59, 1000).FormatListCell(), "2024/01/01 00:00:00");
  EXPECT_EQ(At(2024, 3, 1, 0, 0, -1).FormatListCell(), "2024/02/29 23:59:59");
}

TEST(DateTimeTest, SplitGivesFieldsOrMinusOneWhenNotValid) {
  const CDateTime::Fields f = At(2024, 1, 31, 8, 9, 10, 11).Split();
  EXPECT_EQ(std::tuple(f.year, f.month, f.day, f.hour, f.minute, f.second, f.millisecond, f.dayOfWeek),
            std::tuple(2024, 1, 31, 8, 9, 10, 11, 3));  // a Wednesday
  EXPECT_EQ(CDateTime().Split().year, 1601);

  const CDateTime::Fields bad = CDateTime::Invalid().Split();
  EXPECT_EQ(bad.year, -1);
  EXPECT_EQ(bad.second, -1);
  EXPECT_EQ(CDateTime::Invalid().FormatListCell(), "-001/-1/-1 -1:-1:-1");
  EXPECT_EQ(CDateTime::Null().FormatListCell(), "");
}

TEST(DateTimeTest, TextFormsAndReaders) {
  const CDateTime t = At(2024, 1, 31, 23, 59, 59, 7);
  EXPECT_EQ(t.FormatLogTime(), "20240131235959");
  EXPECT_EQ(t.FormatLogTimeMs(), "20240131235959007");
  EXPECT_EQ(t.QueryLiteral(), 20240131235959LL);
  EXPECT_EQ(t.FormatDate(), "2024/01/31");
  EXPECT_EQ(t.FormatTime(), "23:59:59");
  EXPECT_EQ(t.FormatWire(), "2024/01/31;23:59:59");
  EXPECT_EQ(CDateTime::Null().FormatWire(), "null");
  EXPECT_EQ(t.DailyFileName("EventLog"), "EventLog_20240131.db");

  EXPECT_EQ(CDateTime::ParseLogTime("20240131235959123").Split().millisecond, 123);
  EXPECT_EQ(CDateTime::ParseLogTime("20240131235959").Split().millisecond, 0);
  // Any length but 17 is read with the 14-digit form.
  EXPECT_EQ(CDateTime::ParseLogTime("2024013123595912").FormatLogTime(), "20240131235959");
  EXPECT_FALSE(CDateTime::ParseLogTime("yesterday").IsValid());
  EXPECT_FALSE(CDateTime::ParseLogTime("20241331000000").IsValid());

  CDateTime cell;
  EXPECT_TRUE(CDateTime::ParseListCell("2024/01/31 08:00:05", cell));
  EXPECT_EQ(cell, At(2024, 1, 31, 8, 0, 5));
  EXPECT_FALSE(CDateTime::ParseListCell("2024/01/31", cell));
  // A list text reads as "%04d/%02d/%02d %02d:%02d:%02d" reads it, also where it is odd.
  for (const char* text : {"2024/01/31 08:00:05 tail", " 2024/1/31 8:0:5", "2024/01/31 08:00:0x", "-001/01/31 08:00:05",
                           "2024/01/31 08:00:"}) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0;
    const bool scanned = std::sscanf(text, "%04d/%02d/%02d %02d:%02d:%02d", &y, &mo, &d, &h, &mi, &sec) == 6;
    CDateTime read;
    EXPECT_EQ(CDateTime::ParseListCell(text, read), scanned) << text;
    if (scanned) {
      EXPECT_EQ(read, CDateTime::FromFields(y, mo, d, h, mi, sec)) << text;
    }
  }

  EXPECT_EQ(CDateTime::ParseWire("2024/1/31;8:0:5"), At(2024, 1, 31, 8, 0, 5));
  EXPECT_EQ(CDateTime::ParseWire("null").GetStatus(), CDateTime::kNull);
  EXPECT_FALSE(CDateTime::ParseWire("31.1.2024").IsValid());
  // The wire form reads as "%d/%d/%d;%d:%d:%d" reads it, also where the
  // text is odd: blanks and signs before a number, trailing text, long digits.
  for (const char* text : {" 2024/ 3/5;\t1:2:3", "+2024/03/05;01:02:03 tail", "2024/3/5;-1:2:3", "2024/3/5 1:2:3",
                           "2024/3/5;1:2", "0000000002024/3/5;1:2:3", "2024/3/5;1:2:", "-/3/5;1:2:3",
                           "20240305123015"}) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0;
    const bool scanned = std::sscanf(text, "%d/%d/%d;%d:%d:%d", &y, &mo, &d, &h, &mi, &sec) == 6;
    const CDateTime read = CDateTime::ParseWire(text);
    EXPECT_EQ(read.IsValid(), scanned) << text;
    if (scanned) { EXPECT_EQ(read, At(y, mo, d, h, mi, sec)) << text; }
  }
  // A number past int, which sscanf leaves undefined, is no time at all.
  EXPECT_FALSE(CDateTime::ParseWire("2024666666666/3/5;1:2:3").IsValid());
}

TEST(DateTimeTest, DayCountRoundTripsAndSpansCompareByTicks) {
  EXPECT_DOUBLE_EQ(At(1899, 12, 30).ToDayCount(), 0.0);
  EXPECT_DOUBLE_EQ(At(1900, 1, 1, 12).ToDayCount(), 2.5);
  EXPECT_DOUBLE_EQ(At(1899, 12, 29, 6).ToDayCount(), -1.25);
  for (const CDateTime& t : {At(2024, 1, 31, 23, 59, 59), At(1899, 12, 29, 6), At(1601, 1, 1)})
    EXPECT_EQ(CDateTime::FromDayCount(t.ToDayCount()), t) << t.FormatListCell();

  const CDateTime day = At(2024, 1, 31);
  const CDateTime end = day + CDateTime::kTicksPerDay - CDateTime::kTicksPerSecond;
  EXPECT_EQ(end.FormatListCell(), "2024/01/31 23:59:59");
  EXPECT_LT(day, end);
  EXPECT_EQ(end - day, CDateTime::kTicksPerDay - CDateTime::kTicksPerSecond);
}

}  // namespace
