// CVxEventLogQuery<T>: one query of a log table on the open database file,
// turning each row into a record of type T (EventLogBasket,
// PosEventLogBasket, EdgeRecordLogBasket, CounterLog, IVSCounterLog,
// CombinedCounterLog).
//
// Two ways to take the records:
//  - collecting (no row callback): each record is appended to the results,
//    which the query owns until ClearResults or destruction;
//  - row callback: each record is handed to the callback as soon as it is
//    read and is gone when the callback returns; the query keeps nothing
//    and the count stays 0.
//
// The query owns its open database file and closes it when destroyed.
// One thread at a time.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "vocabulary/counter_log.h"
#include "vocabulary/edge_record_log_basket.h"
#include "vocabulary/event_log_basket.h"
#include "store/log_database.h"
#include "store/log_row_reader.h"
#include "vocabulary/pos_event_log_basket.h"

template <class T>
class CVxEventLogQuery {
 public:
  // `record` is valid only during the call.
  using RowCallback = void (*)(const T& record, void* context);
  using Results = std::vector<std::unique_ptr<T>>;

  CVxEventLogQuery() = default;
  virtual ~CVxEventLogQuery() = default;
  CVxEventLogQuery(const CVxEventLogQuery&) = delete;
  CVxEventLogQuery& operator=(const CVxEventLogQuery&) = delete;

  // Runs "SELECT * FROM <table> [WHERE <where>] [ORDER BY <orderBy>];" on
  // the open file.  A file without the table counts as success with no
  // records.  `count` gets the number of records in the results.  On
  // failure the records read before stay where they went.
  bool Query(const char* table, const std::string& where, const std::string& orderBy, int* count);

  void ClearResults() { m_results.clear(); }
  // A null callback returns to collecting.
  void SetRowCallback(RowCallback callback, void* context) {
    m_callback = callback;
    m_context = context;
  }

  const Results& GetResults() const { return m_results; }
  // The statement the last query ran and the message of its last failure.
  const std::string& LastStatement() const { return m_statement; }
  const std::string& LastError() const { return m_error; }

 protected:
  CLogDatabase m_database;

 private:
  static bool ReadRow(void* query, sqlite3_stmt* row);

  Results m_results;
  RowCallback m_callback = nullptr;
  void* m_context = nullptr;
  CLogRowReader<T> m_reader;
  std::string m_statement;
  std::string m_error;
};

// Built once in the store library for each record type.
extern template class CVxEventLogQuery<EventLogBasket>;
extern template class CVxEventLogQuery<PosEventLogBasket>;
extern template class CVxEventLogQuery<EdgeRecordLogBasket>;
extern template class CVxEventLogQuery<CounterLog>;
extern template class CVxEventLogQuery<IVSCounterLog>;
extern template class CVxEventLogQuery<CombinedCounterLog>;
