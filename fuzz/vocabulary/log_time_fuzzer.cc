// A time text in each of its forms (a database's LogTime, a list cell, the
// wire form).  A valid time must survive its own form: written and read
// again, it is the same time (for the years four digits can write).
#include <cstddef>
#include <cstdint>
#include <string>

#include "vocabulary/date_time.h"

namespace {

bool Writable(const CDateTime& time) {
  if (!time.IsValid()) return false;
  const int year = time.Split().year;
  return year >= 0 && year <= 9999;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const CDateTime logTime = CDateTime::ParseLogTime(text.c_str());
  if (Writable(logTime) && CDateTime::ParseLogTime(logTime.FormatLogTimeMs().c_str()) != logTime) __builtin_trap();
  CDateTime cell;
  if (CDateTime::ParseListCell(text.c_str(), cell)) {
    CDateTime again;
    if (Writable(cell) && (!CDateTime::ParseListCell(cell.FormatListCell().c_str(), again) || again != cell))
      __builtin_trap();
  }
  const CDateTime wire = CDateTime::ParseWire(text.c_str());
  if (Writable(wire) && CDateTime::ParseWire(wire.FormatWire().c_str()) != wire) __builtin_trap();
  logTime.FormatLogTime();
  logTime.QueryLiteral();
  wire.DailyFileName("EventLog");
  return 0;
}
