// The counting diagram's arithmetic: which bin a time falls in for a day
// (hours), a month (days) or a year (months), how the records of each kind
// of counter add up into the bins of up to three series, and the value axis
// that fits them.  Plain functions over records, tested without a window.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "vocabulary/counter_log.h"
#include "vocabulary/date_time.h"

enum class CounterPeriod { kDay = 0, kMonth = 1, kYear = 2 };

// One total per bin; a month always has 31 bins, whatever its length.
constexpr int kMaxBins = 31;
using CounterBins = std::array<int32_t, kMaxBins>;

struct CounterSeries {
  std::string name;  // empty: no legend entry
  CounterBins bins{};
};
using DiagramSeries = std::array<CounterSeries, 3>;

// The period that holds `date`: its day, month or year, from its first
// midnight to the first midnight of the next one.
struct PeriodRange {
  CDateTime start;
  CDateTime next;
};
PeriodRange PeriodOf(const CDateTime& date, CounterPeriod period);

// 24, 31 or 12.
int BinCount(CounterPeriod period);
// The hour, the day of the month minus one, or the month minus one; -1 for a
// time that is not valid.
int BinOf(const CDateTime& time, CounterPeriod period);

// Basic counting: "In" and "Out" totals (series named `inName`, `outName`).
DiagramSeries BinBasic(const std::vector<CounterLog>& records, CounterPeriod period, const std::string& inName,
                       const std::string& outName);
// Combined counters: one series without a name.
DiagramSeries BinCombined(const std::vector<CombinedCounterLog>& records, CounterPeriod period);

// Analytics counters: one series per chosen counter id (kNoCounter: an
// empty series), named after its first record, binned by the readings rule
// below; for a day, hours before `fromHour` and from `toHour` on are 0.
DiagramSeries BinIvs(const std::vector<IVSCounterLog>& records, const std::array<uint32_t, 3>& chosen,
                     CounterPeriod period, int fromHour, int toHour);

// The readings of one counter in time order, turned into totals per bin.
// An up-counter (type 1) adds each rise to the bin it happened in; a fall,
// or a reading after a reset, starts over from the new reading, which lands
// in the earlier bin when it was read on the bin boundary.  A down-counter
// (type 2) mirrors that.  Other types show their readings as they are.  A
// first reading taken exactly at the start of the period is the count
// carried over, not counted again.
CounterBins BinReadings(const std::vector<const IVSCounterLog*>& readings, CounterPeriod period);

// The value axis: ten steps of `step` from `start`.
struct ValueAxis {
  int32_t start = 0;
  int32_t step = 10;
};
// Fits all bins of the three series.  When every bin holds the same
// non-zero value v, the axis runs from 0 to v (or from v to 0), as if the
// other end were a bin of 0.
ValueAxis ScaleOf(const DiagramSeries& series);
