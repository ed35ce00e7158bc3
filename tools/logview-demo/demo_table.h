// DemoTable: one table of a log database and the rows the site produced in
// one day.  The log file writer (log_file_writer.h) creates the table, keeps
// its insert statement and asks it for each day's rows; a table keeps no
// state between days, so any day can be written alone and gives the same rows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vocabulary/date_time.h"
#include "tools/logview-demo/demo_random.h"
#include "tools/logview-demo/demo_world.h"
#include "tools/logview-demo/format.h"
#include "tools/logview-demo/sqlite_file.h"

// The day being written.
struct DemoDay {
  const DemoWorld& world;
  CDateTime midnight;
  int eventsPerDay;  // the size of the day: other tables scale from it
  uint64_t seed;

  // A chance source of its own for each table (`tableKey`) and day.
  DemoRandom Random(uint64_t tableKey) const;
  // Days since 1601-01-01: turns the coverage of record kinds from day to day.
  int64_t DayNumber() const { return midnight.GetTicks() / CDateTime::kTicksPerDay; }
  // The 14-digit LogTime of a second of this day.
  int64_t LogTime(int secondOfDay) const;
  // The same moment in the list form "%04d/%02d/%02d %02d:%02d:%02d";
  // seconds outside the day move into the days around it.
  std::string ListTime(int secondOfDay) const;
};

class DemoTable {
 public:
  virtual ~DemoTable() = default;
  virtual const char* CreateSql() const = 0;
  virtual const char* InsertSql() const = 0;
  // Inserts the day's rows, in ascending time.
  virtual bool WriteDay(const DemoDay& day, SqliteStatement& insert, std::string* error) = 0;
  // A table of counting results, which the archive keeps for a whole year.
  virtual bool IsCounting() const { return false; }
};

// Seconds of the day for `count` records, ascending, busier in working
// hours than at night.
std::vector<int> TimesOfDay(DemoRandom& random, int count);

// The kind of each of `count` records, in random order: every kind of
// `weights` once first (as far as `count` allows; which kinds a short day
// gets turns with `dayNumber`, so a few days together hold all of them), the
// rest drawn by weight.
std::vector<int> PlanKinds(DemoRandom& random, int count, const std::vector<int>& weights,
                           int64_t dayNumber);
