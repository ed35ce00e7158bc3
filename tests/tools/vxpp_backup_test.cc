// A backup of a demo installation with recordings, made by vxpp-backup from
// a vxpp-server: the copy holds the range's files as the installation has
// them and opens in logview as the server's own search, the server serves
// nothing it did not list nor anything outside the installation, and only
// a user with the right deletes recordings.  The server's copy of a log
// database holds what was committed while a writer is under way.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>

#include "config/ivs_configuration.h"
#include "program_run.h"
#include "protocol/vxpp_client.h"
#include "raw_connection.h"
#include "server_process.h"
#include "temp_folder.h"
#include "tools/logview-demo/demo_installation.h"
#include "tools/vxpp-server/database_snapshot.h"

namespace {

namespace fs = std::filesystem;

const char* const kRecordings[] = {"20240305/Cam01/Video/100000.264", "20240305/Cam02/Video/110000.264",
                                   "20240305/Cam01/Video/200000.264", "20240304/Cam01/Video/100000.264"};
constexpr size_t kInRange = 2;  // the first two lie in [10:00, 12:00] of the last day
const std::vector<std::string> kRange = {"--from", "2024-03-05 10:00:00", "--to", "2024-03-05 12:00:00"};

class VxppBackupTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_folder = new TempFolder;
    DemoOptions options;
    options.days = 2;
    options.endDate = CDateTime::FromFields(2024, 3, 5);
    options.folder = s_folder->File("site");
    std::string error;
    ASSERT_TRUE(WriteDemoInstallation(options, [](const std::string&) {}, &error)) << error;
  }
  static void TearDownTestSuite() { delete s_folder; }

  VxppBackupTest() {
    // The recordings are the test's own, not the demo's samples.
    for (const char* day : {"20240304", "20240305"}) fs::remove_all(fs::path(Site()) / day);
    for (size_t i = 0; i < std::size(kRecordings); ++i) {
      const fs::path path = fs::path(Site()) / kRecordings[i];
      fs::create_directories(path.parent_path());
      std::ofstream(path, std::ios::binary) << std::string(100000 + i * 7919, static_cast<char>('a' + i));
    }
  }
  static std::string Site() { return s_folder->File("site"); }
  std::string Server() const { return "127.0.0.1:" + std::to_string(m_server.Port()); }
  Outcome Backup(std::vector<std::string> args) {
    args.insert(args.end(), kRange.begin(), kRange.end());
    return RunProgram(VXPP_BACKUP_PATH, args, m_scratch);
  }

  static TempFolder* s_folder;
  TempFolder m_scratch;
  ServerProcess m_server{Site()};
};

TempFolder* VxppBackupTest::s_folder = nullptr;

TEST_F(VxppBackupTest, CopyHoldsTheRangeAndListsAsTheServerSearches) {
  ASSERT_NE(m_server.Port(), 0);
  const Outcome size = Backup({"--server", Server(), "--login", "admin:admin", "--size-only"});
  ASSERT_EQ(size.status, 0) << size.err;
  uint64_t expected = 0;
  for (size_t i = 0; i < kInRange; ++i) expected += fs::file_size(fs::path(Site()) / kRecordings[i]);
  for (const char* db : {"db/EventLog/EventLog_20240305.db", "db/SystemLog/SystemLog_20240305.db"})
    expected += fs::file_size(fs::path(Site()) / db);
  EXPECT_EQ(size.out, std::to_string(expected) + "\n");

  const std::string copy = m_scratch.File("copy");
  const Outcome backup = Backup({"--server", Server(), "--login", "admin:admin", copy});
  ASSERT_EQ(backup.status, 0) << backup.err;
  EXPECT_NE(backup.err.find("files 8/8, bytes "), std::string::npos) << backup.err;
  for (size_t i = 0; i < std::size(kRecordings); ++i)
    EXPECT_EQ(fs::exists(fs::path(copy) / kRecordings[i]), i < kInRange) << kRecordings[i];
  for (const char* same : {kRecordings[0], kRecordings[1], "db/filter/IVS.xml"})
    EXPECT_EQ(ReadWholeFile(copy + "/" + same), ReadWholeFile(Site() + "/" + same)) << same;
  EXPECT_EQ(ReadWholeFile(copy + "/FileRecord.ini").rfind("##Backup##\r\n", 0), 0u);
  // The registry's analytics configuration, as the site's own backup file gives it.
  EXPECT_EQ(ReadIVSConfigForBackup(copy + "/IVSConfigForBackup.ini"),
            ReadIVSConfigForBackup(Site() + "/IVSConfigForBackup.ini"));
  EXPECT_FALSE(ReadIVSConfigForBackup(copy + "/IVSConfigForBackup.ini").empty());
  EXPECT_FALSE(fs::exists(copy + "/tempDirectory"));
  EXPECT_FALSE(fs::exists(copy + "/db/EventLog/EventLog_20240304.db"));

  std::vector<std::string> search = {"--install", Site(), "events"};
  search.insert(search.end(), kRange.begin(), kRange.end());
  std::vector<std::string> local = search, remote = search;
  local.insert(local.begin() + 2, {"--root", copy});
  remote.insert(remote.begin() + 2, {"--server", Server(), "--login", "admin:admin"});
  const Outcome fromCopy = RunProgram(LOGVIEW_PATH, local, m_scratch);
  const Outcome fromServer = RunProgram(LOGVIEW_PATH, remote, m_scratch);
  ASSERT_EQ(fromCopy.status, 0) << fromCopy.err;
  EXPECT_GT(fromCopy.out.size(), 1000u);
  EXPECT_EQ(fromCopy.out, fromServer.out);
}

TEST_F(VxppBackupTest, UsageAndFailuresAreNamed) {
  Outcome run = Backup({"--server", "127.0.0.1:0", "--login", "admin", "/tmp/x"});
  EXPECT_EQ(run.status, 64);
  EXPECT_NE(run.err.find("--server takes HOST[:PORT]"), std::string::npos) << run.err;
  run = RunProgram(VXPP_BACKUP_PATH, {"--server", Server(), "--login", "admin:admin", "/tmp/x"}, m_scratch);
  EXPECT_EQ(run.status, 64);
  EXPECT_NE(run.err.find("--from is needed"), std::string::npos) << run.err;
  run = Backup({"--server", Server(), "--login", "admin:wrong", m_scratch.File("copy")});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("login to " + Server() + " as admin failed"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(m_scratch.File("copy")));
}

TEST_F(VxppBackupTest, ServerServesOnlyListedFilesInsideTheInstallation) {
  fs::create_symlink("/etc/hostname", fs::path(Site()) / "20240305/Cam02/Video/100000.264");
  CVXPPClient client;
  client.SetPort(m_server.Port());
  uint32_t session = 0;
  LoginInfo info;
  UserPrivileges rights;
  const std::string url = "vxpp://127.0.0.1/";
  ASSERT_EQ(client.UserLogin(url, "admin", "admin", "", true, false, session, info, rights), 0);
  BackupSelection all;
  all.cameras.set();
  ASSERT_TRUE(client.BackupInit(url, session, all));
  for (const vxpp::BackupFile& file : client.BackupFiles())
    EXPECT_EQ(file.path.find("Cam02/Video/100000"), std::string::npos) << "a link is listed";
  for (const char* path : {"../site/vxpp-users.ini", "/etc/hostname", "vxpp-users.ini", "20240305/Cam02/Video/100000.264",
                           "db/EventLog/../../vxpp-users.ini"}) {
    RawConnection raw(m_server.Port());
    raw.Send("BACKUPBEGIN vxpp://127.0.0.1/ VXPP/2.0\r\nCSeq: 1\r\nUser-Session-No: " + std::to_string(session) +
             "\r\nPrivacy-Mask: 1\r\nFile-Fullpath: " + path + "\r\n\r\n");
    EXPECT_EQ(raw.ReadToEnd().rfind("VXPP/2.0 404", 0), 0u) << path;
  }
  fs::remove(fs::path(Site()) / "20240305/Cam02/Video/100000.264");

  uint32_t guard = 0;
  ASSERT_EQ(client.UserLogin(url, "guard01", "guard01", "", false, false, guard, info, rights), 0);
  EXPECT_FALSE(client.DeleteFileRecord(url, guard, all));
  EXPECT_TRUE(fs::exists(fs::path(Site()) / kRecordings[0]));
  BackupSelection lastDay = all;
  lastDay.start = CDateTime::FromFields(2024, 3, 5);
  EXPECT_TRUE(client.DeleteFileRecord(url, session, lastDay));
  for (size_t i = 0; i < std::size(kRecordings); ++i)
    EXPECT_EQ(fs::exists(fs::path(Site()) / kRecordings[i]), i == 3) << kRecordings[i];
  EXPECT_TRUE(fs::exists(fs::path(Site()) / "db/EventLog/EventLog_20240305.db"));
  fs::remove_all(fs::path(Site()) / "20240304");
}

}  // namespace

namespace {

int64_t RowCount(const std::string& path) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* count = nullptr;
  sqlite3_prepare_v2(db, "SELECT count(*) FROM t", -1, &count, nullptr);
  const int64_t rows = sqlite3_step(count) == SQLITE_ROW ? sqlite3_column_int64(count, 0) : -1;
  sqlite3_finalize(count);
  sqlite3_close(db);
  return rows;
}

TEST(DatabaseSnapshotTest, CopiesWhatIsCommittedWhileAWriterIsUnderWay) {
  TempFolder folder;
  sqlite3* writer = nullptr;
  ASSERT_EQ(sqlite3_open(folder.File("log.db").c_str(), &writer), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(writer, "CREATE TABLE t(x); INSERT INTO t VALUES(1); BEGIN; INSERT INTO t VALUES(2);",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  std::string error;
  ASSERT_TRUE(vxpp_server::SnapshotDatabase(folder.File("log.db"), folder.File("copy.db"), &error)) << error;
  EXPECT_EQ(RowCount(folder.File("copy.db")), 1);
  sqlite3_exec(writer, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(writer);

  EXPECT_FALSE(vxpp_server::SnapshotDatabase(folder.File("missing.db"), folder.File("none.db"), &error));
  EXPECT_NE(error.find("missing.db"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(folder.File("none.db")));
}

}  // namespace
