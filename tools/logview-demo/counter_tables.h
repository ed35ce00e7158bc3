// The three counting tables of the event databases, one result per counter
// and hour:
// - CounterTable ("CounterLog"): people in and out per counting camera;
// - IvsCounterTable ("IVSCounterLog"): readings of the analytics devices'
//   counters — up-counters (type 1) and a down-counter (type 2) that run from
//   midnight and are marked reset after the last reading of the day, and a
//   plain occupancy reading (type 0);
// - CombinedCounterTable ("CombinedCounterLog"): people per hour of each
//   combined counter.
// Each also carries a few results of a camera, device or counter that the
// site has since removed.
#pragma once

#include "tools/logview-demo/demo_table.h"

class CounterTable final : public DemoTable {
 public:
  const char* CreateSql() const override;
  const char* InsertSql() const override;
  bool WriteDay(const DemoDay& day, SqliteStatement& insert, std::string* error) override;
  bool IsCounting() const override { return true; }
};

class IvsCounterTable final : public DemoTable {
 public:
  const char* CreateSql() const override;
  const char* InsertSql() const override;
  bool WriteDay(const DemoDay& day, SqliteStatement& insert, std::string* error) override;
  bool IsCounting() const override { return true; }
};

class CombinedCounterTable final : public DemoTable {
 public:
  const char* CreateSql() const override;
  const char* InsertSql() const override;
  bool WriteDay(const DemoDay& day, SqliteStatement& insert, std::string* error) override;
  bool IsCounting() const override { return true; }
};
