#include "protocol/log_record_wire.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstring>
#include <tuple>

#include "platform/code_page.h"
#include "protocol/format_text.h"
#include "protocol/header_reader.h"
#include "protocol/wire_bytes.h"

namespace vxpp {
namespace {

// Header names of the text blocks, with their colon as the readers take
// them; the writers leave the colon where it is and add the blank.
constexpr char kEventTime[] = "EventLog-LogTime:";
constexpr char kEventNumber[] = "EventLog-EventNumber:";
constexpr char kEventChannel[] = "EventLog-ChannelIndex:";
constexpr char kEventCamera[] = "EventLog-CameraId:";
constexpr char kEventDescription[] = "EventLog-Description:";
constexpr char kCountingTime[] = "CountingLog-LogTime:";
constexpr char kCountingChannel[] = "CountingLog-ChannelIndex:";
constexpr char kCountingCamera[] = "CountingLog-CameraId:";
constexpr char kCountingIn[] = "CountingLog-Count_in:";
constexpr char kCountingOut[] = "CountingLog-Count_out:";
constexpr char kIvsTime[] = "IVSCountingLog-LogTime:";
constexpr char kIvsDevice[] = "IVSCountingLog-IVSDeviceID:";
constexpr char kIvsDeviceId[] = "IVSCountingLog-DeviceID:";
constexpr char kIvsCounter[] = "IVSCountingLog-CounterID:";
constexpr char kIvsName[] = "IVSCountingLog-CounterName:";
constexpr char kIvsType[] = "IVSCountingLog-CounterType:";
constexpr char kIvsResult[] = "IVSCountingLog-CounterResult:";
constexpr char kIvsReset[] = "IVSCountingLog-Reset:";
constexpr char kCombinedTime[] = "LogTime:";
constexpr char kCombinedCounter[] = "CounterID:";
constexpr char kCombinedResult[] = "CounterResult:";
constexpr char kPosTime[] = "Log-Time:";
constexpr char kPosRule[] = "Rule-Type:";
constexpr char kPosId[] = "POS-ID:";
constexpr char kPosCameras[] = "Associated-Cameras:";
constexpr char kPosDescription[] = "Description:";

constexpr char kPosCr = 11;
constexpr char kPosLf = 14;

// The text up to its first line break: a block line cannot hold more.
std::string_view OneLine(std::string_view text) { return text.substr(0, text.find_first_of("\r\n")); }

// One "Name: value" line of a block.
void Line(std::string* out, const char* name, std::string_view value) {
  out->append(name);
  out->push_back(' ');
  out->append(OneLine(value));
  out->append("\r\n");
}
// Numbers and times are formatted on the stack: a block is written for
// every record of an answer.
template <typename Number>
void NumberLine(std::string* out, const char* name, Number value) {
  char text[16];
  const char* end = std::to_chars(text, text + sizeof text, value).ptr;
  Line(out, name, std::string_view(text, static_cast<size_t>(end - text)));
}
void Line(std::string* out, const char* name, uint32_t value) { NumberLine(out, name, value); }
void Line(std::string* out, const char* name, int32_t value) { NumberLine(out, name, value); }
void Line(std::string* out, const char* name, const CDateTime& time) {
  char text[CDateTime::kWireChars];
  Line(out, name, std::string_view(text, time.FormatWireTo(text)));
}

void PutDescription(std::string* out, const std::string& text) {
  const size_t length = std::min<size_t>(text.size(), INT32_MAX);
  PutI32(out, static_cast<int32_t>(length));
  out->append(text, 0, length);
}

// How the readers take a signed field: as "%u" reads it (most blocks), or
// as "%d" does.
enum class SignedText { kAsUnsigned, kAsSigned };

// One line of a record's text block: its header name and the member it
// carries.  A block's fields, a tuple, are both its writer's line order and
// its reader's names, so the two cannot drift apart; being a tuple, they
// are walked at compile time, as hand-written code would be.
template <typename Record, typename Value>
struct BlockField {
  const char* name;
  Value Record::*member;
  SignedText signedText;
};

template <typename Record, typename Value>
constexpr BlockField<Record, Value> Field(const char* name, Value Record::*member,
                                          SignedText signedText = SignedText::kAsUnsigned) {
  return {name, member, signedText};
}

// The value of the name at `index`, read into *value.  A time the block does
// not have is null; a number it does not have keeps *value.
void ReadValue(const HeaderIndex& block, size_t index, SignedText, CDateTime* value) {
  std::string_view text;
  if (!block.Text(index, &text)) {
    *value = CDateTime::Null();
    return;
  }
  // Every record of a text answer has its time: a wire time fits the
  // buffer, anything longer is read as it is.
  char terminated[32];
  if (text.size() < sizeof terminated) {
    text.copy(terminated, text.size());
    terminated[text.size()] = '\0';
    *value = CDateTime::ParseWire(terminated);
  } else {
    *value = CDateTime::ParseWire(std::string(text).c_str());
  }
}
void ReadValue(const HeaderIndex& block, size_t index, SignedText, uint32_t* value) {
  uint32_t read = 0;
  if (block.U32(index, &read)) *value = read;
}
void ReadValue(const HeaderIndex& block, size_t index, SignedText how, int32_t* value) {
  if (how == SignedText::kAsSigned) {
    int32_t read = 0;
    if (block.Int(index, &read)) *value = read;
  } else {
    uint32_t read = 0;
    if (block.U32(index, &read)) *value = static_cast<int32_t>(read);
  }
}
void ReadValue(const HeaderIndex& block, size_t index, SignedText, std::string* value) { block.Text(index, value); }
void ReadValue(const HeaderIndex& block, size_t index, SignedText, std::string_view* value) {
  block.Text(index, value);
}

// The lines of `fields`, in their order, without the empty line.
template <typename Record, typename... Values>
void PutLines(std::string* out, const Record& record, const std::tuple<BlockField<Record, Values>...>& fields) {
  std::apply([&](const auto&... field) { (Line(out, field.name, record.*field.member), ...); }, fields);
}

// A whole block: the lines of `fields` and the empty line.
template <typename Record, typename... Values>
void PutBlock(std::string* out, const Record& record, const std::tuple<BlockField<Record, Values>...>& fields) {
  PutLines(out, record, fields);
  out->append("\r\n");
}

// A fresh record with the values of `fields` that `block` holds.
template <typename Record, typename... Values>
Record ReadBlock(std::string_view block, const std::tuple<BlockField<Record, Values>...>& fields) {
  static_assert(sizeof...(Values) <= HeaderIndex::kMaxNames, "a block reads at most kMaxNames headers");
  return std::apply(
      [block](const auto&... field) {
        const HeaderIndex index(block, {field.name...});
        Record record;
        size_t at = 0;
        (ReadValue(index, at++, field.signedText, &(record.*field.member)), ...);
        return record;
      },
      fields);
}

// The description comes last in every block: a text that happens to hold a
// header name then cannot hide the real header, which the readers find first.
constexpr auto kEventFields = std::make_tuple(
    Field(kEventTime, &EventLogView::LogTime),
    Field(kEventNumber, &EventLogView::EventNumber),
    Field(kEventChannel, &EventLogView::ChannelIndex),
    Field(kEventCamera, &EventLogView::CameraId),
    Field(kEventDescription, &EventLogView::Description));
constexpr auto kCountingFields = std::make_tuple(
    Field(kCountingTime, &CounterLog::LogTime),
    Field(kCountingChannel, &CounterLog::ChannelIndex),
    Field(kCountingCamera, &CounterLog::CameraId),
    Field(kCountingIn, &CounterLog::CountIn),
    Field(kCountingOut, &CounterLog::CountOut));
constexpr auto kIvsCountingFields = std::make_tuple(
    Field(kIvsTime, &IVSCounterLog::LogTime),
    Field(kIvsDevice, &IVSCounterLog::IVSDeviceId),
    Field(kIvsDeviceId, &IVSCounterLog::DeviceId),
    Field(kIvsCounter, &IVSCounterLog::CounterId),
    Field(kIvsType, &IVSCounterLog::CounterType),
    Field(kIvsResult, &IVSCounterLog::CounterResult),
    Field(kIvsReset, &IVSCounterLog::Reset),
    Field(kIvsName, &IVSCounterLog::CounterName));
constexpr auto kCombinedCountingFields = std::make_tuple(
    Field(kCombinedTime, &CombinedCounterLog::LogTime),
    Field(kCombinedCounter, &CombinedCounterLog::CounterID),
    Field(kCombinedResult, &CombinedCounterLog::CounterResult, SignedText::kAsSigned));
constexpr auto kEdgeRecordFields = std::make_tuple(
    Field(kEventTime, &EdgeRecordLogBasket::LogTime),
    Field(kEventNumber, &EdgeRecordLogBasket::LogType),
    Field(kEventCamera, &EdgeRecordLogBasket::CameraId));
// The description of a POS block is fitted and has its line breaks replaced,
// so it is written and read on its own, after these.
constexpr auto kPosEventFields = std::make_tuple(
    Field(kPosTime, &PosEventLogBasket::LogTime),
    Field(kPosRule, &PosEventLogBasket::EventRuleId),
    Field(kPosId, &PosEventLogBasket::PosId),
    Field(kPosCameras, &PosEventLogBasket::CameraId));

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

PosEventLogBasket GetPosEventRecord(const char* bytes) {
  PosEventLogBasket record;
  record.LogTime = GetDateTime(bytes);
  record.EventRuleId = GetI32(bytes + 16);
  record.PosId = GetU32(bytes + 20);
  const auto length = static_cast<size_t>(GetI32(bytes + kEventHeadBytes));
  const char* text = bytes + kEventHeadBytes + 4;
  record.Description.assign(text, ::strnlen(text, length));
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

void PutEventBlock(std::string* out, const EventLogBasket& record) { PutBlock(out, ViewOf(record), kEventFields); }

void PutCountingBlock(std::string* out, const CounterLog& record) { PutBlock(out, record, kCountingFields); }

void PutIvsCountingBlock(std::string* out, const IVSCounterLog& record) { PutBlock(out, record, kIvsCountingFields); }

void PutCombinedCountingBlock(std::string* out, const CombinedCounterLog& record) {
  PutBlock(out, record, kCombinedCountingFields);
}

void PutEdgeRecordBlock(std::string* out, const EdgeRecordLogBasket& record) {
  PutBlock(out, record, kEdgeRecordFields);
}

void PutPosEventBlock(std::string* out, const PosEventLogBasket& record) {
  std::string block;
  PutLines(&block, record, kPosEventFields);
  std::string description = record.Description;
  std::replace(description.begin(), description.end(), '\r', kPosCr);
  std::replace(description.begin(), description.end(), '\n', kPosLf);
  const size_t room = kPosBlockLimit - std::min(kPosBlockLimit, block.size() + std::strlen(kPosDescription) + 5);
  Line(&block, kPosDescription, FitToBytes(description, platform::SystemCodePage(), room));
  block.append("\r\n");
  out->append(FormatText("Content-Length: %u\r\n", static_cast<unsigned>(block.size())));
  out->append(block);
}

namespace {

// The writer's lines, taken one after the other from *at, which moves past
// what was taken.  Names are compared as arrays of known length, which the
// compiler does without a library call: a text answer passes every record here.

// Whether `name` (with its colon) stands at `at`.
template <size_t N>
bool HasNameAt(std::string_view block, size_t at, const char (&name)[N]) {
  constexpr size_t kLength = N - 1;
  return block.size() - at >= kLength && std::memcmp(block.data() + at, name, kLength) == 0;
}

// "`name` ": the name with its colon and one blank.
template <size_t N>
bool TakeName(std::string_view block, size_t* at, const char (&name)[N]) {
  constexpr size_t kLength = N - 1;
  if (!HasNameAt(block, *at, name) || block.size() - *at == kLength || block[*at + kLength] != ' ') return false;
  *at += kLength + 1;
  return true;
}

bool TakeLineEnd(std::string_view block, size_t* at) {
  if (block.size() - *at < 2 || block[*at] != '\r' || block[*at + 1] != '\n') return false;
  *at += 2;
  return true;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "`name` " and a line of an optional minus and 1 to 19 digits, taken as
// "%u" takes them (a minus negates modulo 2^64).
template <size_t N>
bool TakeNumberLine(std::string_view block, size_t* at, const char (&name)[N], uint32_t* value) {
  if (!TakeName(block, at, name)) return false;
  const bool negative = *at < block.size() && block[*at] == '-';
  size_t end = *at + (negative ? 1 : 0);
  const size_t digits = end;
  uint64_t number = 0;
  for (; end < block.size() && end - digits < 20 && IsDigit(block[end]); ++end)
    number = number * 10 + static_cast<uint64_t>(block[end] - '0');
  if (end == digits || end - digits > 19) return false;
  *at = end;
  *value = static_cast<uint32_t>(negative ? 0 - number : number);
  return TakeLineEnd(block, at);
}

// "`name` " and a line "YYYY/MM/DD;hh:mm:ss", the wire time as the writer
// writes it; checked and read in one straight pass.
template <size_t N>
bool TakeTimeLine(std::string_view block, size_t* at, const char (&name)[N], CDateTime* time) {
  constexpr size_t kLength = 19;
  if (!TakeName(block, at, name) || block.size() - *at < kLength) return false;
  const char* text = block.data() + *at;
  if (text[4] != '/' || text[7] != '/' || text[10] != ';' || text[13] != ':' || text[16] != ':') return false;
  bool digits = true;
  const auto number = [text, &digits](size_t from, size_t count) {
    unsigned value = 0;
    for (size_t i = from; i < from + count; ++i) {
      const unsigned digit = static_cast<unsigned>(static_cast<unsigned char>(text[i])) - '0';
      digits &= digit <= 9;
      value = value * 10 + digit;
    }
    return static_cast<int>(value);
  };
  const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
  const int hour = number(11, 2), minute = number(14, 2), second = number(17, 2);
  if (!digits) return false;
  *time = CDateTime::FromFields(year, month, day, hour, minute, second);
  *at += kLength;
  return TakeLineEnd(block, at);
}

// An event block laid out as its writer lays it out: the fields' lines in
// their order, a plain time, plain numbers.  Read line by line, such a block
// gives what the name search gives: the text before each line holds only
// other names (none a suffix of another) and digits and separators, so no
// name occurs before its own line.  False for any other block.
bool ReadWriterEventBlock(std::string_view block, EventLogView* record) {
  size_t at = 0;
  uint32_t eventNumber = 0, channelIndex = 0;
  if (!TakeTimeLine(block, &at, kEventTime, &record->LogTime) ||
      !TakeNumberLine(block, &at, kEventNumber, &eventNumber) ||
      !TakeNumberLine(block, &at, kEventChannel, &channelIndex) ||
      !TakeNumberLine(block, &at, kEventCamera, &record->CameraId))
    return false;
  if (!HasNameAt(block, at, kEventDescription)) return false;
  record->EventNumber = static_cast<int32_t>(eventNumber);
  record->ChannelIndex = static_cast<int32_t>(channelIndex);
  record->Description = HeaderValueAt(block, at + sizeof kEventDescription - 1);
  return true;
}

}  // namespace

EventLogView ReadEventBlock(std::string_view block) {
  EventLogView record;
  if (ReadWriterEventBlock(block, &record)) return record;
  return SearchEventBlock(block);
}

EventLogView SearchEventBlock(std::string_view block) { return ReadBlock(block, kEventFields); }

CounterLog ReadCountingBlock(std::string_view block) { return ReadBlock(block, kCountingFields); }

IVSCounterLog ReadIvsCountingBlock(std::string_view block) { return ReadBlock(block, kIvsCountingFields); }

CombinedCounterLog ReadCombinedCountingBlock(std::string_view block) {
  return ReadBlock(block, kCombinedCountingFields);
}

EdgeRecordLogBasket ReadEdgeRecordBlock(std::string_view block) {
  EdgeRecordLogBasket record = ReadBlock(block, kEdgeRecordFields);
  HeaderText(block, kEventCamera, &record.Description);
  return record;
}

PosEventLogBasket ReadPosEventBlock(std::string_view block) {
  PosEventLogBasket record = ReadBlock(block, kPosEventFields);
  if (HeaderText(block, kPosDescription, &record.Description)) {
    std::replace(record.Description.begin(), record.Description.end(), kPosCr, '\r');
    std::replace(record.Description.begin(), record.Description.end(), kPosLf, '\n');
  }
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
