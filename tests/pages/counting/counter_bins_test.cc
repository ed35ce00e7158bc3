// Binning of the counting diagram and the scale of its value axis.
#include <gtest/gtest.h>

#include "pages/counting/counter_bins.h"

namespace {

IVSCounterLog Reading(int hour, int minute, int32_t result, int32_t type = 1, int32_t reset = 0, int day = 31) {
  IVSCounterLog r;
  r.LogTime = CDateTime::FromFields(2024, 1, day, hour, minute);
  r.CounterId = 5;
  r.CounterName = "Door";
  r.CounterType = type;
  r.CounterResult = result;
  r.Reset = reset;
  return r;
}

CounterBins Bins(const std::vector<IVSCounterLog>& records, CounterPeriod period = CounterPeriod::kDay) {
  std::vector<const IVSCounterLog*> readings;
  for (const IVSCounterLog& r : records) readings.push_back(&r);
  return BinReadings(readings, period);
}

TEST(CounterBinsTest, UpAndDownCounters) {
  // The first reading is set, the rise added; after the fall the new reading counts.
  CounterBins bins = Bins({Reading(8, 0, 10), Reading(8, 30, 15), Reading(9, 10, 3)});
  EXPECT_EQ(bins[8], 15);
  EXPECT_EQ(bins[9], 3);
  // A first reading at midnight carries the count over: not set into bin 0.
  bins = Bins({Reading(0, 0, 10), Reading(0, 30, 15)});
  EXPECT_EQ(bins[0], 5);
  EXPECT_EQ(Bins({Reading(0, 0, 10)})[0], 0);
  EXPECT_EQ(Bins({Reading(7, 5, 10)})[7], 10);
  // A fall read on the hour closes the hour before; a reset mark starts over.
  bins = Bins({Reading(8, 10, 10), Reading(9, 0, 4), Reading(9, 20, 7, 1, 1), Reading(10, 30, 2)});
  EXPECT_EQ(bins[8], 14);
  EXPECT_EQ(bins[9], 3);
  EXPECT_EQ(bins[10], 2);

  // A down-counter: 20 then 12 within the hour adds -8 after the first reading.
  bins = Bins({Reading(0, 0, 30, 2), Reading(10, 5, 20, 2), Reading(10, 40, 12, 2)});
  EXPECT_EQ(bins[0], -10);
  EXPECT_EQ(bins[10], -8);
  // Plain readings are shown as read; a change of type sets the later bin.
  bins = Bins({Reading(3, 10, 7, 0), Reading(4, 10, 9, 0), Reading(5, 10, 2, 1)});
  EXPECT_EQ(bins[3], 7);
  EXPECT_EQ(bins[4], 9);
  EXPECT_EQ(bins[5], 2);
}

TEST(CounterBinsTest, SeriesOfEachMode) {
  // Hours 8 to 18: nothing outside 8:00-17:59; a counter not chosen is no series.
  std::vector<IVSCounterLog> records;
  for (int hour = 6; hour < 21; ++hour) records.push_back(Reading(hour, 30, 10 * hour));
  records.push_back(Reading(12, 0, 99, 0));
  records.back().CounterId = 6;
  const DiagramSeries ivs = BinIvs(records, {5, CombinedCounterLog::kNoCounter, 6}, CounterPeriod::kDay, 8, 18);
  EXPECT_EQ(ivs[0].name, "Door");
  EXPECT_EQ(ivs[0].bins[7], 0);
  EXPECT_EQ(ivs[0].bins[8], 10);
  EXPECT_EQ(ivs[0].bins[17], 10);
  EXPECT_EQ(ivs[0].bins[18], 0);
  EXPECT_EQ(ivs[1].name, "");
  EXPECT_EQ(ivs[2].bins[12], 99);

  // A month has 31 bins, by day of the month; invalid times are left out.
  CounterLog in;
  in.LogTime = CDateTime::FromFields(2024, 2, 29, 23);
  in.CountIn = 4;
  in.CountOut = -1;
  CounterLog bad = in;
  bad.LogTime = CDateTime::Invalid();
  const DiagramSeries basic = BinBasic({in, in, bad}, CounterPeriod::kMonth, "In", "Out");
  EXPECT_EQ(BinCount(CounterPeriod::kMonth), 31);
  EXPECT_EQ(basic[0].bins[28], 8);
  EXPECT_EQ(basic[1].bins[28], -2);
  EXPECT_EQ(basic[2].name, "");

  const PeriodRange december = PeriodOf(CDateTime::FromFields(2023, 12, 9, 15, 30), CounterPeriod::kMonth);
  EXPECT_EQ(december.start, CDateTime::FromFields(2023, 12, 1));
  EXPECT_EQ(december.next, CDateTime::FromFields(2024, 1, 1));
}

TEST(CounterBinsTest, ValueAxis) {
  DiagramSeries series;
  const auto axis = [&] {
    const ValueAxis a = ScaleOf(series);
    return std::make_pair(a.start, a.step);
  };
  EXPECT_EQ(axis(), std::make_pair(0, 10));  // nothing counted
  series[0].bins[9] = 95;
  EXPECT_EQ(axis(), std::make_pair(0, 10));  // (95 + 9) / 10
  series[1].bins[3] = -20;
  EXPECT_EQ(axis(), std::make_pair(-26, 13));  // step (115 + 8) / 9, start cut toward zero
  series[0].bins[9] = 0;
  EXPECT_EQ(axis(), std::make_pair(-20, 2));
  // Every bin alike: the axis still reaches the value.
  for (CounterSeries& s : series) s.bins.fill(7);
  EXPECT_EQ(axis(), std::make_pair(0, 1));
  for (CounterSeries& s : series) s.bins.fill(-40);
  EXPECT_EQ(axis(), std::make_pair(-40, 4));
}

}  // namespace
