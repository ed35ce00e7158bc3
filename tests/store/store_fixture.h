// Small log installations for the store tests: a temporary root folder and
// databases written through a connection of the test's own.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "shell/date_time.h"

namespace store_test {

// A fresh folder below $TMPDIR, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::string& Path() const { return m_path; }
  // Path of `relative` below the folder; its parent folders are created.
  std::string operator/(const std::string& relative) const;

 private:
  std::string m_path;
};

struct EventRow {
  int64_t logTime;
  int channelIndex;
  int64_t cameraId;
  int eventNumber;
  std::string description;
};

// Runs `sql` on the database at `path`, creating it; fails the test on error.
void WriteDatabase(const std::string& path, const std::string& sql);
// "EventLog" table with the given rows (Id 1, 2, ...).
std::string EventLogSql(const std::vector<EventRow>& rows);
void WriteFile(const std::string& path, const std::string& contents);
std::string ReadFile(const std::string& path);
// Every file below `folder` (by name) with its size and a hash of its
// contents, to show that a search wrote nothing.
std::map<std::string, std::string> Snapshot(const std::string& folder);

inline CDateTime Day(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
  return CDateTime::FromFields(y, m, d, h, mi, s);
}

}  // namespace store_test
