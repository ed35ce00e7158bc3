#include "store/system_log_query.h"

#include <sqlite3.h>

#include "store/log_columns.h"
#include "store/query_condition.h"

bool CVxSystemLogQuery::Query(const std::string& where, int* count) {
  m_statement = SelectStatement("SysLog", where, "LogTime, Id");
  m_reader.Restart();
  const int rc = m_database.Execute(m_statement, ReadRow, this, &m_error);
  *count = static_cast<int>(m_results.size());
  return rc == SQLITE_OK;
}

bool CVxSystemLogQuery::ReadRow(void* query, sqlite3_stmt* row) {
  auto* self = static_cast<CVxSystemLogQuery*>(query);
  if (self == nullptr) return false;  // nobody to read for: stop the statement
  if (const SystemLogRecord* record = self->m_reader.Read(row)) {
    self->m_results.push_back(*record);
  }
  return true;
}
