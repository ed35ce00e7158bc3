// CLogDatabase: the one open log database file of a query, read-only.
//
// The recording server writes these files while the viewer reads them, so a
// failing statement is tried again, 100 ms apart, up to five times.  The
// viewer never writes: files are opened read-only and the wal-index of a
// WAL database is mapped read-only too, so a search leaves every byte of
// the database and its companion files as it found them.
//
// Owns its SQLite handle.  One thread at a time; the handle itself is opened
// in full-mutex mode.
#pragma once

#include <string>

struct sqlite3;
struct sqlite3_stmt;

class CLogDatabase {
 public:
  // Told each row of the statement, `row` standing on it (its values are
  // read with sqlite3_column_*); false stops the statement.
  using RowCallback = bool (*)(void* context, sqlite3_stmt* row);

  static constexpr int kTries = 5;
  static constexpr int kRetryPauseMs = 100;

  CLogDatabase() = default;
  ~CLogDatabase() { Close(); }
  CLogDatabase(const CLogDatabase&) = delete;
  CLogDatabase& operator=(const CLogDatabase&) = delete;

  // Opens `utf8Path` read-only, closing nothing by itself: the caller closes
  // the previous file first.  On failure no handle is kept.
  bool Open(const std::string& utf8Path);
  void Close();
  bool IsOpen() const { return m_db != nullptr; }

  // Runs the statement `sql` on the open file with `callback` for every
  // row, as sqlite3_exec would: the same primary result code of the last
  // try and, in `message`, the message of the last failed try (empty when
  // the first try succeeded; "query aborted" when the callback stopped it).
  //
  // A try that has already handed rows to `callback` is never repeated: a
  // second run would hand the same rows again.  Failures that a second try
  // cannot change (an SQL error such as a missing table, a file that is not
  // a database, a statement stopped by the callback) are not repeated either.
  int Execute(const std::string& sql, RowCallback callback, void* context, std::string* message);

  // Stops the statement running on the open file (a search the user
  // cancelled): Execute returns SQLITE_INTERRUPT at once and does not try
  // again.  Safe from the statement's own row callback and from another
  // thread; does nothing without an open file.
  void Interrupt();

  // Number of tries the last Execute made (1 to kTries).
  int LastTries() const { return m_lastTries; }

  // Whether a failure message says that the table is missing from the file
  // (a daily file of another log kind, or an empty one).
  static bool IsNoSuchTable(const std::string& message);

 private:
  sqlite3* m_db = nullptr;
  int m_lastTries = 0;
};
