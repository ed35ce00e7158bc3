#include "vocabulary/event_log_records.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

TEST(EventLogRecordsTest, DescriptionsSurviveGrowthAndMoves) {
  EventLogRecords records;
  std::string expected;  // every description, one after another
  for (int i = 0; i < 5000; ++i) {
    EventLogBasket record;
    record.EventNumber = i;
    // Blocks fill, one description is longer than a block, some are empty.
    record.Description = i == 4000 ? std::string(5 << 20, 'x') : std::string(static_cast<size_t>(i % 300), char('a' + i % 26));
    expected += record.Description;
    records.Add(record);
  }
  EventLogRecords moved = std::move(records);
  EXPECT_TRUE(records.empty());
  ASSERT_EQ(moved.size(), 5000u);
  std::string read;
  for (const EventLogView& record : moved) read += record.Description;
  EXPECT_EQ(read, expected);
  EXPECT_EQ(moved[4000].Description.size(), size_t{5} << 20);
  EXPECT_EQ(moved.back().EventNumber, 4999);
}

}  // namespace
