#include "tools/vxpp-server/record_commands.h"

#include <re2/re2.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <set>

#include "platform/code_page.h"
#include "protocol/format_text.h"
#include "protocol/string_list.h"
#include "protocol/vxpp_bodies.h"
#include "protocol/wire_bytes.h"
#include "store/event_log_query_ctrl.h"
#include "tools/vxpp-server/command_helpers.h"
#include "tools/vxpp-server/recorded_video.h"
#include "tools/vxpp-server/system_log_writer.h"

namespace vxpp_server {
namespace {

constexpr const char* kBoundary = "vxpp-metadata-part";
// Entries an ADDSYSTEMLOG may carry.
constexpr int64_t kMaxLogEntries = 1000;
// A POSRECORD or METADATARECORD with "Using-RE: 1" takes its Key-Word as an
// RE2 regular expression (RE2 syntax: no backreferences, no lookaround),
// matched in time linear in the description whatever the pattern.  A pattern
// longer than kMaxPatternBytes bytes, one RE2 refuses (bad syntax, invalid
// UTF-8 on a UTF-8 system, repetition counts above 1000) or one whose
// compiled form needs more than kMaxPatternMemory bytes is answered
// "Error: InvalidExpression".  Keep README.md ("vxpp-server") in step.
//
// Linear in the description is not cheap for every such pattern: where
// RE2's DFA runs out of memory (a counted repetition like "[a-z]{1000}X"
// over long runs of letters) it falls back to a simulation that carries up
// to one state per instruction over each byte, ~20 ms per KB of
// description for that pattern.  So a search spends at most
// settings.maxPatternMatchTime (5 s) matching; then it stops and answers
// what it found with "Query-Too-Much: 1", as for too many records.
constexpr size_t kMaxPatternBytes = 1024;
constexpr int64_t kMaxPatternMemory = 1 << 20;

bool DayLogs(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  const RecordedVideo video = RecordedVideo::Read(context.installFolder);
  std::vector<std::string> days;
  for (const CDateTime& day : video.Days()) days.push_back(vxpp::FormatDay(day));
  if (request.version == kVersion1) {
    response.Add("Day-Count", static_cast<int64_t>(days.size()));
    for (const std::string& day : days) {
      vxpp::PutU32(&response.body, static_cast<uint32_t>(day.size()));
      response.body += day;
    }
    return true;
  }
  response.Add("Support-Record2", 1);
  response.Add("Channel-Count", static_cast<int64_t>(video.CameraCount()));
  AnswerContent(response, vxpp::WriteStringList(days));
  return true;
}

// The day of a "Date: %d/%d/%d" header.
CDateTime RequestDay(const VxppRequest& request) {
  int year = 0, month = 0, day = 0;
  if (std::sscanf(request.Text("Date").c_str(), "%d/%d/%d", &year, &month, &day) != 3) return CDateTime::Invalid();
  return CDateTime::FromFields(year, month, day);
}

std::vector<int> ChannelList(const std::string& text) {
  std::vector<int> channels;
  for (size_t at = 0; at < text.size();) {
    char* end = nullptr;
    const long channel = std::strtol(text.c_str() + at, &end, 10);
    if (end == text.c_str() + at) break;
    channels.push_back(static_cast<int>(channel));
    at = static_cast<size_t>(end - text.c_str());
    while (at < text.size() && (text[at] == ',' || text[at] == ' ')) ++at;
  }
  return channels;
}

bool RecLog(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  const RecordedVideo video = RecordedVideo::Read(context.installFolder);
  std::vector<int> channels = ChannelList(request.Text("Channel-List"));
  // A request for no channel asks for none, not for all.
  const std::string body =
      channels.empty() ? vxpp::EncodeRecordingSpans({})
                       : vxpp::EncodeRecordingSpans(video.SpansOfDay(RequestDay(request), channels));
  response.Add("Support-Record2", 1);
  response.Add("Channel-Count", static_cast<int64_t>(video.CameraCount()));
  response.Add("Support-SequenceNum", request.Number("Support-SequenceNum", 0));
  response.Add("Support-RecordIndex", 1);
  AnswerContent(response, body);
  return true;
}

bool RecLog2(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  const RecordedVideo video = RecordedVideo::Read(context.installFolder);
  AnswerContent(response, vxpp::EncodeRecordingSpans(video.SpansOfDay(RequestDay(request), {})));
  return true;
}

bool AddSystemLog(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  const int64_t count = request.Number("LogCount", -1);
  if (count < 0 || count > kMaxLogEntries) {
    response.Fail(400, "Bad Request");
    return true;
  }
  std::vector<std::string> entries;
  for (int64_t i = 0; i < count; ++i) {
    const std::string* entry = request.Find(vxpp::FormatText("LogInfo%04d", static_cast<int>(i)));
    if (entry == nullptr) {
      response.Fail(400, "Bad Request");
      return true;
    }
    entries.push_back(*entry);
  }
  std::string error;
  if (!AppendSystemLog(context.installFolder, static_cast<int32_t>(request.Number("LogType", 0)), entries,
                       CDateTime::Now(), &error))
    response.Fail(500, "Internal Server Error");
  return true;
}

// The POS records a POSRECORD or METADATARECORD asks for: of the listed
// sources ("1,2,"; none listed: all), within the range, whose description
// holds the key word (or, with "Using-RE: 1", matches it as a regular
// expression, see kMaxPatternBytes), at most `limit` of them.
struct PosSearch {
  std::vector<PosEventLogBasket> records;
  bool tooMuch = false;
  std::string error;  // not empty: the search could not be made
};

// The Key-Word of a search as a regular expression, or nothing when it is
// too long or RE2 cannot take it.  Descriptions are in the system code page:
// matched as UTF-8 on a UTF-8 system, byte by byte (Latin-1) otherwise.
std::unique_ptr<RE2> CompilePattern(const std::string& keyWord) {
  if (keyWord.size() > kMaxPatternBytes) return nullptr;
  RE2::Options options;
  options.set_log_errors(false);
  options.set_max_mem(kMaxPatternMemory);
  options.set_encoding(platform::SystemCodePage() == platform::kCodePageUtf8 ? RE2::Options::EncodingUTF8
                                                                             : RE2::Options::EncodingLatin1);
  auto pattern = std::make_unique<RE2>(keyWord, options);
  if (!pattern->ok()) return nullptr;
  return pattern;
}

PosSearch SearchPosRecords(ServerContext& context, const VxppRequest& request) {
  struct Matcher {
    std::set<uint32_t> sources;
    std::string keyWord;
    std::unique_ptr<RE2> pattern;
    size_t limit;
    PosSearch* search;
    std::chrono::steady_clock::duration matchTime{0}, maxMatchTime;
  };
  PosSearch search;
  Matcher matcher{{}, request.Text("Key-Word"), nullptr,
                  static_cast<size_t>(std::max(0, context.settings.maxPosRecords)), &search, {},
                  context.settings.maxPatternMatchTime};
  for (int id : ChannelList(request.Text("Pos-ID"))) matcher.sources.insert(static_cast<uint32_t>(id));
  if (request.Number("Using-RE", 0) == 1 && !matcher.keyWord.empty()) {
    matcher.pattern = CompilePattern(matcher.keyWord);
    if (!matcher.pattern) {
      search.error = "InvalidExpression";
      return search;
    }
  }
  CVxEventLogQueryCtrl<PosEventLogBasket> query;
  query.Initialise(context.installFolder);
  query.SetRowCallback(
      [](const PosEventLogBasket& record, void* data) {
        auto& m = *static_cast<Matcher*>(data);
        if (!m.sources.empty() && m.sources.count(record.PosId) == 0) return;
        if (m.pattern) {
          if (m.matchTime >= m.maxMatchTime) {  // see kMaxPatternBytes
            m.search->tooMuch = true;
            return;
          }
          const auto start = std::chrono::steady_clock::now();
          const bool matches = RE2::PartialMatch(record.Description, *m.pattern);
          m.matchTime += std::chrono::steady_clock::now() - start;
          if (!matches) return;
        } else if (record.Description.find(m.keyWord) == std::string::npos) {
          return;
        }
        if (m.search->records.size() >= m.limit) {
          m.search->tooMuch = true;
          return;
        }
        m.search->records.push_back(record);
      },
      &matcher);
  int count = 0;
  if (!query.Search({}, RequestTime(request, "Start-Date-Time"), RequestTime(request, "End-Date-Time"), &count))
    search.error = "QueryFailed";
  return search;
}

bool PosRecord(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  const PosSearch search = SearchPosRecords(context, request);
  if (!search.error.empty()) {
    response.Add("Error", search.error);
    return true;
  }
  response.Add("Pos-Record-Count", static_cast<int64_t>(search.records.size()));
  response.Add("Query-Too-Much", search.tooMuch ? 1 : 0);
  for (const PosEventLogBasket& record : search.records)
    response.body += vxpp::FormatText("Date-Time: %s\r\nPos-ID: %u\r\nCodepage: %u\r\nDescription-Length: %d\r\n"
                                      "Description: ",
                                      record.LogTime.FormatWire().c_str(), record.PosId, platform::SystemCodePage(),
                                      static_cast<int>(record.Description.size())) +
                     record.Description + "\r\nCamera-ID: " + record.CameraId.substr(0, record.CameraId.find_first_of("\r\n")) +
                     "\r\n";
  return true;
}

bool MetadataRecord(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  const PosSearch search = SearchPosRecords(context, request);
  if (!search.error.empty()) {
    response.Fail(400, "Bad Request");
    return true;
  }
  std::string& body = response.body;
  body = vxpp::FormatText("Content-Type: multipart/mixed; boundary=%s\r\n\r\n", kBoundary);
  for (const PosEventLogBasket& record : search.records)
    body += vxpp::FormatText("--%s\r\nContent-Type: text/plain\r\nDate-Time: %s\r\nPos-ID: %u\r\nCamera-ID: %s\r\n\r\n",
                             kBoundary, record.LogTime.FormatWire().c_str(), record.PosId,
                             record.CameraId.substr(0, record.CameraId.find_first_of("\r\n")).c_str()) +
            record.Description + "\r\n";
  body += vxpp::FormatText("--%s--\r\n", kBoundary);
  return true;
}

}  // namespace

void AddRecordCommands(CommandTable& table, ServerContext& context) {
  // GETDAYLOGS comes in both versions; each answer carries its request's.
  table.Add("GETDAYLOGS", "", ForSession(context, DayLogs));
  table.Add("GETRECLOG", kVersion2, ForSession(context, RecLog));
  table.Add("GETRECLOG2", kVersion2, ForSession(context, RecLog2));
  table.Add("ADDSYSTEMLOG", kVersion2, ForSession(context, AddSystemLog, kMayWriteSystemLog));
  table.Add("POSRECORD", kVersion2, ForSession(context, PosRecord));
  table.Add("METADATARECORD", kVersion2, ForSession(context, MetadataRecord));
}

}  // namespace vxpp_server
