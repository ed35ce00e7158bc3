// SqliteFile: a log database being written by the demo writer.  The file is
// made anew (an existing one is replaced), written without journal and
// without syncs, and filled through prepared statements inside explicit
// transactions: a daily file of 100,000 events is then a matter of a
// fraction of a second.  Failures are reported as false with the message in
// Error(); the object owns its connection and closes it when destroyed.
// One thread at a time.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

// One prepared statement of a SqliteFile; lives no longer than its file.
class SqliteStatement {
 public:
  SqliteStatement(sqlite3* db, sqlite3_stmt* statement) : m_db(db), m_statement(statement) {}
  ~SqliteStatement();
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  // Parameters count from 1.  Texts are copied by SQLite.
  SqliteStatement& Bind(int index, int64_t value);
  SqliteStatement& Bind(int index, std::string_view text);
  // Runs the statement once and makes it ready for the next row.
  bool Run(std::string* error);

 private:
  sqlite3* m_db;
  sqlite3_stmt* m_statement;
};

class SqliteFile {
 public:
  SqliteFile() = default;
  ~SqliteFile();
  SqliteFile(const SqliteFile&) = delete;
  SqliteFile& operator=(const SqliteFile&) = delete;

  // Replaces any file at `path` by a new empty database (UTF-8 path).
  bool Create(const std::string& path);
  bool Exec(const std::string& sql);
  std::unique_ptr<SqliteStatement> Prepare(const std::string& sql);
  bool Close();

  const std::string& Error() const { return m_error; }
  // Records a failure found outside the connection (a statement's message).
  void SetError(const std::string& message) { m_error = m_path + ": " + message; }

 private:
  sqlite3* m_db = nullptr;
  std::string m_path;
  std::string m_error;
};
