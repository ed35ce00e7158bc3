#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

#include "store/event_log_query_ctrl.h"
#include "store_fixture.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Faults of the files themselves, and of a recording server writing them
// while they are read.  Every test also checks that the viewer wrote nothing.
class FaultTest : public ::testing::Test {
 protected:
  std::string Daily() const { return Daily(root); }
  static std::string Daily(const store_test::TempFolder& folder) {
    return folder / "db/EventLog/EventLog_20240101.db";
  }

  // Rows whose descriptions are "row <n>" padded to `width` characters.
  static std::string Rows(int count, size_t width = 8) {
    std::vector<store_test::EventRow> rows;
    for (int i = 0; i < count; ++i) {
      std::string text = "row " + std::to_string(i);
      text.resize(std::max(width, text.size()), '.');
      rows.push_back({20240101000000 + i % 60, 0, 1, 2, text});
    }
    return store_test::EventLogSql(rows);
  }

  // Searches `folder` with a row callback; `descriptions` gets every row handed over.
  bool Search(const std::string& folder, milliseconds* took = nullptr) {
    descriptions.clear();
    CVxEventLogQueryCtrl<EventLogBasket> ctrl;
    ctrl.SetRowCallback([](const EventLogBasket& r, void* c) {
      static_cast<std::vector<std::string>*>(c)->push_back(r.Description);
    }, &descriptions);
    ctrl.Initialise(folder);
    int count = 0;
    const auto start = Clock::now();
    const bool ok = ctrl.Search(EventLogFilter{}, {}, {}, &count);
    if (took != nullptr) *took = std::chrono::duration_cast<milliseconds>(Clock::now() - start);
    error = ctrl.LastError();
    return ok;
  }

  bool HandedTwice() const {
    return std::set<std::string>(descriptions.begin(), descriptions.end()).size() != descriptions.size();
  }

  store_test::TempFolder root;
  std::vector<std::string> descriptions;
  std::string error;
};

sqlite3* Writer(const std::string& path, const char* sql) {
  sqlite3* db = nullptr;
  EXPECT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  return db;
}

TEST_F(FaultTest, LockedByAWriterIsTriedFiveTimes) {
  store_test::WriteDatabase(Daily(), Rows(3));
  const auto before = store_test::Snapshot(root.Path());
  sqlite3* writer = Writer(Daily(), "BEGIN EXCLUSIVE;");
  milliseconds took{};
  EXPECT_FALSE(Search(root.Path(), &took));
  EXPECT_EQ(error, "database is locked");
  EXPECT_GE(took, milliseconds(400));
  EXPECT_LT(took, milliseconds(3000));

  // Released during the third pause: the search succeeds, each row once.
  std::thread release([writer] {
    std::this_thread::sleep_for(milliseconds(250));
    sqlite3_exec(writer, "COMMIT;", nullptr, nullptr, nullptr);
  });
  EXPECT_TRUE(Search(root.Path(), &took)) << error;
  release.join();
  sqlite3_close(writer);
  EXPECT_GE(took, milliseconds(200));
  EXPECT_EQ(descriptions.size(), 3u);
  EXPECT_FALSE(HandedTwice());
  EXPECT_EQ(store_test::Snapshot(root.Path()), before);
}

TEST_F(FaultTest, DamagedFiles) {
  // Damage after the first pages: the rows before it are handed over once,
  // and the statement is not run again.
  store_test::WriteDatabase(Daily(), Rows(3000, 200));
  std::string bytes = store_test::ReadFile(Daily());
  ASSERT_GT(bytes.size(), 100u * 4096);
  std::fill(bytes.end() - 4096, bytes.end(), '\xff');
  store_test::WriteFile(Daily(), bytes);
  milliseconds took{};
  EXPECT_FALSE(Search(root.Path(), &took));
  EXPECT_EQ(error, "database disk image is malformed");
  EXPECT_GT(descriptions.size(), 0u);
  EXPECT_LT(descriptions.size(), 3000u);
  EXPECT_FALSE(HandedTwice());
  EXPECT_LT(took, milliseconds(100));

  // Cut short: found on opening, before any row; tried five times.
  bytes.resize(bytes.size() / 2);
  store_test::WriteFile(Daily(), bytes);
  EXPECT_FALSE(Search(root.Path(), &took));
  EXPECT_EQ(error, "database disk image is malformed");
  EXPECT_TRUE(descriptions.empty());
  EXPECT_GE(took, milliseconds(400));

  // Not a database at all: no second try can change that.
  store_test::WriteFile(Daily(), std::string(8192, 'x'));
  const auto before = store_test::Snapshot(root.Path());
  EXPECT_FALSE(Search(root.Path(), &took));
  EXPECT_EQ(error, "file is not a database");
  EXPECT_LT(took, milliseconds(100));
  EXPECT_EQ(store_test::Snapshot(root.Path()), before);
}

TEST_F(FaultTest, HotJournalOfACrashedWriterIsLeftAlone) {
  store_test::WriteDatabase(Daily(), Rows(2000, 100));
  // The files as a writer leaves them when it dies while writing its
  // changes: a small cache makes it write pages before the commit.
  sqlite3* writer =
      Writer(Daily(), "PRAGMA cache_size=2; BEGIN; UPDATE EventLog SET Description = 'changed';");
  store_test::TempFolder crashed;
  for (const char* suffix : {"", "-journal"}) {
    std::filesystem::copy_file(Daily() + suffix, Daily(crashed) + suffix);
  }
  sqlite3_close(writer);

  const auto before = store_test::Snapshot(crashed.Path());
  milliseconds took{};
  EXPECT_FALSE(Search(crashed.Path(), &took));
  EXPECT_EQ(error, "attempt to write a readonly database");
  EXPECT_GE(took, milliseconds(400));
  EXPECT_EQ(store_test::Snapshot(crashed.Path()), before);
}

// A writer in a process of its own, as the recording server is: runs `sql`
// and keeps the database open until it is destroyed, then ends without
// closing it.
class WriterProcess {
 public:
  WriterProcess(const std::string& path, const std::string& sql) {
    int ready[2], done[2];
    EXPECT_EQ(pipe(ready), 0);
    EXPECT_EQ(pipe(done), 0);
    m_pid = fork();
    if (m_pid == 0) {
      close(ready[0]);
      close(done[1]);
      sqlite3* db = nullptr;
      sqlite3_open(path.c_str(), &db);
      char answer = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK ? 'y' : 'n';
      (void)!write(ready[1], &answer, 1);
      (void)!read(done[0], &answer, 1);
      _exit(0);
    }
    char answer = 'n';
    EXPECT_EQ(read(ready[0], &answer, 1), 1);
    EXPECT_EQ(answer, 'y');
    m_done = done[1];
    for (int fd : {ready[0], ready[1], done[0]}) close(fd);
  }
  ~WriterProcess() {
    close(m_done);
    waitpid(m_pid, nullptr, 0);
  }

 private:
  pid_t m_pid;
  int m_done;
};

TEST_F(FaultTest, WalDatabaseIsReadWithoutWriting) {
  // Rows that live only in the -wal file, with the writer still running.
  auto writer = std::make_unique<WriterProcess>(
      Daily(), "PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;" + Rows(20));
  ASSERT_TRUE(std::filesystem::exists(Daily() + "-wal"));
  auto before = store_test::Snapshot(root.Path());
  EXPECT_TRUE(Search(root.Path())) << error;
  EXPECT_EQ(descriptions.size(), 20u);
  EXPECT_EQ(store_test::Snapshot(root.Path()), before);

  // The writer gone: nobody keeps the wal-index up to date.
  writer.reset();
  before = store_test::Snapshot(root.Path());
  EXPECT_TRUE(Search(root.Path())) << error;
  EXPECT_EQ(descriptions.size(), 20u);
  EXPECT_EQ(store_test::Snapshot(root.Path()), before);
}

}  // namespace
