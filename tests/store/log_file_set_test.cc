#include <gtest/gtest.h>

#include <filesystem>

#include "platform/paths.h"
#include "store/event_log_query_ctrl.h"
#include "store/log_root_folder.h"
#include "store_fixture.h"

namespace {

using store_test::Day;
using Names = std::vector<std::string>;

// Lists nothing, as for a folder the viewer may not read.
class UnreadableFolderEnv : public platform::Env {
 public:
  bool ListFolder(const std::string&, std::vector<platform::FolderEntry>*) override { return false; }
  bool FileExists(const std::string& p) override { return Default()->FileExists(p); }
  bool DeleteFile(const std::string& p) override { return Default()->DeleteFile(p); }
  bool ReadFile(const std::string& p, std::string* c) override { return Default()->ReadFile(p, c); }
  bool WriteFileAtomic(const std::string& p, const std::string& c) override {
    return Default()->WriteFileAtomic(p, c);
  }
};

class FileChoiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetInstallFolder(root.Path());
    ResetRecordFileMarker();
  }
  void TearDown() override { ResetRecordFileMarker(); }

  // A database file whose one event's description is the file's name.
  void Add(const std::string& relative) {
    const std::string name = std::filesystem::path(relative).filename().string();
    store_test::WriteDatabase(root / relative, store_test::EventLogSql({{20240101000000, 0, 1, 2, name}}));
  }
  void AddDaily(const std::string& name) { Add("db/EventLog/" + name); }

  // Searches and returns the files opened; `read` gets the descriptions of the records.
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

  store_test::TempFolder root;
  Names read;
};

TEST_F(FileChoiceTest, RangeChoosesArchiveThenDailyFiles) {
  for (const char* name : {"EventLog_20240101.db", "EventLog_20240103.db", "EventLog_20240105.db",
                           "EventLogOld.db"}) {
    AddDaily(name);
  }
  EXPECT_EQ(Search(Day(2024, 1, 2), Day(2024, 1, 3, 23, 59, 59)),
            (Names{"EventLogOld.db", "EventLog_20240103.db"}));
  // No file for the end date: the walk runs to the last file.
  EXPECT_EQ(Search(Day(2024, 1, 2), Day(2024, 1, 2, 23, 59, 59)),
            (Names{"EventLogOld.db", "EventLog_20240103.db", "EventLog_20240105.db"}));
  EXPECT_EQ(Search({}, {}).size(), 4u);
  EXPECT_EQ(read, (Names{"EventLogOld.db", "EventLog_20240101.db", "EventLog_20240103.db",
                         "EventLog_20240105.db"}));
  EXPECT_EQ(Search(CDateTime::Invalid(), Day(2024, 1, 1)),
            (Names{"EventLogOld.db", "EventLog_20240101.db"}));
  EXPECT_EQ(Search(Day(2024, 1, 4), Day(2024, 1, 3)), (Names{"EventLogOld.db"}));
  EXPECT_EQ(Search(Day(2024, 2, 1), {}), (Names{"EventLogOld.db"}));

  // A backup copy is read whole, whatever the range.
  store_test::WriteFile(root / "FileRecord.ini", "[Record]##Backup##\r\nsecond line\r\n");
  ResetRecordFileMarker();
  EXPECT_EQ(Search(Day(2024, 1, 3), Day(2024, 1, 3)).size(), 4u);
}

TEST_F(FileChoiceTest, EmptyFilesAreDeletedButNotSqliteCompanions) {
  AddDaily("EventLog_20240101.db");
  store_test::WriteFile(root / "db/EventLog/EventLog_20240102.db", "");
  store_test::WriteFile(root / "db/EventLog/EventLog_20240101.db-journal", "");
  std::filesystem::create_directories(root / "db/EventLog/EventLog_20240103.db");
  EXPECT_EQ(Search({}, {}), (Names{"EventLog_20240101.db"}));
  EXPECT_EQ(read, (Names{"EventLog_20240101.db"}));
  EXPECT_FALSE(std::filesystem::exists(root / "db/EventLog/EventLog_20240102.db"));
  EXPECT_TRUE(std::filesystem::exists(root / "db/EventLog/EventLog_20240101.db-journal"));
}

TEST_F(FileChoiceTest, SingleFileOfOlderInstallations) {
  Add("EventLog.db");
  std::filesystem::create_directories(root / "db/EventLog/sub");
  CVxEventLogQueryCtrl<EventLogBasket> ctrl;
  ctrl.Initialise(root.Path());
  int count = 0;
  // The file stays open from one search to the next.
  for (int search = 0; search < 2; ++search) {
    EXPECT_TRUE(ctrl.Search(EventLogFilter{}, search == 0 ? TimeBound() : Day(2030, 1, 1), {}, &count));
    EXPECT_EQ(count, search == 0 ? 1 : 0);
    EXPECT_EQ(ctrl.Files().FilesOpened(), (Names{"EventLog.db"}));
  }
  // Once the folder holds a file, the single file is no longer read.
  AddDaily("EventLogOld.db");
  EXPECT_EQ(Search({}, {}), (Names{"EventLogOld.db"}));

  // An unreadable folder lists nothing: the single file, when there is one, and the archive.
  UnreadableFolderEnv unreadable;
  EXPECT_EQ(Search({}, {}, nullptr, &unreadable), (Names{"EventLog.db"}));
  std::filesystem::remove(root / "EventLog.db");
  EXPECT_EQ(Search({}, {}, nullptr, &unreadable), (Names{"EventLogOld.db"}));
}

TEST_F(FileChoiceTest, BadFiles) {
  bool ok = false;
  // A root that does not exist holds nothing and is no error.
  CVxEventLogQueryCtrl<EventLogBasket> missing;
  missing.Initialise(root.Path() + "/gone");
  int count = -1;
  EXPECT_TRUE(missing.Search(EventLogFilter{}, {}, {}, &count));
  EXPECT_EQ(count, 0);

  // An empty single file is an empty database: no table, no records, left in place.
  store_test::WriteFile(root / "EventLog.db", "");
  EXPECT_EQ(Search({}, {}, &ok), Names{"EventLog.db"});
  EXPECT_TRUE(read.empty());
  EXPECT_TRUE(ok);
  EXPECT_TRUE(std::filesystem::exists(root / "EventLog.db"));

  // A daily file of another log kind adds nothing; a file that is no
  // database ends the search, keeping what was read before it.
  AddDaily("EventLog_20240101.db");
  store_test::WriteDatabase(root / "db/EventLog/EventLog_20240102.db", "CREATE TABLE SysLog(Id);");
  store_test::WriteFile(root / "db/EventLog/EventLog_20240103.db", std::string(4096, 'x'));
  AddDaily("EventLog_20240104.db");
  EXPECT_EQ(Search({}, Day(2024, 1, 2), &ok), (Names{"EventLog_20240101.db", "EventLog_20240102.db"}));
  EXPECT_TRUE(ok);
  EXPECT_EQ(Search({}, {}, &ok), (Names{"EventLog_20240101.db", "EventLog_20240102.db",
                                        "EventLog_20240103.db"}));
  EXPECT_EQ(read, (Names{"EventLog_20240101.db"}));
  EXPECT_FALSE(ok);
}

TEST_F(FileChoiceTest, RootFolderFromTheServerAddress) {
  EXPECT_EQ(LogRootFolder(""), root.Path() + "/");
  EXPECT_EQ(LogRootFolder("localhost"), root.Path() + "/");
  EXPECT_EQ(LogRootFolder("/media/backup/Date/Cam/Video"), "/media/backup/Date/Cam/Video/");
  store_test::WriteFile(root / "FileRecord.ini", "##AutoBackup##\n");
  EXPECT_EQ(LogRootFolder("/media/backup/Date/Cam/Video"), "/media/backup/Date/Cam/Video/")
      << "the marker is read once";
  ResetRecordFileMarker();
  EXPECT_EQ(LogRootFolder("/media/backup/Date/Cam/Video"), "/media/backup/");
  EXPECT_EQ(LogRootFolder("D:\\Backup\\Date\\Cam\\Video"), "D:\\Backup/");
  EXPECT_EQ(LogRootFolder("/m/Date/Cam/Videos/Date\\Cam/Video/x"), "/ms/x/");
  EXPECT_FALSE(GetRecordFileMarker().backup);
}

}  // namespace
