#include "store/event_log_query.h"

#include <sqlite3.h>

#include "store/log_columns.h"
#include "store/query_condition.h"

template <class T>
bool CVxEventLogQuery<T>::Query(const char* table, const std::string& where,
                                const std::string& orderBy, int* count) {
  m_statement = SelectStatement(table, where, orderBy);
  m_reader.Restart();
  const int rc = m_database.Execute(m_statement, ReadRow, this, &m_error);
  *count = static_cast<int>(m_results.size());
  return rc == SQLITE_OK || CLogDatabase::IsNoSuchTable(m_error);
}

template <class T>
bool CVxEventLogQuery<T>::ReadRow(void* query, sqlite3_stmt* row) {
  auto* self = static_cast<CVxEventLogQuery<T>*>(query);
  if (self == nullptr) return false;  // nobody to read for: stop the statement
  const T* record = self->m_reader.Read(row);
  if (record == nullptr) return true;
  if (self->m_callback != nullptr) {
    self->m_callback(*record, self->m_context);
  } else {
    // A copy holds its texts in buffers of their own length.
    self->m_results.push_back(std::make_unique<T>(*record));
  }
  return true;
}

template class CVxEventLogQuery<EventLogBasket>;
template class CVxEventLogQuery<PosEventLogBasket>;
template class CVxEventLogQuery<EdgeRecordLogBasket>;
template class CVxEventLogQuery<CounterLog>;
template class CVxEventLogQuery<IVSCounterLog>;
template class CVxEventLogQuery<CombinedCounterLog>;
