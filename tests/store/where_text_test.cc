#include <gtest/gtest.h>

#include "store/log_filters.h"
#include "store_fixture.h"

namespace {

using store_test::Day;

std::string Event(std::optional<EventNumberFilter> event, std::optional<uint32_t> camera = {},
                  const TimeBound& start = {}, const TimeBound& end = {}) {
  return WhereText(EventLogFilter{event, camera}, start, end);
}

// Whole statements are checked with the queries that run them.
TEST(WhereTextTest, EventNumberRule) {
  EXPECT_EQ(Event({}), "((EventNumber < 10000) OR (EventNumber BETWEEN 30000 AND 40129))");
  EXPECT_EQ(Event(EventNumberFilter{0}), "((EventNumber = 0) OR (EventNumber = 5) OR (EventNumber = 6) OR "
                                         "(EventNumber = 7) OR (EventNumber = 8))");
  EXPECT_EQ(Event(EventNumberFilter{40077}), "(EventNumber BETWEEN 40001 AND 40129)");
  EXPECT_EQ(Event(EventNumberFilter{40001}), "(EventNumber BETWEEN 40001 AND 40129)");
  EXPECT_EQ(Event(EventNumberFilter{40129}), "(EventNumber = 40129)");
  EXPECT_EQ(Event(EventNumberFilter{50}, 4294967295u), "(EventNumber = 50) AND (CameraId = 4294967295)");
  // Channel-indexed events: the order follows the conditions without a blank.
  EXPECT_EQ(Event(EventNumberFilter{10000, 3}),
            "(ChannelIndex = 3) AND (EventNumber BETWEEN 10000 AND 20000)ORDER BY LogTime ASC");
  EXPECT_EQ(Event(EventNumberFilter{19999, -1}, 9, Day(2024, 1, 2)),
            "(EventNumber BETWEEN 10000 AND 20000) AND (CameraId = 9) AND (LogTime >= 20240102000000)ORDER BY LogTime ASC");
  EXPECT_EQ(Event(EventNumberFilter{20000, 3}), "(EventNumber = 20000)");
  EXPECT_EQ(Event(EventNumberFilter{9999, 3}), "(EventNumber = 9999)");
}

TEST(WhereTextTest, EveryRecordTypeAndItsBounds) {
  const TimeBound start = Day(2024, 1, 2, 3, 4, 5), end = Day(2024, 1, 3);
  const std::string bounds = "(LogTime >= 20240102030405) AND (LogTime <= 20240103000000)";
  EXPECT_EQ(WhereText(CounterLogFilter{12}, start, end), "(CameraId = 12) AND " + bounds);
  EXPECT_EQ(WhereText(IVSCounterLogFilter{5}, {}, {}), "(IVSDeviceID = 5)");
  EXPECT_EQ(WhereText(CombinedCounterLogFilter{4294967295u}, {}, {}), "");
  EXPECT_EQ(WhereText(CombinedCounterLogFilter{7}, start, {}), "(CounterID = 7) AND (LogTime >= 20240102030405)");
  EXPECT_EQ(WhereText(EdgeRecordLogFilter{-2, 3000000000u}, {}, end),
            "(LogType = -2) AND (CameraId = 3000000000) AND (LogTime <= 20240103000000)");
  EXPECT_EQ(WhereText(PosEventLogFilter{-1, 8}, start, end), "(EventRuleId = -1) AND (PosId = 8) AND " + bounds);
  EXPECT_EQ(WhereText(SystemLogFilter{}, start, end), bounds);
  // A bound that is not valid is left out, never printed as -1 fields.
  EXPECT_EQ(WhereText(CounterLogFilter{}, CDateTime::Invalid(), CDateTime::Null()), "");
  EXPECT_EQ(WhereText(CounterLogFilter{}, Day(2024, 13, 1), end), "(LogTime <= 20240103000000)");
}

}  // namespace
