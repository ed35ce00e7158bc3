// EventTable: table "EventLog" of the event databases — unusual events of
// every kind the viewer knows (motion and its variants, analytics, signal
// loss, system health, digital inputs, edge and compound events) and the
// analytics rule events that the IVS page lists by channel index.  Motion is
// the most common; a few records belong to cameras, analytics devices or
// edge event types that the site no longer has.
//
// A digital input without camera stores CameraId -2: the viewer reads the
// column with a signed decimal conversion into an unsigned field, which
// turns it into 4294967294, the "no camera" value.
#pragma once

#include "tools/logview-demo/demo_table.h"

class EventTable final : public DemoTable {
 public:
  const char* CreateSql() const override;
  const char* InsertSql() const override;
  bool WriteDay(const DemoDay& day, SqliteStatement& insert, std::string* error) override;
};
