// The filters a search of each record type takes, and the WHERE text each
// builds.  Every filter value is optional: one left out adds no condition.
// Time bounds that are missing or not valid add no condition either.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "vocabulary/date_time.h"
#include "vocabulary/counter_log.h"
#include "vocabulary/edge_record_log_basket.h"
#include "vocabulary/event_log_basket.h"
#include "vocabulary/pos_event_log_basket.h"

// An event type: its number and, for channel-indexed events (10000-19999),
// the channel index (negative = any channel).
struct EventNumberFilter {
  int32_t eventNumber = 0;
  int32_t channelIndex = -1;
};

struct EventLogFilter {
  std::optional<EventNumberFilter> event = {};
  std::optional<uint32_t> cameraId = {};
};

struct CounterLogFilter {
  std::optional<uint32_t> cameraId = {};
};

struct IVSCounterLogFilter {
  std::optional<uint32_t> deviceId = {};
};

struct CombinedCounterLogFilter {
  std::optional<uint32_t> counterId = {};  // CombinedCounterLog::kNoCounter adds no condition
};

struct EdgeRecordLogFilter {
  std::optional<int32_t> logType = {};
  std::optional<uint32_t> cameraId = {};
};

struct PosEventLogFilter {
  std::optional<int32_t> eventRuleId = {};
  std::optional<uint32_t> posId = {};
};

struct SystemLogFilter {
  std::optional<int32_t> logType = {};  // the "EventNumber" of the system log
};

using TimeBound = std::optional<CDateTime>;

// The WHERE text of one search, without the " WHERE " keyword; empty when
// nothing narrows the search.  For channel-indexed events the text ends in
// "ORDER BY LogTime ASC", so that those records come in ascending time.
std::string WhereText(const EventLogFilter& filter, const TimeBound& start, const TimeBound& end);
std::string WhereText(const CounterLogFilter& filter, const TimeBound& start, const TimeBound& end);
std::string WhereText(const IVSCounterLogFilter& filter, const TimeBound& start, const TimeBound& end);
std::string WhereText(const CombinedCounterLogFilter& filter, const TimeBound& start,
                      const TimeBound& end);
std::string WhereText(const EdgeRecordLogFilter& filter, const TimeBound& start, const TimeBound& end);
std::string WhereText(const PosEventLogFilter& filter, const TimeBound& start, const TimeBound& end);
std::string WhereText(const SystemLogFilter& filter, const TimeBound& start, const TimeBound& end);

// The filter type and table of each record type the event databases hold.
template <class T>
struct LogTable;
template <>
struct LogTable<EventLogBasket> {
  using Filter = EventLogFilter;
  static constexpr const char* kName = "EventLog";
};
template <>
struct LogTable<CounterLog> {
  using Filter = CounterLogFilter;
  static constexpr const char* kName = "CounterLog";
};
template <>
struct LogTable<IVSCounterLog> {
  using Filter = IVSCounterLogFilter;
  static constexpr const char* kName = "IVSCounterLog";
};
template <>
struct LogTable<CombinedCounterLog> {
  using Filter = CombinedCounterLogFilter;
  static constexpr const char* kName = "CombinedCounterLog";
};
template <>
struct LogTable<EdgeRecordLogBasket> {
  using Filter = EdgeRecordLogFilter;
  static constexpr const char* kName = "EdgeRecordLog";
};
template <>
struct LogTable<PosEventLogBasket> {
  using Filter = PosEventLogFilter;
  static constexpr const char* kName = "PosEventLog";
};
