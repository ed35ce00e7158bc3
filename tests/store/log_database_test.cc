#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

#include "store/event_log_query_ctrl.h"
#include "store_fixture.h"

namespace {

using namespace store_test;
using std::chrono::milliseconds;

// Faults of the files, and of a recording server writing them while they
// are read.  Every test also shows that the viewer wrote nothing.
class FaultTest : public ::testing::Test {
 protected:
  std::string Daily() const { return root.File("db/EventLog/EventLog_20240101.db"); }

  // `count` rows, each description "row <n>" padded to `width` characters.
  static std::string Rows(int count, size_t width = 8) {
    std::vector<EventRow> rows;
    for (int i = 0; i < count; ++i) {
      std::string text = "row " + std::to_string(i);
      text.resize(std::max(width, text.size()), '.');
      rows.push_back({20240101000000 + i % 60, 0, 1, 2, text});
    }
    return EventLogSql(rows);
  }

  // Searches with a row callback that keeps each description.
  bool Search() {
    descriptions.clear();
    CVxEventLogQueryCtrl<EventLogBasket> ctrl;
    ctrl.SetRowCallback([](const EventLogBasket& r, void* c) {
      static_cast<std::vector<std::string>*>(c)->push_back(r.Description);
    }, &descriptions);
    ctrl.Initialise(root.Path());
    int count = 0;
    const auto before = Snapshot(root.Path());
    const auto start = std::chrono::steady_clock::now();
    const bool ok = ctrl.Search(EventLogFilter{}, {}, {}, &count);
    took = std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - start);
    error = ctrl.LastError();
    EXPECT_EQ(Snapshot(root.Path()), before);
    return ok;
  }

  bool HandedTwice() const {
    return std::set<std::string>(descriptions.begin(), descriptions.end()).size() != descriptions.size();
  }

  TempFolder root;
  std::vector<std::string> descriptions;
  std::string error;
  milliseconds took{};
};

TEST_F(FaultTest, LockedByAWriterIsTriedFiveTimes) {
  WriteDatabase(Daily(), Rows(3));
  auto writer = std::make_unique<WriterProcess>(Daily(), "BEGIN EXCLUSIVE;");
  EXPECT_FALSE(Search());
  EXPECT_EQ(error, "database is locked");
  EXPECT_GE(took, milliseconds(400));
  EXPECT_LT(took, milliseconds(3000));

  // The writer ends during the third pause: the rows arrive, each once.
  writer.reset();
  writer = std::make_unique<WriterProcess>(Daily(), "BEGIN EXCLUSIVE;");
  std::thread release([&writer] {
    std::this_thread::sleep_for(milliseconds(250));
    writer.reset();
  });
  EXPECT_TRUE(Search()) << error;
  release.join();
  EXPECT_GE(took, milliseconds(200));
  EXPECT_EQ(descriptions.size(), 3u);
  EXPECT_FALSE(HandedTwice());
}

TEST_F(FaultTest, DamagedFiles) {
  // Damage past the first pages: the rows before it are handed on once and
  // the statement is not run again.
  WriteDatabase(Daily(), Rows(3000, 200));
  std::string bytes = ReadWholeFile(Daily());
  std::fill(bytes.end() - 4096, bytes.end(), '\xff');
  root.Write("db/EventLog/EventLog_20240101.db", bytes);
  EXPECT_FALSE(Search());
  EXPECT_EQ(error, "database disk image is malformed");
  EXPECT_GT(descriptions.size(), 0u);
  EXPECT_LT(descriptions.size(), 3000u);
  EXPECT_FALSE(HandedTwice());
  EXPECT_LT(took, milliseconds(100));

  // Cut short: found before any row, tried five times.
  root.Write("db/EventLog/EventLog_20240101.db", bytes.substr(0, bytes.size() / 2));
  EXPECT_FALSE(Search());
  EXPECT_EQ(error, "database disk image is malformed");
  EXPECT_TRUE(descriptions.empty());
  EXPECT_GE(took, milliseconds(400));

  // No database at all: no second try can change that.
  root.Write("db/EventLog/EventLog_20240101.db", std::string(8192, 'x'));
  EXPECT_FALSE(Search());
  EXPECT_EQ(error, "file is not a database");
  EXPECT_LT(took, milliseconds(100));
}

TEST_F(FaultTest, HotJournalOfACrashedWriterIsLeftAlone) {
  WriteDatabase(Daily(), Rows(2000, 100));
  // A writer with a tiny cache writes pages before its commit, then dies.
  { WriterProcess crashed(Daily(), "PRAGMA cache_size=2; BEGIN; UPDATE EventLog SET Description = 'x';"); }
  ASSERT_TRUE(fs::exists(Daily() + "-journal"));
  EXPECT_FALSE(Search());
  EXPECT_EQ(error, "attempt to write a readonly database");
  EXPECT_GE(took, milliseconds(400));
}

TEST_F(FaultTest, WalDatabaseIsReadWithoutWriting) {
  // Rows that live only in the -wal file, the writer still running.
  auto writer = std::make_unique<WriterProcess>(
      Daily(), "PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;" + Rows(20));
  ASSERT_TRUE(fs::exists(Daily() + "-wal"));
  EXPECT_TRUE(Search()) << error;
  EXPECT_EQ(descriptions.size(), 20u);
  // The writer gone: nobody keeps the wal-index up to date.
  writer.reset();
  EXPECT_TRUE(Search()) << error;
  EXPECT_EQ(descriptions.size(), 20u);
}

}  // namespace
