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

int CVxSystemLogQuery::ReadRow(void* query, int columnCount, char** values, char** names) {
  auto* self = static_cast<CVxSystemLogQuery*>(query);
  if (self == nullptr) return 1;  // nobody to read for: stop the statement
  if (const SystemLogRecord* record = self->m_reader.Read(columnCount, values, names)) {
    self->m_results.push_back(*record);
  }
  return 0;
}
