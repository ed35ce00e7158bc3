// PosTable: table "PosEventLog" — what the site's registers reported:
// transactions (start, end with the receipt's lines, cash drawer opened),
// the ten user-defined rules 305 to 314 firing inside a transaction, and the
// odd lost connection.  Code 303 does not exist and is never written.
// CameraId holds the cameras of the register as pairs "1:<camera index>".
#pragma once

#include "tools/logview-demo/demo_table.h"

class PosTable final : public DemoTable {
 public:
  const char* CreateSql() const override;
  const char* InsertSql() const override;
  bool WriteDay(const DemoDay& day, SqliteStatement& insert, std::string* error) override;
};
