#include <gtest/gtest.h>

#include "platform/fault_injection_env.h"
#include "platform/paths.h"
#include "store/event_log_query_ctrl.h"
#include "store/log_root_folder.h"
#include "store_fixture.h"

namespace {

using namespace store_test;
using Names = std::vector<std::string>;

class FileChoiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetInstallFolder(root.Path());
    ResetRecordFileMarker();
  }
  void TearDown() override { ResetRecordFileMarker(); }

  // A database whose one event is described by the file's own name.
  void Add(const std::string& relative) {
    WriteDatabase(root.File(relative), EventLogSql({{20240101000000, 0, 1, 2, fs::path(relative).filename()}}));
  }

  // The files a search opens; `read` gets the descriptions of its records.
  Names Search(const TimeBound& start, const TimeBound& end, bool* ok = nullptr,
               platform::Env* env = platform::Env::Default()) {
    CVxEventLogQueryCtrl<EventLogBasket> ctrl(env);
    ctrl.Initialise(root.Path());
    int count = -1;
    const bool succeeded = ctrl.Search(EventLogFilter{}, start, end, &count);
    if (ok != nullptr) *ok = succeeded;
    read.clear();
    for (const auto& record : ctrl.GetResults()) read.push_back(record->Description);
    EXPECT_EQ(count, static_cast<int>(read.size()));
    return ctrl.Files().FilesOpened();
  }

  TempFolder root;
  Names read;
};

TEST_F(FileChoiceTest, RangeChoosesArchiveThenDailyFiles) {
  for (const char* name : {"EventLog_20240101.db", "EventLog_20240103.db", "EventLog_20240105.db", "EventLogOld.db"})
    Add(std::string("db/EventLog/") + name);
  const Names all = {"EventLogOld.db", "EventLog_20240101.db", "EventLog_20240103.db", "EventLog_20240105.db"};
  EXPECT_EQ(Search(Day(2024, 1, 2), Day(2024, 1, 3, 23)), (Names{all[0], all[2]}));
  // No file for the end date: the walk runs to the last file.
  EXPECT_EQ(Search(Day(2024, 1, 2), Day(2024, 1, 2, 23)), (Names{all[0], all[2], all[3]}));
  EXPECT_EQ(Search({}, {}), all);
  EXPECT_EQ(read, all);
  EXPECT_EQ(Search(CDateTime::Invalid(), Day(2024, 1, 1)), (Names{all[0], all[1]}));
  EXPECT_EQ(Search(Day(2024, 1, 4), Day(2024, 1, 3)), Names{all[0]});
  EXPECT_EQ(Search(Day(2024, 2, 1), {}), Names{all[0]});

  // A backup copy is read whole, whatever the range.
  root.Write("FileRecord.ini", "[Record]##Backup##\r\nsecond line\r\n");
  ResetRecordFileMarker();
  EXPECT_EQ(Search(Day(2024, 1, 3), Day(2024, 1, 3)), all);
}

TEST_F(FileChoiceTest, EmptyFilesAreDeletedButNotSqliteCompanions) {
  Add("db/EventLog/EventLog_20240101.db");
  root.Write("db/EventLog/EventLog_20240102.db", "");
  root.Write("db/EventLog/EventLog_20240101.db-journal", "");
  fs::create_directories(root.File("db/EventLog/EventLog_20240103.db"));
  EXPECT_EQ(Search({}, {}), Names{"EventLog_20240101.db"});
  EXPECT_FALSE(fs::exists(root.File("db/EventLog/EventLog_20240102.db")));
  EXPECT_TRUE(fs::exists(root.File("db/EventLog/EventLog_20240101.db-journal")));
}

TEST_F(FileChoiceTest, SingleFileOfOlderInstallations) {
  Add("EventLog.db");
  fs::create_directories(root.File("db/EventLog/sub"));
  CVxEventLogQueryCtrl<EventLogBasket> ctrl;
  ctrl.Initialise(root.Path());
  int count = 0;
  // The dates do not matter, and the file stays open from one search to the next.
  for (const TimeBound& start : {TimeBound(), TimeBound(Day(2030, 1, 1))}) {
    EXPECT_TRUE(ctrl.Search(EventLogFilter{}, start, {}, &count));
    EXPECT_EQ(count, start ? 0 : 1);
    EXPECT_EQ(ctrl.Files().FilesOpened(), Names{"EventLog.db"});
  }
  // Once the folder holds a file the single file is no longer read...
  Add("db/EventLog/EventLogOld.db");
  EXPECT_EQ(Search({}, {}), Names{"EventLogOld.db"});
  // ...unless the folder cannot be listed.
  // The real files, but a folder listing that fails, as for a folder the viewer may not read.
  platform::FaultInjectionEnv unreadable(platform::Env::Default());
  unreadable.SetFailing(platform::EnvOperation::kListFolder, true);
  EXPECT_EQ(Search({}, {}, nullptr, &unreadable), Names{"EventLog.db"});
  fs::remove(root.File("EventLog.db"));
  EXPECT_EQ(Search({}, {}, nullptr, &unreadable), Names{"EventLogOld.db"});
}

TEST_F(FileChoiceTest, BadFiles) {
  bool ok = false;
  CVxEventLogQueryCtrl<EventLogBasket> missing;
  missing.Initialise(root.Path() + "/gone");
  int count = -1;
  EXPECT_TRUE(missing.Search(EventLogFilter{}, {}, {}, &count));
  EXPECT_EQ(count, 0);

  // An empty single file is an empty database: no table, no records, left in place.
  root.Write("EventLog.db", "");
  EXPECT_EQ(Search({}, {}, &ok), Names{"EventLog.db"});
  EXPECT_TRUE(ok && read.empty() && fs::exists(root.File("EventLog.db")));

  // A daily file of another log kind adds nothing; a file that is no
  // database ends the search, keeping what was read before it.
  Add("db/EventLog/EventLog_20240101.db");
  WriteDatabase(root.File("db/EventLog/EventLog_20240102.db"), "CREATE TABLE SysLog(Id);");
  root.Write("db/EventLog/EventLog_20240103.db", std::string(4096, 'x'));
  Add("db/EventLog/EventLog_20240104.db");
  EXPECT_EQ(Search({}, Day(2024, 1, 2), &ok).size(), 2u);
  EXPECT_TRUE(ok);
  EXPECT_EQ(Search({}, {}, &ok).back(), "EventLog_20240103.db");
  EXPECT_FALSE(ok);
  EXPECT_EQ(read, Names{"EventLog_20240101.db"});
}

TEST_F(FileChoiceTest, RootFolderFromTheServerAddress) {
  EXPECT_EQ(LogRootFolder(""), root.Path() + "/");
  EXPECT_EQ(LogRootFolder("localhost"), root.Path() + "/");
  EXPECT_EQ(LogRootFolder("/b/Date/Cam/Video"), "/b/Date/Cam/Video/");
  root.Write("FileRecord.ini", "##AutoBackup##\n");
  EXPECT_EQ(LogRootFolder("/b/Date/Cam/Video"), "/b/Date/Cam/Video/") << "the marker is read once";
  ResetRecordFileMarker();
  EXPECT_EQ(LogRootFolder("/b/Date/Cam/Video"), "/b/");
  EXPECT_EQ(LogRootFolder("D:\\Backup\\Date\\Cam\\Video"), "D:\\Backup/");
  EXPECT_EQ(LogRootFolder("/m/Date/Cam/Videos/Date\\Cam/Video/x"), "/ms/x/");
  EXPECT_FALSE(GetRecordFileMarker().backup);
}

}  // namespace
