// AppendSystemLog: adds entries to the system log of an installation, as the
// recording server logs what a client reports (ADDSYSTEMLOG).  The rows go
// into table "SysLog" of the day's daily database (made when missing), or
// into the single "SystemLog.db" of an installation that keeps only that.
// Safe from any thread: SQLite serialises the writers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vocabulary/date_time.h"

namespace vxpp_server {

// One row per entry, all of `logType`, at `time`; parameters -1.  False
// with *error when the database cannot be written (nothing is added then).
bool AppendSystemLog(const std::string& installFolder, int32_t logType, const std::vector<std::string>& entries,
                     const CDateTime& time, std::string* error);

}  // namespace vxpp_server
