// The log queries of CVXPPClient: events, system log, counting, POS, IVS
// and edge records, read into the record types of the local store.
#include <algorithm>
#include <cstdio>

#include "platform/code_page.h"
#include "protocol/format_text.h"
#include "protocol/header_reader.h"
#include "protocol/log_record_wire.h"
#include "protocol/record_reader.h"
#include "protocol/result_codes.h"
#include "protocol/vxpp_client.h"

using vxpp::SessionRequest;
using vxpp::HasServerError;

namespace {

constexpr const char* kVersion1 = "VXPP/1.0";
constexpr const char* kVersion2 = "VXPP/2.0";
constexpr uint32_t kNoUnsignedFilter = 4294967295u;
constexpr int kNoSignedFilter = -1;
// A Ravlo server's system log string is converted through at most this
// many UTF-16 units.
constexpr size_t kMaxSystemStringUnits = 600;

int SignedFilter(const int* value) { return value ? *value : kNoSignedFilter; }
uint32_t UnsignedFilter(const uint32_t* value) { return value ? *value : kNoUnsignedFilter; }

// "Start-Date-Time" and "End-Date-Time" lines: the wire form, or "null" for an open end.
std::string Range(const CDateTime& start, const CDateTime& end) {
  return vxpp::FormatText("Start-Date-Time: %s\r\nEnd-Date-Time: %s\r\n", start.FormatWire().c_str(),
                          end.FormatWire().c_str());
}

// The text-format flag rule: an answer of version 2.0 or later sets the
// flag; below it the flag stays as the caller passed it.  Returns whether
// the records come as text blocks.  The version is 1.0 when the header is
// absent and 0 when it is not a number.
bool TextFormat(const std::string& headers, int* flag) {
  float version = 1.0f;
  if (headers.find("VXPP-Version:") != std::string::npos) vxpp::HeaderDecimal(headers, "VXPP-Version:", &version);
  int unused = 0;
  int& textFormat = flag ? *flag : unused;
  if (version >= 2.0f) textFormat = 1;
  return textFormat == 1;
}

// The records a list makes room for at once: an announced count beyond it
// grows the list as records come, so a wild count costs nothing up front.
constexpr uint64_t kMaxReserved = 1 << 22;

// Reads `count` records of `layout` and appends what `make` builds of each.
template <typename Record, typename Make>
void ReadRecords(CNetHelper& net, uint64_t count, vxpp::RecordLayout layout, std::vector<Record>& records,
                 Make make) {
  records.reserve(records.size() + static_cast<size_t>(std::min(count, kMaxReserved)));
  vxpp::CRecordReader(net, layout).Read(count, [&](std::string_view bytes) { records.push_back(make(bytes)); });
}

// The reader of records that come as text blocks when the answer says so
// (see TextFormat) and else as binary records of `layout` built by `make`.
template <typename Record, typename ReadBlock, typename Make>
auto TextOrBinaryRecords(std::vector<Record>& records, int* textFormat, ReadBlock readBlock,
                         vxpp::RecordLayout layout, Make make) {
  return [&records, textFormat, readBlock, layout, make](CNetHelper& net, const std::string& headers,
                                                          uint64_t count) {
    if (TextFormat(headers, textFormat))
      ReadRecords(net, count, vxpp::RecordLayout::TextBlock(), records, readBlock);
    else
      ReadRecords(net, count, layout, records, make);
  };
}

// The same for records that have no binary form: an older server sends none.
template <typename Record, typename ReadBlock>
auto TextOnlyRecords(std::vector<Record>& records, int* textFormat, ReadBlock readBlock) {
  return [&records, textFormat, readBlock](CNetHelper& net, const std::string& headers, uint64_t count) {
    if (TextFormat(headers, textFormat))
      ReadRecords(net, count, vxpp::RecordLayout::TextBlock(), records, readBlock);
  };
}

// Event records, collected without an allocation each; their binary form
// carries the camera for IVSEVENTLOG only.
auto EventRecords(EventLogRecords& records, int* textFormat, bool withCamera) {
  return [&records, textFormat, withCamera](CNetHelper& net, const std::string& headers, uint64_t count) {
    const bool text = TextFormat(headers, textFormat);
    const vxpp::RecordLayout layout = text ? vxpp::RecordLayout::TextBlock()
                                           : vxpp::RecordLayout::LengthPrefixed(withCamera ? vxpp::kIvsEventHeadBytes
                                                                                           : vxpp::kEventHeadBytes);
    records.Reserve(records.size() + static_cast<size_t>(std::min(count, kMaxReserved)));
    vxpp::CRecordReader(net, layout).Read(count, [&](std::string_view bytes) {
      if (text)
        records.Add(vxpp::ReadEventBlock(bytes));
      else
        records.AddUntilNul(vxpp::GetEventRecord(bytes.data(), withCamera));
    });
  };
}

// The filter lines, the date range and the line that asks a server able to
// answer in text blocks to do so.
std::string TextQueryLines(const std::string& filters, const CDateTime& start, const CDateTime& end) {
  return filters + Range(start, end) + "VXPP-Version: 2.0\r\n";
}

// "POS-Index" and "POS-ID" both carry the POS id.
std::string PosLines(const int* eventNumber, const uint32_t* posId, const CDateTime& start, const CDateTime& end) {
  return TextQueryLines(vxpp::FormatText("Event-Number: %d\r\nPOS-Index: %u\r\nPOS-ID: %u\r\n",
                                         SignedFilter(eventNumber), UnsignedFilter(posId), UnsignedFilter(posId)),
                        start, end);
}

// A system log string of a Ravlo server: UTF-8, converted to the local code
// page and fitted to the record's 300-byte field.
std::string RavloSystemString(const std::string& utf8) {
  std::u16string units = platform::ToUtf16(utf8, platform::kCodePageUtf8);
  if (units.size() > kMaxSystemStringUnits) units.resize(kMaxSystemStringUnits);
  const std::string local = platform::FromUtf16(units, platform::SystemCodePage());
  return vxpp::FitToBytes(local, platform::SystemCodePage(), vxpp::kSystemStringBytes - 1);
}

}  // namespace

int CVXPPClient::LogExchange(const std::string& url, uint32_t session, const LogCommand& command,
                             const std::string& lines, const RecordsReader& readRecords) {
  bool serverError = false;
  const Answer answer = m_exchange.Exchange(
      url, {command.answerVersion, nullptr, kHeaderTimeoutMs, true},
      [&](int cseq) { return SessionRequest(command.word, url, command.version, cseq, session, lines); }, {},
      [&](CNetHelper& net, const std::string& headers) {
        if (command.knowsError && (serverError = HasServerError(headers))) return;
        uint64_t count = 0;
        if (command.unsignedCount) {
          uint32_t value = 0;
          vxpp::HeaderU32(headers, "Log-Count:", &value);
          count = value;
        } else {
          // No "Log-Count:" reads no records.
          int32_t value = 0;
          vxpp::HeaderInt(headers, "Log-Count:", &value);
          if (value < 0) throw vxpp::VxppError{vxpp::VxppError::kMalformed};
          count = static_cast<uint64_t>(value);
        }
        vxpp::CheckLimit(count, vxpp::kMaxLogRecords, "Log-Count:");
        if (command.readsContentLength) {
          int32_t length = 0;
          vxpp::HeaderInt(headers, "Content-Length:", &length);
          if (length < 0) throw vxpp::VxppError{vxpp::VxppError::kMalformed};
        }
        readRecords(net, headers, count);
      });
  if (serverError) return vxpp::kResultServerError;
  return answer.Ok() ? vxpp::kResultSuccess : vxpp::kResultFailure;
}

int CVXPPClient::EventLog(const std::string& url, uint32_t session, const int* eventNumber, const uint32_t* cameraId,
                          const CDateTime& start, const CDateTime& end, EventLogRecords& records,
                          const uint32_t* channelIndex, int* textFormat) {
  const std::string filters =
      vxpp::FormatText("Event-Number: %d\r\nChannel-Index: %u\r\nCamera-ID: %u\r\n", SignedFilter(eventNumber),
                       UnsignedFilter(channelIndex), UnsignedFilter(cameraId));
  return LogExchange(
      url, session,
      {.word = "EVENTLOG", .version = kVersion1, .answerVersion = kVersion1, .knowsError = true,
       .readsContentLength = true},
      TextQueryLines(filters, start, end), EventRecords(records, textFormat, false));
}

int CVXPPClient::IVSEventLog(const std::string& url, uint32_t session, const uint32_t* ivsDeviceId,
                             const int* ruleType, const CDateTime& start, const CDateTime& end,
                             EventLogRecords& records, int* textFormat) {
  const std::string filters = vxpp::FormatText("IVSDevice-ID: %u\r\nIVSRule-Type: %d\r\n",
                                               UnsignedFilter(ivsDeviceId), SignedFilter(ruleType));
  return LogExchange(
      url, session,
      {.word = "IVSEVENTLOG", .version = kVersion1, .answerVersion = kVersion1, .knowsError = true,
       .readsContentLength = true},
      TextQueryLines(filters, start, end), EventRecords(records, textFormat, true));
}

int CVXPPClient::SystemLog(const std::string& url, uint32_t session, const int* systemLogNumber,
                           const CDateTime& start, const CDateTime& end, std::vector<SystemLogRecord>& records) {
  const bool ravlo = m_serverKind == vxpp::kServerKindRavlo;
  return LogExchange(
      url, session, {.word = "SYSTEMLOG", .version = kVersion1, .answerVersion = kVersion1, .knowsError = true},
      vxpp::FormatText("System-Log-Number: %d\r\n", SignedFilter(systemLogNumber)) + Range(start, end),
      [&](CNetHelper& net, const std::string&, uint64_t count) {
        ReadRecords(net, count, vxpp::RecordLayout::Fixed(vxpp::kSystemRecordBytes), records,
                    [ravlo](std::string_view bytes) {
                      SystemLogRecord record = vxpp::GetSystemRecord(bytes.data());
                      if (ravlo) record.EventString = RavloSystemString(record.EventString);
                      return record;
                    });
      });
}

int CVXPPClient::CountingLog(const std::string& url, uint32_t session, const uint32_t* cameraId,
                             const CDateTime& start, const CDateTime& end, std::vector<CounterLog>& records,
                             const uint32_t* channelIndex, int* textFormat) {
  const std::string filters = vxpp::FormatText("Channel-Index: %u\r\nCamera-ID: %u\r\n", UnsignedFilter(channelIndex),
                                               UnsignedFilter(cameraId));
  return LogExchange(
      url, session, {.word = "COUNTINGLOG", .version = kVersion1, .answerVersion = kVersion1, .knowsError = true},
      TextQueryLines(filters, start, end),
      TextOrBinaryRecords(records, textFormat, vxpp::ReadCountingBlock,
                          vxpp::RecordLayout::Fixed(vxpp::kCountingRecordBytes),
                          [](std::string_view bytes) { return vxpp::GetCountingRecord(bytes.data()); }));
}

int CVXPPClient::IVSCountingLog(const std::string& url, uint32_t session, const uint32_t* ivsDeviceId,
                                const CDateTime& start, const CDateTime& end, std::vector<IVSCounterLog>& records,
                                const uint32_t* channelIndex, int* textFormat) {
  const std::string filters = vxpp::FormatText("Channel-Index: %u\r\nIVSDevice-ID: %u\r\n",
                                               UnsignedFilter(channelIndex), UnsignedFilter(ivsDeviceId));
  return LogExchange(
      url, session, {.word = "IVSCOUNTINGLOG", .version = kVersion1, .answerVersion = kVersion1, .knowsError = true},
      TextQueryLines(filters, start, end), TextOnlyRecords(records, textFormat, vxpp::ReadIvsCountingBlock));
}

int CVXPPClient::CombinedCountingLog(const std::string& url, uint32_t session, const uint32_t* counterId,
                                     const CDateTime& start, const CDateTime& end,
                                     std::vector<CombinedCounterLog>& records) {
  return LogExchange(
      url, session,
      {.word = "COMBINEDCOUNTINGLOG", .version = kVersion2, .answerVersion = kVersion2, .knowsError = true,
       .unsignedCount = true},
      TextQueryLines(vxpp::FormatText("CounterID: %u\r\n", UnsignedFilter(counterId)), start, end),
      [&](CNetHelper& net, const std::string&, uint64_t count) {
        ReadRecords(net, count, vxpp::RecordLayout::TextBlock(), records, vxpp::ReadCombinedCountingBlock);
      });
}

int CVXPPClient::EdgeRecordLog(const std::string& url, uint32_t session, const int* eventNumber,
                               const uint32_t* cameraId, const CDateTime& start, const CDateTime& end,
                               std::vector<EdgeRecordLogBasket>& records, int* textFormat) {
  const std::string filters = vxpp::FormatText("Event-Number: %d\r\nCamera-ID: %u\r\n", SignedFilter(eventNumber),
                                               UnsignedFilter(cameraId));
  // Asked with VXPP/2.0; its answer carries VXPP/1.0.
  return LogExchange(url, session,
                     {.word = "EDGERECORDLOG", .version = kVersion2, .answerVersion = kVersion1, .knowsError = true,
                      .readsContentLength = true},
                     TextQueryLines(filters, start, end),
                     TextOnlyRecords(records, textFormat, vxpp::ReadEdgeRecordBlock));
}

bool CVXPPClient::PosEventLog(const std::string& url, uint32_t session, const int* eventNumber, const uint32_t* posId,
                              const CDateTime& start, const CDateTime& end, std::vector<PosEventLogBasket>& records) {
  // A Vantor server from version 3,2 on answers the newer query, whose
  // records keep their line breaks and cameras.
  if (GetServerInfo(url, session) && m_serverKind == vxpp::kServerKindVantor) {
    int a = 0, b = 0, c = 0, d = 0;
    std::sscanf(m_serverDescription.c_str(), "Vantor %d,%d,%d,%d", &a, &b, &c, &d);
    if (a > 3 || (a == 3 && b >= 2))
      return PosEventLog2(url, session, eventNumber, posId, start, end, records) == vxpp::kResultSuccess;
  }
  return LogExchange(url, session,
                     {.word = "POSEVENTLOG", .version = kVersion1, .answerVersion = kVersion1,
                      .readsContentLength = true},
                     PosLines(eventNumber, posId, start, end),
                     [&](CNetHelper& net, const std::string&, uint64_t count) {
                       ReadRecords(net, count, vxpp::RecordLayout::LengthPrefixed(vxpp::kEventHeadBytes), records,
                                   [](std::string_view bytes) { return vxpp::GetPosEventRecord(bytes.data()); });
                     }) == vxpp::kResultSuccess;
}

int CVXPPClient::PosEventLog2(const std::string& url, uint32_t session, const int* eventNumber, const uint32_t* posId,
                              const CDateTime& start, const CDateTime& end, std::vector<PosEventLogBasket>& records) {
  return LogExchange(url, session,
                     {.word = "POSEVENTLOG2", .version = kVersion1, .answerVersion = kVersion1, .knowsError = true,
                      .readsContentLength = true},
                     PosLines(eventNumber, posId, start, end),
                     [&](CNetHelper& net, const std::string&, uint64_t count) {
                       for (uint64_t i = 0; i < count; ++i)
                         records.push_back(vxpp::ReadPosEventBlock(ReceivePosBlock(net)));
                     });
}

std::string CVXPPClient::ReceivePosBlock(CNetHelper& net) {
  // Either a "Content-Length:" line and a block of that many bytes, or the
  // block itself, its first line already read.
  std::string line = net.RecvUntil("\r\n", kHeaderTimeoutMs);
  int32_t length = 0;
  if (!vxpp::HeaderInt(line, "Content-Length:", &length)) return line + net.RecvHeaders(kHeaderTimeoutMs);
  if (length < 0) throw vxpp::VxppError{vxpp::VxppError::kMalformed};
  // A block longer than the record buffer is read to its end, to stay in
  // step with the answer, and cut: only its first bytes are read as headers.
  std::string block;
  const size_t kept = std::min<size_t>(static_cast<size_t>(length), vxpp::kPosBlockLimit);
  net.RecvAppend(&block, kept);
  std::string rest;
  for (size_t left = static_cast<size_t>(length) - kept; left > 0;) {
    const size_t piece = std::min<size_t>(left, vxpp::kPosBlockLimit);
    rest.clear();
    net.RecvAppend(&rest, piece);
    left -= piece;
  }
  return block;
}
