#include "tools/logview-demo/sqlite_file.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstdio>

SqliteStatement::~SqliteStatement() { sqlite3_finalize(m_statement); }

SqliteStatement& SqliteStatement::Bind(int index, int64_t value) {
  sqlite3_bind_int64(m_statement, index, value);
  return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, std::string_view text) {
  sqlite3_bind_text(m_statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  return *this;
}

bool SqliteStatement::Run(std::string* error) {
  const int rc = sqlite3_step(m_statement);
  sqlite3_reset(m_statement);
  if (rc == SQLITE_DONE) return true;
  *error = sqlite3_errmsg(m_db);
  return false;
}

SqliteFile::~SqliteFile() { Close(); }

bool SqliteFile::Create(const std::string& path) {
  Close();
  m_path = path;
  if (std::remove(path.c_str()) != 0 && errno != ENOENT) {
    m_error = path + ": cannot replace the existing file";
    return false;
  }
  if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
    m_error = path + ": " + (m_db != nullptr ? sqlite3_errmsg(m_db) : "cannot open");
    sqlite3_close(m_db);
    m_db = nullptr;
    return false;
  }
  // Nothing reads the file while it is written and a half-written demo file
  // is simply written again, so the journal and the syncs only cost time.
  return Exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA locking_mode=EXCLUSIVE;");
}

bool SqliteFile::Exec(const std::string& sql) {
  char* message = nullptr;
  if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return true;
  m_error = m_path + ": " + (message != nullptr ? message : "error");
  sqlite3_free(message);
  return false;
}

std::unique_ptr<SqliteStatement> SqliteFile::Prepare(const std::string& sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
    m_error = m_path + ": " + sqlite3_errmsg(m_db);
    return nullptr;
  }
  return std::make_unique<SqliteStatement>(m_db, statement);
}

bool SqliteFile::Close() {
  if (m_db == nullptr) return true;
  const bool ok = sqlite3_close(m_db) == SQLITE_OK;
  if (!ok) m_error = m_path + ": " + sqlite3_errmsg(m_db);
  m_db = nullptr;
  return ok;
}
