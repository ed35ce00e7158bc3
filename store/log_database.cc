#include "store/log_database.h"

#include <sqlite3.h>

#include <chrono>
#include <thread>

namespace {

// Read-only with the full-mutex threading mode, plus URI names so that the
// wal-index can be opened read-only ("readonly_shm").
constexpr int kOpenFlags = SQLITE_OPEN_READONLY | SQLITE_OPEN_FULLMUTEX | SQLITE_OPEN_URI;

// A search reads each page of a file once: a cache of 64 pages does as well
// as the default 2 MB and keeps a scan's memory small.
constexpr const char* kTuning = "PRAGMA cache_size=64;";

// "file:" URI of a path: the characters a URI gives a meaning are escaped.
std::string FileUri(const std::string& path) {
  std::string uri = path.starts_with('/') ? "file://" : "file:";
  for (char c : path) {
    if (c == '%' || c == '?' || c == '#') {
      static const char kHex[] = "0123456789ABCDEF";
      uri += '%';
      uri += kHex[static_cast<unsigned char>(c) >> 4];
      uri += kHex[static_cast<unsigned char>(c) & 15];
    } else {
      uri += c;
    }
  }
  return uri + "?readonly_shm=1";
}

bool IsWorthRetrying(int rc) {
  switch (rc & 0xff) {
    case SQLITE_ERROR:   // bad SQL or a missing table: the same on every try
    case SQLITE_NOTADB:  // not a database file
    case SQLITE_ABORT:   // the row callback stopped the statement
    case SQLITE_INTERRUPT:  // the search was cancelled
    case SQLITE_MISUSE:
      return false;
    default:  // busy or locked by the writer, I/O, a journal being rolled back ...
      return true;
  }
}

// One try of a statement: prepared, stepped through its rows, finalised.
// *deliveredRows tells whether the callback has seen a row of it.
int RunOnce(sqlite3* db, const std::string& sql, CLogDatabase::RowCallback callback, void* context,
            bool* deliveredRows) {
  sqlite3_stmt* statement = nullptr;
  int rc = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()) + 1, &statement, nullptr);
  if (rc != SQLITE_OK || statement == nullptr) return rc;  // an error, or no statement in `sql`
  while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
    if (callback == nullptr) continue;
    *deliveredRows = true;
    if (!callback(context, statement)) {
      sqlite3_finalize(statement);
      return SQLITE_ABORT;
    }
  }
  const int finalized = sqlite3_finalize(statement);
  return rc == SQLITE_DONE ? finalized : rc;
}

}  // namespace

bool CLogDatabase::Open(const std::string& utf8Path) {
  Close();
  if (sqlite3_open_v2(FileUri(utf8Path).c_str(), &m_db, kOpenFlags, nullptr) != SQLITE_OK) {
    Close();
    return false;
  }
  // Tuning only: a file that cannot be read fails in the query itself.
  sqlite3_exec(m_db, kTuning, nullptr, nullptr, nullptr);
  return true;
}

void CLogDatabase::Close() {
  if (m_db != nullptr) sqlite3_close(m_db);
  m_db = nullptr;
}

int CLogDatabase::Execute(const std::string& sql, RowCallback callback, void* context,
                          std::string* message) {
  message->clear();
  m_lastTries = 0;
  if (m_db == nullptr) {
    *message = "no database file is open";
    return SQLITE_MISUSE;
  }
  int rc = SQLITE_OK;
  while (m_lastTries < kTries) {
    if (m_lastTries > 0) std::this_thread::sleep_for(std::chrono::milliseconds(kRetryPauseMs));
    ++m_lastTries;
    bool deliveredRows = false;
    rc = RunOnce(m_db, sql, callback, context, &deliveredRows) & 0xff;
    if (rc == SQLITE_OK) break;
    *message = rc == SQLITE_ABORT ? sqlite3_errstr(rc) : sqlite3_errmsg(m_db);
    if (deliveredRows || !IsWorthRetrying(rc)) break;
  }
  return rc;
}

void CLogDatabase::Interrupt() {
  if (m_db != nullptr) sqlite3_interrupt(m_db);
}

bool CLogDatabase::IsNoSuchTable(const std::string& message) {
  return message.find("no such table") != std::string::npos;
}
