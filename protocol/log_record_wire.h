// How the log records travel in VXPP answers: the binary records and the
// text blocks of each log query.  vxpp-server writes them, the client reads
// them; the layouts and header names live only here.
//
// Binary records (little-endian, no separators):
//   event      date-time(16), event number u32, channel index u32, [camera id
//              u32 for IVSEVENTLOG], description length i32, description bytes
//   POS event  date-time(16), rule type u32, POS id u32, length i32, bytes
//   system     344 bytes: date-time(16), event number i32, event string of
//              300 bytes NUL-terminated, Param1..Param5 i32, 4 bytes padding
//   counting   32 bytes: date-time(16), channel index u32, count in u32,
//              count out u32, 4 bytes padding
// Text blocks: "Name: value" lines and an empty line; times in the wire form
// ("%Y/%m/%d;%H:%M:%S", "null" for a time that is not valid).  A text value
// ends at its first line break, the one thing a block cannot carry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "protocol/wire_bytes.h"
#include "vocabulary/counter_log.h"
#include "vocabulary/edge_record_log_basket.h"
#include "vocabulary/event_log_basket.h"
#include "vocabulary/event_log_records.h"
#include "vocabulary/pos_event_log_basket.h"
#include "vocabulary/system_log_record.h"

namespace vxpp {

constexpr size_t kEventHeadBytes = 24;     // EVENTLOG and POSEVENTLOG, before the length
constexpr size_t kIvsEventHeadBytes = 28;  // IVSEVENTLOG, before the length
constexpr size_t kSystemRecordBytes = 344;
constexpr size_t kSystemStringBytes = 300;
constexpr size_t kCountingRecordBytes = 32;
// The camera id of a binary counting record, which carries none.
constexpr uint32_t kNoCountingCamera = 4294967294u;

// Binary records.  A description longer than an i32 can count is cut.
void PutEventRecord(std::string* out, const EventLogBasket& record, bool withCamera);
void PutPosEventRecord(std::string* out, const PosEventLogBasket& record);
// `eventString` is the text as it travels (already in the server's
// encoding); it is cut to 299 bytes, whole characters of `codePage`.
void PutSystemRecord(std::string* out, const SystemLogRecord& record, const std::string& eventString,
                     unsigned codePage);
void PutCountingRecord(std::string* out, const CounterLog& record);

// Readers of one complete record.  `bytes` holds the head, the length and
// `length` description bytes (event records), or the fixed size.  The
// client reads a description into a terminated buffer, so it ends at its
// first NUL: the POS reader cuts it there; the event reader leaves the
// `length` bytes as they are, for the collection to cut while it copies
// them (EventLogRecords::AddUntilNul), since it takes every record of a
// large answer and is inline.  A description is a view into `bytes`.
inline EventLogView GetEventRecord(const char* bytes, bool withCamera) {
  EventLogView record;
  record.LogTime = GetDateTime(bytes);
  record.EventNumber = GetI32(bytes + 16);
  record.ChannelIndex = GetI32(bytes + 20);
  if (withCamera) record.CameraId = GetU32(bytes + 24);
  const char* length = bytes + (withCamera ? kIvsEventHeadBytes : kEventHeadBytes);
  record.Description = std::string_view(length + 4, static_cast<size_t>(GetI32(length)));
  return record;
}
PosEventLogBasket GetPosEventRecord(const char* bytes);
// The event string is left as the bytes hold it (up to the first NUL).
SystemLogRecord GetSystemRecord(const char* bytes);
CounterLog GetCountingRecord(const char* bytes);

// Text blocks (each ends with the empty line).
void PutEventBlock(std::string* out, const EventLogBasket& record);
void PutCountingBlock(std::string* out, const CounterLog& record);
void PutIvsCountingBlock(std::string* out, const IVSCounterLog& record);
void PutCombinedCountingBlock(std::string* out, const CombinedCounterLog& record);
void PutEdgeRecordBlock(std::string* out, const EdgeRecordLogBasket& record);
// A POSEVENTLOG2 record: "Content-Length: n" on a line of its own, then a
// header block of n bytes ("Log-Time", "Rule-Type", "POS-ID",
// "Associated-Cameras", "Description").  Line breaks of the description travel as the
// characters 11 (CR) and 14 (LF); the description is cut so that the block
// stays within kPosBlockLimit bytes.
void PutPosEventBlock(std::string* out, const PosEventLogBasket& record);
constexpr size_t kPosBlockLimit = 11264;

// Fields whose header is absent keep the value of a fresh record, with the
// time null.  An event record's description is a view into `block`.
EventLogView ReadEventBlock(std::string_view block);
// The same by searching the block for each name, as the other readers do;
// ReadEventBlock reads the writer's own layout line by line, faster, and
// always gives what this gives.
EventLogView SearchEventBlock(std::string_view block);
CounterLog ReadCountingBlock(std::string_view block);
IVSCounterLog ReadIvsCountingBlock(std::string_view block);
CombinedCounterLog ReadCombinedCountingBlock(std::string_view block);
// The text of "EventLog-CameraId:" also fills the record's text field, the
// description: the block carries no description of its own.
EdgeRecordLogBasket ReadEdgeRecordBlock(std::string_view block);
PosEventLogBasket ReadPosEventBlock(std::string_view block);

// Cuts `text` of `codePage` to at most `maxBytes` bytes without splitting a
// character.
std::string FitToBytes(std::string_view text, unsigned codePage, size_t maxBytes);

}  // namespace vxpp
