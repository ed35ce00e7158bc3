#include "pages/counting/counter_bins.h"

#include <algorithm>

namespace {

// Totals wrap around rather than overflow: a log with absurd counts draws
// nonsense, never undefined behaviour.
void Add(int32_t& bin, int64_t value) {
  bin = static_cast<int32_t>(static_cast<uint32_t>(bin) + static_cast<uint32_t>(value));
}

// The first reading of the period taken at its very start.
bool OpensPeriod(const CDateTime::Fields& f, CounterPeriod period) {
  switch (period) {
    case CounterPeriod::kDay:
      return f.hour == 0 && f.minute == 0;
    case CounterPeriod::kMonth:
      return f.day == 1 && f.hour == 0 && f.minute == 0;
    case CounterPeriod::kYear:
      return f.month == 1 && f.day == 1 && f.hour == 0 && f.minute == 0;
  }
  return false;
}

// A reading taken on a bin boundary closes the bin before it.
bool ClosesBin(const CDateTime::Fields& f, CounterPeriod period) {
  switch (period) {
    case CounterPeriod::kDay:
      return f.minute == 0;
    case CounterPeriod::kMonth:
      return f.hour == 0 && f.minute == 0;
    case CounterPeriod::kYear:
      return f.day == 1 && f.hour == 0 && f.minute == 0;
  }
  return false;
}

int BinOfFields(const CDateTime::Fields& f, CounterPeriod period) {
  switch (period) {
    case CounterPeriod::kDay:
      return f.hour;
    case CounterPeriod::kMonth:
      return f.day - 1;
    case CounterPeriod::kYear:
      return f.month - 1;
  }
  return -1;
}

}  // namespace

PeriodRange PeriodOf(const CDateTime& date, CounterPeriod period) {
  const CDateTime::Fields f = date.Split();
  switch (period) {
    case CounterPeriod::kDay: {
      const CDateTime start = CDateTime::FromFields(f.year, f.month, f.day);
      return {start, start + CDateTime::kTicksPerDay};
    }
    case CounterPeriod::kMonth:
      return {CDateTime::FromFields(f.year, f.month, 1),
              f.month == 12 ? CDateTime::FromFields(f.year + 1, 1, 1) : CDateTime::FromFields(f.year, f.month + 1, 1)};
    case CounterPeriod::kYear:
      break;
  }
  return {CDateTime::FromFields(f.year, 1, 1), CDateTime::FromFields(f.year + 1, 1, 1)};
}

int BinCount(CounterPeriod period) {
  switch (period) {
    case CounterPeriod::kDay:
      return 24;
    case CounterPeriod::kMonth:
      return 31;
    case CounterPeriod::kYear:
      return 12;
  }
  return 0;
}

int BinOf(const CDateTime& time, CounterPeriod period) {
  return time.IsValid() ? BinOfFields(time.Split(), period) : -1;
}

DiagramSeries BinBasic(const std::vector<CounterLog>& records, CounterPeriod period, const std::string& inName,
                       const std::string& outName) {
  DiagramSeries series;
  series[0].name = inName;
  series[1].name = outName;
  for (const CounterLog& record : records) {
    const int bin = BinOf(record.LogTime, period);
    if (bin < 0) continue;
    Add(series[0].bins[static_cast<size_t>(bin)], record.CountIn);
    Add(series[1].bins[static_cast<size_t>(bin)], record.CountOut);
  }
  return series;
}

DiagramSeries BinCombined(const std::vector<CombinedCounterLog>& records, CounterPeriod period) {
  DiagramSeries series;
  for (const CombinedCounterLog& record : records) {
    const int bin = BinOf(record.LogTime, period);
    if (bin >= 0) Add(series[0].bins[static_cast<size_t>(bin)], record.CounterResult);
  }
  return series;
}

DiagramSeries BinIvs(const std::vector<IVSCounterLog>& records, const std::array<uint32_t, 3>& chosen,
                     CounterPeriod period, int fromHour, int toHour) {
  DiagramSeries series;
  for (size_t s = 0; s < chosen.size(); ++s) {
    if (chosen[s] == CombinedCounterLog::kNoCounter) continue;
    std::vector<const IVSCounterLog*> readings;
    for (const IVSCounterLog& record : records) {
      if (record.CounterId == chosen[s] && record.LogTime.IsValid()) readings.push_back(&record);
    }
    if (readings.empty()) continue;
    series[s].name = readings.front()->CounterName;
    series[s].bins = BinReadings(readings, period);
    if (period != CounterPeriod::kDay) continue;
    for (int hour = 0; hour < kMaxBins; ++hour) {
      if (hour < fromHour || hour >= toHour) series[s].bins[static_cast<size_t>(hour)] = 0;
    }
  }
  return series;
}

CounterBins BinReadings(const std::vector<const IVSCounterLog*>& readings, CounterPeriod period) {
  CounterBins bins{};
  if (readings.empty()) return bins;
  const bool opens = OpensPeriod(readings.front()->LogTime.Split(), period);
  if (readings.size() == 1) {
    const int bin = BinOf(readings.front()->LogTime, period);
    if (!opens && bin >= 0) bins[static_cast<size_t>(bin)] = readings.front()->CounterResult;
    return bins;
  }
  for (size_t i = 0; i + 1 < readings.size(); ++i) {
    const IVSCounterLog& a = *readings[i];
    const IVSCounterLog& b = *readings[i + 1];
    const CDateTime::Fields bFields = b.LogTime.Split();
    const int binA = BinOf(a.LogTime, period);
    const int binB = BinOfFields(bFields, period);
    if (binA < 0 || binB < 0) continue;
    int32_t& totalA = bins[static_cast<size_t>(binA)];
    int32_t& totalB = bins[static_cast<size_t>(binB)];
    if (a.CounterType != b.CounterType) {
      totalB = b.CounterResult;
    } else if (a.CounterType == 1 || a.CounterType == 2) {
      if (i == 0 && !opens) totalA = a.CounterResult;
      const bool startedOver = (a.CounterType == 1 ? b.CounterResult < a.CounterResult
                                                   : b.CounterResult > a.CounterResult) ||
                               a.Reset != 0;
      if (startedOver)
        Add(binA == binB || ClosesBin(bFields, period) ? totalA : totalB, b.CounterResult);
      else
        Add(totalA, int64_t{b.CounterResult} - a.CounterResult);
    } else {
      totalA = a.CounterResult;
      totalB = b.CounterResult;
    }
  }
  return bins;
}

ValueAxis ScaleOf(const DiagramSeries& series) {
  int64_t max = series[0].bins[0], min = max;
  for (const CounterSeries& s : series) {
    for (const int32_t total : s.bins) {
      max = std::max<int64_t>(max, total);
      min = std::min<int64_t>(min, total);
    }
  }
  // Every bin alike: the other end of the axis is 0.
  if (max == min) (max > 0 ? min : max) = 0;
  ValueAxis axis;
  if (max > 0 && min < 0) {
    const int64_t step = (max - min + 8) / 9;
    axis = {static_cast<int32_t>((min - step + 1) / step * step), static_cast<int32_t>(step)};
  } else if (max > 0) {
    axis = {0, static_cast<int32_t>((max - min + 9) / 10)};
  } else if (min < 0) {
    const int64_t step = (max - min + 9) / 10;
    axis = {static_cast<int32_t>(-10 * step), static_cast<int32_t>(step)};
  }
  return axis;
}
