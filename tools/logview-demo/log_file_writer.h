// LogFileWriter: writes one log database — a daily file, an archive or a
// legacy single file — day by day.  Each day is one transaction over all
// tables of the file, so a daily file of the event log gets its events,
// counts, register events and edge records in one go.  The writer owns its
// tables and its file; one file at a time (Create closes the previous one).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tools/logview-demo/demo_table.h"
#include "tools/logview-demo/sqlite_file.h"

class LogFileWriter {
 public:
  explicit LogFileWriter(std::vector<std::unique_ptr<DemoTable>> tables);

  // The tables of the event databases: EventLog, CounterLog, IVSCounterLog,
  // CombinedCounterLog, PosEventLog, EdgeRecordLog.
  static LogFileWriter ForEventLog();
  // The table of the system log databases: SysLog.
  static LogFileWriter ForSystemLog();

  // A new file at `path` (an existing one is replaced) with empty tables.
  bool Create(const std::string& path);
  static constexpr bool kCountingOnly = true;
  // The day's rows of every table, or of the counting tables only.
  bool WriteDay(const DemoDay& day, bool countingOnly = false);
  bool HasCountingTables() const;
  bool Close();
  const std::string& Error() const { return m_file.Error(); }

 private:
  std::vector<std::unique_ptr<DemoTable>> m_tables;
  std::vector<std::unique_ptr<SqliteStatement>> m_inserts;  // one per table, in table order
  SqliteFile m_file;
};
