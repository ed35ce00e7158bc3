// CVxSystemLogQuery: one query of the system log table "SysLog" on the open
// database file, rows in log time (and id) order, records held by value in
// the results until ClearResults or destruction.  Owns its open file.
// One thread at a time.
#pragma once

#include <string>
#include <vector>

#include "store/log_database.h"
#include "store/log_row_reader.h"
#include "vocabulary/system_log_record.h"

class CVxSystemLogQuery {
 public:
  CVxSystemLogQuery() = default;
  virtual ~CVxSystemLogQuery() = default;
  CVxSystemLogQuery(const CVxSystemLogQuery&) = delete;
  CVxSystemLogQuery& operator=(const CVxSystemLogQuery&) = delete;

  // Runs "SELECT * FROM SysLog [WHERE <where>] ORDER BY LogTime, Id;".
  // True exactly when SQLite succeeds: unlike the event databases, a file
  // without the table is a failure.  `count` gets the number of results.
  bool Query(const std::string& where, int* count);

  void ClearResults() { m_results.clear(); }
  const std::vector<SystemLogRecord>& GetResults() const { return m_results; }
  const std::string& LastStatement() const { return m_statement; }
  const std::string& LastError() const { return m_error; }

 protected:
  CLogDatabase m_database;

 private:
  static bool ReadRow(void* query, sqlite3_stmt* row);

  std::vector<SystemLogRecord> m_results;
  CLogRowReader<SystemLogRecord> m_reader;
  std::string m_statement;
  std::string m_error;
};
