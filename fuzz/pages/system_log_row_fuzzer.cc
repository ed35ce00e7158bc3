// A system log record whose event string came from a database or a server,
// made into the cells of both lists.  The first four bytes are the event
// number and parameter 1; the rest is the event string.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "pages/system/system_log_rows.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  SystemLogRecord record;
  record.EventNumber = static_cast<int8_t>(data[0]);
  int16_t param = 0;
  std::memcpy(&param, data + 1, 2);
  record.Param1 = param;
  record.LogTime = CDateTime::FromFields(2024, 3, 5, 12, 0, data[3] % 60);
  record.EventString.assign(reinterpret_cast<const char*>(data) + 4, size - 4);
  static const CSysLogRowTexts texts;
  SystemLogStatus everything;
  std::memset(&everything, 1, sizeof everything);
  texts.LocalRow(record, everything);
  const auto remote = texts.RemoteRow(record);
  // The level and the message are the event string cut in two at one "|".
  if (remote && remote->size() == 5 && (*remote)[3].size() + (*remote)[4].size() > record.EventString.size())
    __builtin_trap();
  return 0;
}
