// EdgeRecordTable: table "EdgeRecordLog" — the steps of retrieving video
// that cameras recorded on their own storage while the recorder missed it:
// check (3), start (0), then end (1) or stop (2); a failed query (4); and
// retrieval switched off (6) and on again (5).  A few records name a camera
// the site no longer has.
#pragma once

#include "tools/logview-demo/demo_table.h"

class EdgeRecordTable final : public DemoTable {
 public:
  const char* CreateSql() const override;
  const char* InsertSql() const override;
  bool WriteDay(const DemoDay& day, SqliteStatement& insert, std::string* error) override;
};
