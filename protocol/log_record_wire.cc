#include "protocol/log_record_wire.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/code_page.h"
#include "protocol/format_text.h"
#include "protocol/header_reader.h"
#include "protocol/wire_bytes.h"

namespace vxpp {
namespace {

// Header names of the text blocks, with their colon as the readers take
// them; the writers leave the colon where it is and add the blank.
constexpr const char* kEventTime = "EventLog-LogTime:";
constexpr const char* kEventNumber = "EventLog-EventNumber:";
constexpr const char* kEventChannel = "EventLog-ChannelIndex:";
constexpr const char* kEventCamera = "EventLog-CameraId:";
constexpr const char* kEventDescription = "EventLog-Description:";
constexpr const char* kCountingTime = "CountingLog-LogTime:";
constexpr const char* kCountingChannel = "CountingLog-ChannelIndex:";
constexpr const char* kCountingCamera = "CountingLog-CameraId:";
constexpr const char* kCountingIn = "CountingLog-Count_in:";
constexpr const char* kCountingOut = "CountingLog-Count_out:";
constexpr const char* kIvsTime = "IVSCountingLog-LogTime:";
constexpr const char* kIvsDevice = "IVSCountingLog-IVSDeviceID:";
constexpr const char* kIvsDeviceId = "IVSCountingLog-DeviceID:";
constexpr const char* kIvsCounter = "IVSCountingLog-CounterID:";
constexpr const char* kIvsName = "IVSCountingLog-CounterName:";
constexpr const char* kIvsType = "IVSCountingLog-CounterType:";
constexpr const char* kIvsResult = "IVSCountingLog-CounterResult:";
constexpr const char* kIvsReset = "IVSCountingLog-Reset:";
constexpr const char* kCombinedTime = "LogTime:";
constexpr const char* kCombinedCounter = "CounterID:";
constexpr const char* kCombinedResult = "CounterResult:";
constexpr const char* kPosTime = "Log-Time:";
constexpr const char* kPosRule = "Rule-Type:";
constexpr const char* kPosId = "POS-ID:";
constexpr const char* kPosCameras = "Associated-Cameras:";
constexpr const char* kPosDescription = "Description:";

constexpr char kPosCr = 11;
constexpr char kPosLf = 14;

// The text up to its first line break: a block line cannot hold more.
std::string_view OneLine(std::string_view text) { return text.substr(0, text.find_first_of("\r\n")); }

void Line(std::string* out, const char* name, std::string_view value) {
  out->append(name);
  out->push_back(' ');
  out->append(OneLine(value));
  out->append("\r\n");
}
void Line(std::string* out, const char* name, uint32_t value) { Line(out, name, FormatText("%u", value)); }
void SignedLine(std::string* out, const char* name, int32_t value) { Line(out, name, FormatText("%d", value)); }
void TimeLine(std::string* out, const char* name, const CDateTime& time) { Line(out, name, time.FormatWire()); }

void PutDescription(std::string* out, const std::string& text) {
  const size_t length = std::min<size_t>(text.size(), INT32_MAX);
  PutI32(out, static_cast<int32_t>(length));
  out->append(text, 0, length);
}

// A description as the client reads it: into a terminated buffer, so it
// ends at its first NUL.
std::string DescriptionAt(const char* bytes) {
  const auto length = static_cast<size_t>(GetI32(bytes));
  return std::string(bytes + 4, ::strnlen(bytes + 4, length));
}

// A time of a block, or the null time when the block has none.
CDateTime TimeAt(const HeaderIndex& block, size_t index) {
  std::string text;
  return block.Text(index, &text) ? CDateTime::ParseWire(text.c_str()) : CDateTime::Null();
}
uint32_t U32At(const HeaderIndex& block, size_t index) {
  uint32_t value = 0;
  block.U32(index, &value);
  return value;
}
// The signed fields travel as "%u" reads them.
int32_t SignedAt(const HeaderIndex& block, size_t index) { return static_cast<int32_t>(U32At(block, index)); }

}  // namespace

void PutEventRecord(std::string* out, const EventLogBasket& record, bool withCamera) {
  PutDateTime(out, record.LogTime);
  PutI32(out, record.EventNumber);
  PutI32(out, record.ChannelIndex);
  if (withCamera) PutU32(out, record.CameraId);
  PutDescription(out, record.Description);
}

void PutPosEventRecord(std::string* out, const PosEventLogBasket& record) {
  PutDateTime(out, record.LogTime);
  PutI32(out, record.EventRuleId);
  PutU32(out, record.PosId);
  PutDescription(out, record.Description);
}

void PutSystemRecord(std::string* out, const SystemLogRecord& record, const std::string& eventString,
                     unsigned codePage) {
  PutDateTime(out, record.LogTime);
  PutI32(out, record.EventNumber);
  const std::string text = FitToBytes(eventString, codePage, kSystemStringBytes - 1);
  out->append(text);
  out->append(kSystemStringBytes - text.size(), '\0');
  for (int32_t param : {record.Param1, record.Param2, record.Param3, record.Param4, record.Param5})
    PutI32(out, param);
  PutU32(out, 0);
}

void PutCountingRecord(std::string* out, const CounterLog& record) {
  PutDateTime(out, record.LogTime);
  PutI32(out, record.ChannelIndex);
  PutI32(out, record.CountIn);
  PutI32(out, record.CountOut);
  PutU32(out, 0);
}

EventLogBasket GetEventRecord(const char* bytes, bool withCamera) {
  EventLogBasket record;
  record.LogTime = GetDateTime(bytes);
  record.EventNumber = GetI32(bytes + 16);
  record.ChannelIndex = GetI32(bytes + 20);
  if (withCamera) record.CameraId = GetU32(bytes + 24);
  record.Description = DescriptionAt(bytes + (withCamera ? kIvsEventHeadBytes : kEventHeadBytes));
  return record;
}

PosEventLogBasket GetPosEventRecord(const char* bytes) {
  PosEventLogBasket record;
  record.LogTime = GetDateTime(bytes);
  record.EventRuleId = GetI32(bytes + 16);
  record.PosId = GetU32(bytes + 20);
  record.Description = DescriptionAt(bytes + kEventHeadBytes);
  return record;
}

SystemLogRecord GetSystemRecord(const char* bytes) {
  SystemLogRecord record;
  record.LogTime = GetDateTime(bytes);
  record.EventNumber = GetI32(bytes + 16);
  record.EventString.assign(bytes + 20, ::strnlen(bytes + 20, kSystemStringBytes));
  record.Param1 = GetI32(bytes + 320);
  record.Param2 = GetI32(bytes + 324);
  record.Param3 = GetI32(bytes + 328);
  record.Param4 = GetI32(bytes + 332);
  record.Param5 = GetI32(bytes + 336);
  return record;
}

CounterLog GetCountingRecord(const char* bytes) {
  CounterLog record;
  record.LogTime = GetDateTime(bytes);
  record.ChannelIndex = GetI32(bytes + 16);
  record.CameraId = kNoCountingCamera;
  record.CountIn = GetI32(bytes + 20);
  record.CountOut = GetI32(bytes + 24);
  return record;
}

// The description comes last in every block: a text that happens to hold a
// header name then cannot hide the real header, which the readers find first.
void PutEventBlock(std::string* out, const EventLogBasket& record) {
  TimeLine(out, kEventTime, record.LogTime);
  SignedLine(out, kEventNumber, record.EventNumber);
  SignedLine(out, kEventChannel, record.ChannelIndex);
  Line(out, kEventCamera, record.CameraId);
  Line(out, kEventDescription, record.Description);
  out->append("\r\n");
}

void PutCountingBlock(std::string* out, const CounterLog& record) {
  TimeLine(out, kCountingTime, record.LogTime);
  SignedLine(out, kCountingChannel, record.ChannelIndex);
  Line(out, kCountingCamera, record.CameraId);
  SignedLine(out, kCountingIn, record.CountIn);
  SignedLine(out, kCountingOut, record.CountOut);
  out->append("\r\n");
}

void PutIvsCountingBlock(std::string* out, const IVSCounterLog& record) {
  TimeLine(out, kIvsTime, record.LogTime);
  Line(out, kIvsDevice, record.IVSDeviceId);
  Line(out, kIvsDeviceId, record.DeviceId);
  Line(out, kIvsCounter, record.CounterId);
  SignedLine(out, kIvsType, record.CounterType);
  SignedLine(out, kIvsResult, record.CounterResult);
  SignedLine(out, kIvsReset, record.Reset);
  Line(out, kIvsName, record.CounterName);
  out->append("\r\n");
}

void PutCombinedCountingBlock(std::string* out, const CombinedCounterLog& record) {
  TimeLine(out, kCombinedTime, record.LogTime);
  Line(out, kCombinedCounter, record.CounterID);
  SignedLine(out, kCombinedResult, record.CounterResult);
  out->append("\r\n");
}

void PutEdgeRecordBlock(std::string* out, const EdgeRecordLogBasket& record) {
  TimeLine(out, kEventTime, record.LogTime);
  SignedLine(out, kEventNumber, record.LogType);
  Line(out, kEventCamera, record.CameraId);
  out->append("\r\n");
}

void PutPosEventBlock(std::string* out, const PosEventLogBasket& record) {
  std::string block;
  TimeLine(&block, kPosTime, record.LogTime);
  SignedLine(&block, kPosRule, record.EventRuleId);
  Line(&block, kPosId, record.PosId);
  Line(&block, kPosCameras, record.CameraId);
  std::string description = record.Description;
  std::replace(description.begin(), description.end(), '\r', kPosCr);
  std::replace(description.begin(), description.end(), '\n', kPosLf);
  const size_t room = kPosBlockLimit - std::min(kPosBlockLimit, block.size() + std::strlen(kPosDescription) + 5);
  Line(&block, kPosDescription, FitToBytes(description, platform::SystemCodePage(), room));
  block.append("\r\n");
  out->append(FormatText("Content-Length: %u\r\n", static_cast<unsigned>(block.size())));
  out->append(block);
}

EventLogBasket ReadEventBlock(std::string_view block) {
  const HeaderIndex h(block, {kEventTime, kEventNumber, kEventChannel, kEventCamera, kEventDescription});
  EventLogBasket record;
  record.LogTime = TimeAt(h, 0);
  record.EventNumber = SignedAt(h, 1);
  record.ChannelIndex = SignedAt(h, 2);
  record.CameraId = U32At(h, 3);
  h.Text(4, &record.Description);
  return record;
}

CounterLog ReadCountingBlock(std::string_view block) {
  const HeaderIndex h(block, {kCountingTime, kCountingChannel, kCountingCamera, kCountingIn, kCountingOut});
  CounterLog record;
  record.LogTime = TimeAt(h, 0);
  record.ChannelIndex = SignedAt(h, 1);
  record.CameraId = U32At(h, 2);
  record.CountIn = SignedAt(h, 3);
  record.CountOut = SignedAt(h, 4);
  return record;
}

IVSCounterLog ReadIvsCountingBlock(std::string_view block) {
  const HeaderIndex h(block, {kIvsTime, kIvsDevice, kIvsDeviceId, kIvsCounter, kIvsName, kIvsType, kIvsResult, kIvsReset});
  IVSCounterLog record;
  record.LogTime = TimeAt(h, 0);
  record.IVSDeviceId = U32At(h, 1);
  record.DeviceId = U32At(h, 2);
  record.CounterId = U32At(h, 3);
  h.Text(4, &record.CounterName);
  record.CounterType = SignedAt(h, 5);
  record.CounterResult = SignedAt(h, 6);
  record.Reset = SignedAt(h, 7);
  return record;
}

CombinedCounterLog ReadCombinedCountingBlock(std::string_view block) {
  const HeaderIndex h(block, {kCombinedTime, kCombinedCounter, kCombinedResult});
  CombinedCounterLog record;
  record.LogTime = TimeAt(h, 0);
  if (!h.U32(1, &record.CounterID)) record.CounterID = CombinedCounterLog::kNoCounter;
  h.Int(2, &record.CounterResult);
  return record;
}

EdgeRecordLogBasket ReadEdgeRecordBlock(std::string_view block) {
  const HeaderIndex h(block, {kEventTime, kEventNumber, kEventCamera});
  EdgeRecordLogBasket record;
  record.LogTime = TimeAt(h, 0);
  record.LogType = SignedAt(h, 1);
  record.CameraId = U32At(h, 2);
  h.Text(2, &record.Description);
  return record;
}

PosEventLogBasket ReadPosEventBlock(std::string_view block) {
  const HeaderIndex h(block, {kPosTime, kPosRule, kPosId, kPosDescription, kPosCameras});
  PosEventLogBasket record;
  record.LogTime = TimeAt(h, 0);
  record.EventRuleId = SignedAt(h, 1);
  record.PosId = U32At(h, 2);
  if (h.Text(3, &record.Description)) {
    std::replace(record.Description.begin(), record.Description.end(), kPosCr, '\r');
    std::replace(record.Description.begin(), record.Description.end(), kPosLf, '\n');
  }
  h.Text(4, &record.CameraId);
  return record;
}

std::string FitToBytes(std::string_view text, unsigned codePage, size_t maxBytes) {
  if (text.size() <= maxBytes) return std::string(text);
  // Whole characters only: drop UTF-16 units (a surrogate pair at once)
  // from the end until the text fits.
  std::u16string units = platform::ToUtf16(text.substr(0, maxBytes + 4), codePage);
  for (;;) {
    std::string fitted = platform::FromUtf16(units, codePage);
    if (fitted.size() <= maxBytes) return fitted;
    units.pop_back();
    if (!units.empty() && units.back() >= 0xD800 && units.back() <= 0xDBFF) units.pop_back();
  }
}

}  // namespace vxpp
