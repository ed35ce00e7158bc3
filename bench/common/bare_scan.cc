#include "bench/common/bare_scan.h"

#include <sqlite3.h>

namespace bench {

void BareScan(const std::string& folder, const std::vector<std::string>& files, const std::string& statement) {
  for (const std::string& name : files) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2((folder + name).c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_FULLMUTEX, nullptr) ==
        SQLITE_OK) {
      sqlite3_exec(db, statement.c_str(), [](void*, int, char**, char**) { return 0; }, nullptr, nullptr);
    }
    sqlite3_close(db);
  }
}

}  // namespace bench
