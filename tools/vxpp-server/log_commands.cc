#include "tools/vxpp-server/log_commands.h"

#include "platform/code_page.h"
#include "protocol/log_record_wire.h"
#include "store/event_log_query_ctrl.h"
#include "store/system_log_query_ctrl.h"
#include "tools/vxpp-server/command_helpers.h"

namespace vxpp_server {
namespace {

constexpr int64_t kNoUnsignedFilter = 4294967295ll;
constexpr int64_t kNoSignedFilter = -1;
// The first word of the "Error:" answer when the store could not search.
constexpr const char* kQueryFailed = "QueryFailed";

std::optional<uint32_t> UnsignedFilter(const VxppRequest& request, const char* name) {
  const int64_t value = request.Number(name, kNoUnsignedFilter);
  if (value == kNoUnsignedFilter || value < 0 || value > kNoUnsignedFilter) return std::nullopt;
  return static_cast<uint32_t>(value);
}

std::optional<int32_t> SignedFilter(const VxppRequest& request, const char* name) {
  const int64_t value = request.Number(name, kNoSignedFilter);
  if (value == kNoSignedFilter || value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

template <typename Record>
using RecordWriter = std::function<void(std::string*, const Record&)>;
template <typename Record>
using RecordTest = std::function<bool(const Record&)>;

// The records of one answer, encoded as they come out of the store, each
// into a reused buffer and from there into the answer's large text.
template <typename Record>
struct Encoder {
  RecordTest<Record> keep;  // all records when empty
  RecordWriter<Record> put;
  std::string record;
  platform::LargeText body;
  int64_t count = 0;

  static void Take(const Record& record, void* self) {
    auto& encoder = *static_cast<Encoder*>(self);
    if (encoder.keep && !encoder.keep(record)) return;
    encoder.record.clear();
    encoder.put(&encoder.record, record);
    encoder.body.Append(encoder.record);
    ++encoder.count;
  }
};

// Searches the installation's event databases and answers the records that
// `keep` lets through (all when it is empty), each written by `put`, or
// "Error:" when the search failed.  `contentLength`: the answer says how
// long its records are.  The connection always carries on.
template <typename Record>
bool AnswerSearch(ServerContext& context, const VxppRequest& request, VxppResponse& response,
                  const typename LogTable<Record>::Filter& filter, RecordWriter<Record> put, bool contentLength,
                  RecordTest<Record> keep = {}) {
  Encoder<Record> encoder{std::move(keep), std::move(put), {}, {}, 0};
  CVxEventLogQueryCtrl<Record> query;
  query.Initialise(context.installFolder);
  query.SetRowCallback(&Encoder<Record>::Take, &encoder);
  int ignored = 0;
  if (!query.Search(filter, RequestTime(request, "Start-Date-Time"), RequestTime(request, "End-Date-Time"),
                    &ignored)) {
    response.Add("Error", std::string(kQueryFailed) + " " + query.LastError());
    return true;
  }
  response.Add("Log-Count", encoder.count);
  if (contentLength) response.Add("Content-Length", static_cast<int64_t>(encoder.body.size()));
  response.records = std::move(encoder.body);
  return true;
}

bool Text(const ServerContext& context) { return context.settings.SendsTextBlocks(); }

// Event records as text blocks or as binary records, whose IVSEVENTLOG form
// carries the camera.
bool AnswerEvents(ServerContext& context, const VxppRequest& request, VxppResponse& response,
                  const EventLogFilter& filter, bool withCamera) {
  RecordWriter<EventLogBasket> put = vxpp::PutEventBlock;
  if (!Text(context))
    put = [withCamera](std::string* out, const EventLogBasket& r) { vxpp::PutEventRecord(out, r, withCamera); };
  return AnswerSearch<EventLogBasket>(context, request, response, filter, put, true);
}

bool EventLog(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  EventLogFilter filter;
  if (const auto number = SignedFilter(request, "Event-Number")) {
    const auto channel = UnsignedFilter(request, "Channel-Index");
    filter.event = EventNumberFilter{*number, channel ? static_cast<int32_t>(*channel) : -1};
  }
  filter.cameraId = UnsignedFilter(request, "Camera-ID");
  return AnswerEvents(context, request, response, filter, false);
}

bool IvsEventLog(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  // Analytics events: event numbers 10000-19999, the device as the channel
  // and the rule type as the camera, as the local IVS search asks.
  const auto device = UnsignedFilter(request, "IVSDevice-ID");
  EventLogFilter filter;
  filter.event = EventNumberFilter{10000, device ? static_cast<int32_t>(*device) : -1};
  if (const auto rule = SignedFilter(request, "IVSRule-Type")) filter.cameraId = static_cast<uint32_t>(*rule);
  return AnswerEvents(context, request, response, filter, true);
}

bool CountingLog(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  CounterLogFilter filter;
  filter.cameraId = UnsignedFilter(request, "Camera-ID");
  // The counter tables have no channel condition: the channel narrows the
  // records as they come.
  RecordTest<CounterLog> keep;
  if (const auto channel = UnsignedFilter(request, "Channel-Index"))
    keep = [channel = static_cast<int32_t>(*channel)](const CounterLog& r) { return r.ChannelIndex == channel; };
  return AnswerSearch<CounterLog>(context, request, response, filter,
                                  Text(context) ? vxpp::PutCountingBlock : vxpp::PutCountingRecord, false, keep);
}

bool IvsCountingLog(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  IVSCounterLogFilter filter;
  filter.deviceId = UnsignedFilter(request, "IVSDevice-ID");
  // Text blocks are the only form of these records.
  return AnswerSearch<IVSCounterLog>(context, request, response, filter, vxpp::PutIvsCountingBlock, false);
}

bool CombinedCountingLog(ServerContext& context, const VxppRequest& request, ServerConnection&,
                         VxppResponse& response) {
  CombinedCounterLogFilter filter;
  filter.counterId = UnsignedFilter(request, "CounterID");
  return AnswerSearch<CombinedCounterLog>(context, request, response, filter, vxpp::PutCombinedCountingBlock, false);
}

bool EdgeRecordLog(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  EdgeRecordLogFilter filter;
  filter.logType = SignedFilter(request, "Event-Number");
  filter.cameraId = UnsignedFilter(request, "Camera-ID");
  return AnswerSearch<EdgeRecordLogBasket>(context, request, response, filter, vxpp::PutEdgeRecordBlock, true);
}

PosEventLogFilter PosFilter(const VxppRequest& request) {
  PosEventLogFilter filter;
  filter.eventRuleId = SignedFilter(request, "Event-Number");
  filter.posId = UnsignedFilter(request, "POS-ID");
  return filter;
}

bool PosEventLog(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  return AnswerSearch<PosEventLogBasket>(context, request, response, PosFilter(request), vxpp::PutPosEventRecord,
                                         true);
}

bool PosEventLog2(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  return AnswerSearch<PosEventLogBasket>(context, request, response, PosFilter(request), vxpp::PutPosEventBlock,
                                         true);
}

bool SystemLog(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  CVxSystemLogQueryCtrl query;
  query.Initialise(context.installFolder);
  int count = 0;
  if (!query.Search(SignedFilter(request, "System-Log-Number"), RequestTime(request, "Start-Date-Time"),
                    RequestTime(request, "End-Date-Time"), &count)) {
    response.Add("Error", std::string(kQueryFailed) + " " + query.LastError());
    return true;
  }
  // A Ravlo server keeps its system log strings in UTF-8.
  const bool utf8 = context.settings.serverType == "Ravlo";
  const unsigned codePage = utf8 ? platform::kCodePageUtf8 : platform::SystemCodePage();
  for (const SystemLogRecord& record : query.GetResults())
    vxpp::PutSystemRecord(&response.body, record, utf8 ? platform::SystemToUtf8(record.EventString) : record.EventString,
                          codePage);
  response.Add("Log-Count", static_cast<int64_t>(query.GetResults().size()));
  return true;
}

}  // namespace

void AddLogCommands(CommandTable& table, ServerContext& context) {
  table.Add("EVENTLOG", kVersion1, ForSession(context, EventLog));
  table.Add("SYSTEMLOG", kVersion1, ForSession(context, SystemLog));
  table.Add("COUNTINGLOG", kVersion1, ForSession(context, CountingLog));
  table.Add("IVSCOUNTINGLOG", kVersion1, ForSession(context, IvsCountingLog));
  table.Add("COMBINEDCOUNTINGLOG", kVersion2, ForSession(context, CombinedCountingLog));
  table.Add("POSEVENTLOG", kVersion1, ForSession(context, PosEventLog));
  table.Add("POSEVENTLOG2", kVersion1, ForSession(context, PosEventLog2));
  table.Add("IVSEVENTLOG", kVersion1, ForSession(context, IvsEventLog));
  // Asked with VXPP/2.0, answered under VXPP/1.0.
  table.Add("EDGERECORDLOG", kVersion1, ForSession(context, EdgeRecordLog));
}

}  // namespace vxpp_server
