// SystemLogTable: table "SysLog" of the system log databases — what the
// recorder and its users did: every local log type from 1 to 54, logins and
// logouts most often, configuration changes (type 16, whose texts are the
// English phrases the language packs translate), camera connections lost and
// regained, and the export, backup, file-record deletion and automatic
// backup records (34, 35, 38, 41) with their structured event strings.
// Param1 is the zero-based channel of the camera concerned, or -1; the other
// parameters are -1.
#pragma once

#include "tools/logview-demo/demo_table.h"

class SystemLogTable final : public DemoTable {
 public:
  const char* CreateSql() const override;
  const char* InsertSql() const override;
  bool WriteDay(const DemoDay& day, SqliteStatement& insert, std::string* error) override;
};
