// Small log installations for the store tests: databases written through
// connections of the test's own, and a writer in a process of its own, as
// the recording server is.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "temp_folder.h"
#include "vocabulary/date_time.h"

namespace store_test {

namespace fs = std::filesystem;

inline CDateTime Day(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
  return CDateTime::FromFields(y, m, d, h, mi, s);
}

// Runs `sql` on the database at `path`, its parent folders made.
inline void WriteDatabase(const std::string& path, const std::string& sql) {
  fs::create_directories(fs::path(path).parent_path());
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  sqlite3_close(db);
}

struct EventRow {
  int64_t logTime;
  int channelIndex;
  int64_t cameraId;
  int eventNumber;
  std::string description;
};

// An "EventLog" table holding `rows`, in one transaction.
inline std::string EventLogSql(const std::vector<EventRow>& rows) {
  std::string sql = "BEGIN; CREATE TABLE EventLog(Id INTEGER PRIMARY KEY, LogTime INTEGER, "
                    "ChannelIndex INTEGER, CameraId INTEGER, EventNumber INTEGER, Description TEXT);";
  for (const EventRow& r : rows) {
    sql += "INSERT INTO EventLog(LogTime, ChannelIndex, CameraId, EventNumber, Description) VALUES(" +
           std::to_string(r.logTime) + "," + std::to_string(r.channelIndex) + "," +
           std::to_string(r.cameraId) + "," + std::to_string(r.eventNumber) + ",'" + r.description + "');";
  }
  return sql + "COMMIT;";
}

// Every file below `folder`, by name, with its size and a hash of its bytes.
inline std::map<std::string, std::string> Snapshot(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    const std::string bytes = ReadWholeFile(entry.path().string());
    files[entry.path().filename().string()] =
        std::to_string(bytes.size()) + " bytes, hash " + std::to_string(std::hash<std::string>()(bytes));
  }
  return files;
}

// Opens `path` in a child process and runs `sql` there; the child keeps the
// database open until this object is destroyed, then ends without closing
// it, as a writer that dies does.
class WriterProcess {
 public:
  WriterProcess(const std::string& path, const std::string& sql) {
    fs::create_directories(fs::path(path).parent_path());
    int ready[2], done[2];
    EXPECT_EQ(pipe(ready) | pipe(done), 0);
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

}  // namespace store_test
