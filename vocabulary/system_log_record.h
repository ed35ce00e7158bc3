// SystemLogRecord: one operation of the system log (table "SysLog"): start
// and stop of services, logins, configuration changes.  A plain value.
#pragma once

#include <cstdint>
#include <string>

#include "vocabulary/date_time.h"

struct SystemLogRecord {
  CDateTime LogTime;        // also filled from a column named "max(LogTime)"
  int32_t EventNumber = 0;  // the log type
  std::string EventString;
  int32_t Param1 = -1;      // a parameter the row does not carry stays -1
  int32_t Param2 = -1;
  int32_t Param3 = -1;
  int32_t Param4 = -1;
  int32_t Param5 = -1;

  bool operator==(const SystemLogRecord&) const = default;
};
