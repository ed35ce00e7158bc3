#include "tools/vxpp-server/system_log_writer.h"

#include <sqlite3.h>

#include <filesystem>

#include "platform/env.h"
#include "platform/paths.h"

namespace vxpp_server {
namespace {

constexpr int kBusyWaitMs = 5000;

std::string DatabasePath(const std::string& installFolder, const CDateTime& time) {
  const std::string folder = platform::JoinPath(installFolder, "db/SystemLog");
  const std::string legacy = platform::JoinPath(installFolder, "SystemLog.db");
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec) && platform::Env::Default()->FileExists(legacy)) return legacy;
  std::filesystem::create_directories(folder, ec);
  return platform::JoinPath(folder, time.DailyFileName("SystemLog"));
}

}  // namespace

bool AppendSystemLog(const std::string& installFolder, int32_t logType, const std::vector<std::string>& entries,
                     const CDateTime& time, std::string* error) {
  sqlite3* db = nullptr;
  const std::string path = DatabasePath(installFolder, time);
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                      nullptr) != SQLITE_OK) {
    *error = path + ": " + (db ? sqlite3_errmsg(db) : "cannot open");
    sqlite3_close(db);
    return false;
  }
  sqlite3_busy_timeout(db, kBusyWaitMs);
  sqlite3_stmt* insert = nullptr;
  bool ok = sqlite3_exec(db,
                         "CREATE TABLE IF NOT EXISTS SysLog (Id INTEGER PRIMARY KEY, LogTime INTEGER, "
                         "EventNumber INTEGER, EventString TEXT, Param1 INTEGER, Param2 INTEGER, Param3 INTEGER, "
                         "Param4 INTEGER, Param5 INTEGER); BEGIN IMMEDIATE;",
                         nullptr, nullptr, nullptr) == SQLITE_OK &&
            sqlite3_prepare_v2(db,
                               "INSERT INTO SysLog (LogTime, EventNumber, EventString, Param1, Param2, Param3, "
                               "Param4, Param5) VALUES (?, ?, ?, -1, -1, -1, -1, -1);",
                               -1, &insert, nullptr) == SQLITE_OK;
  for (size_t i = 0; ok && i < entries.size(); ++i) {
    sqlite3_bind_int64(insert, 1, time.QueryLiteral());
    sqlite3_bind_int(insert, 2, logType);
    sqlite3_bind_text(insert, 3, entries[i].data(), static_cast<int>(entries[i].size()), SQLITE_TRANSIENT);
    ok = sqlite3_step(insert) == SQLITE_DONE && sqlite3_reset(insert) == SQLITE_OK;
  }
  sqlite3_finalize(insert);
  ok = ok && sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr) == SQLITE_OK;
  if (!ok) {
    *error = path + ": " + sqlite3_errmsg(db);
    sqlite3_exec(db, "ROLLBACK;", nullptr, nullptr, nullptr);
  }
  sqlite3_close(db);
  return ok;
}

}  // namespace vxpp_server
