#include <gtest/gtest.h>

#include "store/event_log_query_ctrl.h"
#include "store_fixture.h"

namespace {

using namespace store_test;

class QueryTest : public ::testing::Test {
 protected:
  std::string Daily(const std::string& day = "20240101") { return root.File("db/EventLog/EventLog_" + day + ".db"); }

  template <class T>
  std::vector<T> Search(const typename LogTable<T>::Filter& filter, const TimeBound& start = {},
                        const TimeBound& end = {}) {
    CVxEventLogQueryCtrl<T> ctrl;
    ctrl.Initialise(root.Path());
    int count = -1;
    EXPECT_TRUE(ctrl.Search(filter, start, end, &count)) << ctrl.LastError();
    statement = ctrl.LastStatement();
    std::vector<T> records;
    for (const auto& record : ctrl.GetResults()) records.push_back(*record);
    EXPECT_EQ(count, static_cast<int>(records.size()));
    return records;
  }

  std::vector<int> EventNumbers(const EventLogFilter& filter) {
    std::vector<int> numbers;
    for (const EventLogBasket& e : Search<EventLogBasket>(filter)) numbers.push_back(e.EventNumber);
    return numbers;
  }

  TempFolder root;
  std::string statement;
};

// SQLite's reading of the event-number rule; the texts themselves are in where_text_test.cc.
TEST_F(QueryTest, EventNumberRuleOnStoredEvents) {
  std::vector<EventRow> rows;
  int second = 10;
  for (int number : {0, 10005, 10001, 7, 9, 40129, 40130, 35000, 20000})
    rows.push_back({20240101000000 + second--, number == 10005 ? 3 : 2, 1, number, ""});
  WriteDatabase(Daily(), EventLogSql(rows));
  using V = std::vector<int>;
  EXPECT_EQ(EventNumbers({}), (V{0, 7, 9, 40129, 35000}));
  EXPECT_EQ(EventNumbers({EventNumberFilter{0}}), (V{0, 7}));
  EXPECT_EQ(EventNumbers({EventNumberFilter{40077}}), V{40129});
  // Channel-indexed events come in ascending time, whatever the table order.
  EXPECT_EQ(EventNumbers({EventNumberFilter{10001, -1}}), (V{20000, 10001, 10005}));
  EXPECT_EQ(EventNumbers({EventNumberFilter{10001, 2}}), (V{20000, 10001}));
}

TEST_F(QueryTest, EventRowsAndBothWaysOfTakingThem) {
  WriteDatabase(Daily("20240131"),
                EventLogSql({{20240131080000, 1, 4294967295, 2, "gate"},
                             {20240131093000, 2, 7, 2, "door"},
                             {20240131093001, 3, 7, 2, "late"}}) +
                    "INSERT INTO EventLog(LogTime, CameraId, EventNumber, Description) VALUES"
                    "('20240131081500123', ' 7x', 2, NULL), ('garbage', 'x', 2, 'bad time'),"
                    "('garbage', '220202403052401232001x', 2, 'long');");
  // A 17-digit time is a larger number than any 14-digit bound, and text
  // compares above every number: neither falls inside a range.
  const auto range = Search<EventLogBasket>({}, Day(2024, 1, 31, 8), Day(2024, 1, 31, 9, 30));
  ASSERT_EQ(range.size(), 2u);
  EXPECT_EQ(range[0].LogTime, Day(2024, 1, 31, 8));
  EXPECT_EQ(range[0].ChannelIndex + range[0].EventNumber, 3);
  EXPECT_EQ(range[0].CameraId, 4294967295u);
  EXPECT_EQ(range[0].Description, "gate");

  const auto door = Search<EventLogBasket>({EventNumberFilter{2}, 7}, Day(2024, 1, 31, 8), Day(2024, 1, 31, 9, 30));
  EXPECT_EQ(door.at(0).Description + std::to_string(door.size()), "door1");
  EXPECT_EQ(statement, "SELECT * FROM EventLog WHERE (EventNumber = 2) AND (CameraId = 7) AND (LogTime >= "
                       "20240131080000) AND (LogTime <= 20240131093000);");

  // With a row callback the query keeps nothing.
  CVxEventLogQueryCtrl<EventLogBasket> ctrl;
  std::vector<EventLogBasket> handed;
  ctrl.SetRowCallback([](const EventLogBasket& r, void* c) {
    static_cast<std::vector<EventLogBasket>*>(c)->push_back(r);
  }, &handed);
  ctrl.Initialise(root.Path());
  int count = -1;
  EXPECT_TRUE(ctrl.Search({}, {}, {}, &count));
  EXPECT_EQ(count, 0);
  EXPECT_TRUE(ctrl.GetResults().empty());
  ASSERT_EQ(handed.size(), 6u);
  EXPECT_EQ(handed[3].LogTime.FormatLogTimeMs(), "20240131081500123");
  EXPECT_EQ(handed[3].CameraId, 7u);  // read as far as it is a number
  // Nulls leave the fields of a new record: nothing carried over from the row before.
  EXPECT_EQ(handed[3].ChannelIndex, 0);
  EXPECT_EQ(handed[3].Description, "");
  EXPECT_FALSE(handed[4].LogTime.IsValid());
  EXPECT_EQ(handed[4].CameraId, 0u);
  EXPECT_EQ(handed[5].CameraId, 4294967295u);  // as strtol clamps it, narrowed
}

TEST_F(QueryTest, OtherRecordTypes) {
  WriteDatabase(Daily(),
      "CREATE TABLE CounterLog(Id INTEGER PRIMARY KEY, LogTime, ChannelIndex, cameraid, CountIn, CountOut, X);"
      "INSERT INTO CounterLog VALUES(1, 20240101010000, -1, 12, 5, 6, 'x');"
      "CREATE TABLE IVSCounterLog(Id INTEGER PRIMARY KEY, LogTime, IVSDeviceId, DeviceId, CounterId,"
      " CounterName, CounterType, CounterResult, Reset);"
      "INSERT INTO IVSCounterLog VALUES(1, 1, 3, 4, 5, 'Lobby', 1, 42, 1), (2, 1, 9, 4, 5, NULL, 2, 1, 0);"
      "CREATE TABLE CombinedCounterLog(Id INTEGER PRIMARY KEY, LogTime, CounterID, CounterResult);"
      "INSERT INTO CombinedCounterLog VALUES(1, 1, NULL, 8), (2, 1, 6, 9);"
      "CREATE TABLE EdgeRecordLog(Id INTEGER PRIMARY KEY, LogTime, CameraId, LogType, Description);"
      "INSERT INTO EdgeRecordLog VALUES(1, 1, 4, -3, 'retrieved');"
      "CREATE TABLE PosEventLog(Id INTEGER PRIMARY KEY, LogTime, PosId, EventRuleId, EventRuleName,"
      " Description, CameraId);"
      "INSERT INTO PosEventLog VALUES(1, 20240101010000, 2, 57, 'rule', 'sale', '1,2');");

  // Names are matched exactly when reading; SQLite matches the filter's regardless of case.
  const auto counters = Search<CounterLog>({12});
  ASSERT_EQ(counters.size(), 1u);
  EXPECT_EQ(counters[0].CameraId, 0u);
  EXPECT_EQ(counters[0].ChannelIndex * 100 + counters[0].CountIn * 10 + counters[0].CountOut, -44);

  const auto ivs = Search<IVSCounterLog>({});
  ASSERT_EQ(ivs.size(), 2u);
  EXPECT_EQ(ivs[0].CounterName, "Lobby");
  EXPECT_EQ(ivs[0].IVSDeviceId * 1000 + ivs[0].CounterResult + ivs[0].Reset + ivs[0].CounterType, 3044u);
  EXPECT_EQ(ivs[1].CounterName, "");
  EXPECT_EQ(Search<IVSCounterLog>({9}).size(), 1u);

  const auto combined = Search<CombinedCounterLog>({4294967295u});
  EXPECT_EQ(statement, "SELECT * FROM CombinedCounterLog;");
  ASSERT_EQ(combined.size(), 2u);
  EXPECT_EQ(combined[0].CounterID, 4294967295u);
  EXPECT_EQ(combined[1].CounterID, 6u);

  EXPECT_EQ(Search<EdgeRecordLogBasket>({-3, 4}).at(0).Description, "retrieved");
  const auto pos = Search<PosEventLogBasket>({57, 2}, Day(2024, 1, 1)).at(0);
  EXPECT_EQ(pos.CameraId + "|" + pos.EventRuleName + "|" + pos.Description, "1,2|rule|sale");
  EXPECT_EQ(pos.LogTime, Day(2024, 1, 1, 1));
}

// What SQLite makes of time bounds on a LogTime column that holds text.
TEST_F(QueryTest, TimeBoundsOnTextLogTimes) {
  const std::string rows = " INSERT INTO EventLog(LogTime, EventNumber) VALUES('20240101080000', 1), ('20240105080000', 1);";
  // No declared type: the text is not converted, and text compares above every number.
  WriteDatabase(Daily(), "CREATE TABLE EventLog(Id INTEGER PRIMARY KEY, LogTime, EventNumber);" + rows);
  EXPECT_EQ(Search<EventLogBasket>({}, Day(2024, 1, 1, 12)).size(), 2u);
  EXPECT_EQ(Search<EventLogBasket>({}, {}, Day(2024, 1, 1, 23)).size(), 0u);
  // Declared TEXT: the bound becomes text, and 14-digit texts compare as their numbers do.
  WriteDatabase(Daily("20240102"), "CREATE TABLE EventLog(Id INTEGER PRIMARY KEY, LogTime TEXT, EventNumber);" + rows);
  const auto both = Search<EventLogBasket>({}, Day(2024, 1, 1), Day(2024, 1, 2, 23));
  ASSERT_EQ(both.size(), 1u);
  EXPECT_EQ(both[0].LogTime, Day(2024, 1, 1, 8));
}

}  // namespace
