#include "tools/logview-demo/log_file_writer.h"

#include "tools/logview-demo/counter_tables.h"
#include "tools/logview-demo/edge_record_table.h"
#include "tools/logview-demo/event_table.h"
#include "tools/logview-demo/pos_table.h"
#include "tools/logview-demo/system_log_table.h"

LogFileWriter::LogFileWriter(std::vector<std::unique_ptr<DemoTable>> tables) : m_tables(std::move(tables)) {}

LogFileWriter LogFileWriter::ForEventLog() {
  std::vector<std::unique_ptr<DemoTable>> tables;
  tables.push_back(std::make_unique<EventTable>());
  tables.push_back(std::make_unique<CounterTable>());
  tables.push_back(std::make_unique<IvsCounterTable>());
  tables.push_back(std::make_unique<CombinedCounterTable>());
  tables.push_back(std::make_unique<PosTable>());
  tables.push_back(std::make_unique<EdgeRecordTable>());
  return LogFileWriter(std::move(tables));
}

LogFileWriter LogFileWriter::ForSystemLog() {
  std::vector<std::unique_ptr<DemoTable>> tables;
  tables.push_back(std::make_unique<SystemLogTable>());
  return LogFileWriter(std::move(tables));
}

bool LogFileWriter::Create(const std::string& path) {
  m_inserts.clear();
  if (!m_file.Create(path)) return false;
  for (const auto& table : m_tables) {
    if (!m_file.Exec(table->CreateSql())) return false;
    std::unique_ptr<SqliteStatement> insert = m_file.Prepare(table->InsertSql());
    if (insert == nullptr) return false;
    m_inserts.push_back(std::move(insert));
  }
  return true;
}

bool LogFileWriter::HasCountingTables() const {
  for (const auto& table : m_tables) {
    if (table->IsCounting()) return true;
  }
  return false;
}

bool LogFileWriter::WriteDay(const DemoDay& day, bool countingOnly) {
  if (!m_file.Exec("BEGIN;")) return false;
  for (size_t i = 0; i < m_tables.size(); ++i) {
    if (countingOnly && !m_tables[i]->IsCounting()) continue;
    std::string error;
    if (!m_tables[i]->WriteDay(day, *m_inserts[i], &error)) {
      m_file.SetError(error);
      m_file.Exec("ROLLBACK;");
      return false;
    }
  }
  return m_file.Exec("COMMIT;");
}

bool LogFileWriter::Close() {
  m_inserts.clear();  // statements are finalised before their connection closes
  return m_file.Close();
}
