#include <gtest/gtest.h>

#include "store/system_log_query_ctrl.h"
#include "store_fixture.h"

namespace {

using namespace store_test;
using Texts = std::vector<std::string>;

class SystemLogTest : public ::testing::Test {
 protected:
  // A SysLog table without "Param3"; `rows` are the values after the id.
  void Add(const std::string& name, const std::string& rows) {
    WriteDatabase(root.File("db/SystemLog/" + name),
                  "CREATE TABLE SysLog(Id INTEGER PRIMARY KEY, LogTime INTEGER, EventNumber INTEGER,"
                  " EventString TEXT, Param1, Param2, Param4, Param5);"
                  "INSERT INTO SysLog(LogTime, EventNumber, EventString, Param1, Param2, Param4, Param5)"
                  " VALUES " + rows + ";");
  }

  Texts Search(std::optional<int32_t> type, const TimeBound& start, const TimeBound& end, bool* ok) {
    CVxSystemLogQueryCtrl ctrl;
    ctrl.Initialise(root.Path());
    int count = -1;
    *ok = ctrl.Search(type, start, end, &count);
    statement = ctrl.LastStatement();
    records = ctrl.GetResults();
    EXPECT_EQ(count, static_cast<int>(records.size()));
    Texts texts;
    for (const SystemLogRecord& r : records) texts.push_back(r.EventString);
    return texts;
  }

  TempFolder root;
  std::vector<SystemLogRecord> records;
  std::string statement;
};

TEST_F(SystemLogTest, FilesInTimeOrderAndTheirFailures) {
  Add("SystemLogOld.db", "(20231231000000, 1, 'old', 1, 2, 4, 5)");
  Add("SystemLog_20240101.db", "(20240101120000, 3, 'noon', 1, 2, 4, 5), (20240101080000, 3, 'morning', NULL, ' 9', 4, 5)");
  Add("SystemLog_20240102.db", "(20240102080000, 3, 'a', 1, 2, 4, 5), (20240102080000, 3, 'b', 1, 2, 4, 5)");
  Add("SystemLog_20240103.db", "(20240103080000, 2, 'other', 1, 2, 4, 5)");
  bool ok = false;
  EXPECT_EQ(Search({}, {}, {}, &ok), (Texts{"old", "morning", "noon", "a", "b", "other"}));
  EXPECT_TRUE(ok);
  EXPECT_EQ(records[1].LogTime, Day(2024, 1, 1, 8));
  EXPECT_EQ(records[1].Param1, -1);  // null
  EXPECT_EQ(records[1].Param2, 9);
  EXPECT_EQ(records[1].Param3, -1);  // no such column
  EXPECT_EQ(records[1].Param5, 5);

  EXPECT_EQ(Search(3, Day(2024, 1, 2), Day(2024, 1, 2, 23, 59, 59), &ok), (Texts{"a", "b"}));
  EXPECT_EQ(statement, "SELECT * FROM SysLog WHERE (EventNumber = 3) AND (LogTime >= 20240102000000) AND "
                       "(LogTime <= 20240102235959) ORDER BY LogTime, Id;");

  // A damaged archive is passed over; a daily file without the table fails the search.
  root.Write("db/SystemLog/SystemLogOld.db", std::string(4096, 'x'));
  WriteDatabase(root.File("db/SystemLog/SystemLog_20240102.db"), "DROP TABLE SysLog;");
  EXPECT_EQ(Search({}, Day(2024, 1, 1), Day(2024, 1, 1, 23), &ok), (Texts{"morning", "noon"}));
  EXPECT_TRUE(ok);
  EXPECT_EQ(Search({}, {}, {}, &ok), (Texts{"morning", "noon"}));
  EXPECT_FALSE(ok);
}

TEST_F(SystemLogTest, SingleFileEndsTheSearchWithSuccess) {
  WriteDatabase(root.File("SystemLog.db"),
                "CREATE TABLE SysLog(Id INTEGER PRIMARY KEY, LogTime, \"max(LogTime)\", EventNumber);"
                "INSERT INTO SysLog VALUES(1, NULL, 20240105060708, 4);");
  bool ok = false;
  Search({}, {}, {}, &ok);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].LogTime, Day(2024, 1, 5, 6, 7, 8));
  EXPECT_EQ(records[0].EventNumber, 4);
  WriteDatabase(root.File("SystemLog.db"), "DROP TABLE SysLog;");
  EXPECT_TRUE(Search({}, {}, {}, &ok).empty());
  EXPECT_TRUE(ok);
}

}  // namespace
