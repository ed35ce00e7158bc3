// A row of a log table as SQLite hands it over: every column of every
// record type is read from the same cell text, which a damaged or foreign
// database may fill with anything.
#include <cstddef>
#include <cstdint>
#include <string>

#include "store/log_columns.h"

namespace {

template <class T>
void ReadEveryColumn(const char* text) {
  T record{};
  for (const LogColumn<T>& column : LogColumnsOf<T>()) column.read(record, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  ReadEveryColumn<EventLogBasket>(text.c_str());
  ReadEveryColumn<PosEventLogBasket>(text.c_str());
  ReadEveryColumn<EdgeRecordLogBasket>(text.c_str());
  ReadEveryColumn<CounterLog>(text.c_str());
  ReadEveryColumn<IVSCounterLog>(text.c_str());
  ReadEveryColumn<CombinedCounterLog>(text.c_str());
  ReadEveryColumn<SystemLogRecord>(text.c_str());
  return 0;
}
