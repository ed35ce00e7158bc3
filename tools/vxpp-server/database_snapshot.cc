#include "tools/vxpp-server/database_snapshot.h"

#include <sqlite3.h>

#include "platform/env.h"

namespace vxpp_server {
namespace {

// Pages copied per step; between steps a writer of the source may go on.
constexpr int kPagesPerStep = 256;
constexpr int kBusyWaitMs = 5000;
// A source kept locked longer than this many busy waits is given up.
constexpr int kMaxBusySteps = 6;

}  // namespace

bool SnapshotDatabase(const std::string& source, const std::string& target, std::string* error) {
  sqlite3* from = nullptr;
  sqlite3* to = nullptr;
  int rc = sqlite3_open_v2(source.c_str(), &from, SQLITE_OPEN_READONLY, nullptr);
  if (rc == SQLITE_OK) rc = sqlite3_open_v2(target.c_str(), &to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (rc == SQLITE_OK) {
    sqlite3_busy_timeout(from, kBusyWaitMs);
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (backup == nullptr) {
      rc = sqlite3_errcode(to);
    } else {
      int busySteps = 0;
      do {
        rc = sqlite3_backup_step(backup, kPagesPerStep);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) sqlite3_sleep(10);
      } while (rc == SQLITE_OK || ((rc == SQLITE_BUSY || rc == SQLITE_LOCKED) && ++busySteps < kMaxBusySteps));
      sqlite3_backup_finish(backup);
      if (rc == SQLITE_DONE) rc = sqlite3_errcode(to);
    }
  }
  if (rc != SQLITE_OK) *error = source + ": " + sqlite3_errstr(rc);
  sqlite3_close(from);
  sqlite3_close(to);
  if (rc != SQLITE_OK) platform::Env::Default()->DeleteFile(target);
  return rc == SQLITE_OK;
}

}  // namespace vxpp_server
