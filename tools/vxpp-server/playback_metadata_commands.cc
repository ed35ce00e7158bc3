#include "tools/vxpp-server/playback_metadata_commands.h"

#include "protocol/format_text.h"
#include "protocol/string_list.h"
#include "store/ivs_device_table.h"
#include "tools/vxpp-server/command_helpers.h"
#include "tools/vxpp-server/playback_commands.h"
#include "tools/vxpp-server/playback_session.h"

namespace vxpp_server {
namespace {

// Entries a ...VEC command answers: one a second (metadata) or a minute (index).
constexpr int kVectorEntries = 10;

std::optional<IVSDeviceInfo> FindDevice(const ServerContext& context, int64_t id) {
  for (const auto& [server, devices] : ReadIVSDeviceTable(context.installFolder))
    for (const auto& [key, device] : devices)
      if (device.DeviceID == id) return device;
  return std::nullopt;
}

bool InRange(const PlaybackSession::Prepared& prepared, const CDateTime& time) {
  return (!prepared.start.IsValid() || time >= prepared.start) && (!prepared.end.IsValid() || time <= prepared.end);
}

std::string MetadataEntry(const IVSDeviceInfo& device, const CDateTime& time) {
  return vxpp::FormatText("device=%u camera=%u time=%s objects=%d\n", device.DeviceID, device.CameraID,
                          time.FormatListCell().c_str(), time.Split().second % 4);
}

std::string ConfigEntry(const IVSDeviceInfo& device) {
  return vxpp::FormatText("device=%u name=%s camera=%u\n", device.DeviceID, device.DeviceName.c_str(),
                          device.CameraID);
}

// What a metadata or configuration command asks about: the connection's
// playback, the prepared range of `which`, the device and the moment; null
// with the answer made when the question cannot be answered.
struct Question {
  PlaybackSession::Prepared* prepared = nullptr;
  std::optional<IVSDeviceInfo> device;
  CDateTime time;
};

Question Ask(ServerContext& context, const VxppRequest& request, ServerConnection& connection,
             VxppResponse& response, PlaybackSession::Prepared PlaybackSession::*which, const char* timeName) {
  Question question;
  PlaybackSession* playback = PlaybackOf(connection, response);
  if (playback == nullptr) return question;
  PlaybackSession::Prepared& prepared = playback->*which;
  const int64_t id = request.Number("Device-Id", -1);
  const std::optional<CDateTime> time = RequestTime(request, timeName);
  if (!prepared.set || prepared.device != id || !time) {
    response.Fail(455, "Method Not Valid In This State");
    return question;
  }
  question.device = FindDevice(context, id);
  if (!question.device || !InRange(prepared, *time)) {
    response.Fail(404, "Not Found");
    return question;
  }
  question.prepared = &prepared;
  question.time = *time;
  return question;
}

template <PlaybackSession::Prepared PlaybackSession::*kWhich>
bool Prepare(ServerContext& context, const VxppRequest& request, ServerConnection& connection,
             VxppResponse& response) {
  PlaybackSession* playback = PlaybackOf(connection, response);
  if (playback == nullptr) return true;
  const int64_t id = request.Number("Device-Id", -1);
  if (!FindDevice(context, id)) {
    if (kWhich == &PlaybackSession::mdx) response.Fail(404, "Not Found");
    else response.Add("Error", "UnknownDevice");
    return true;
  }
  playback->*kWhich = {true, static_cast<int>(id), RequestTime(request, "Start-Date-Time").value_or(CDateTime::Null()),
                       RequestTime(request, "End-Date-Time").value_or(CDateTime::Null())};
  if (kWhich == &PlaybackSession::config) response.Add("Ivs-Config-Count", 1);
  return true;
}

bool IvsMetadata(ServerContext& context, const VxppRequest& request, ServerConnection& connection,
                 VxppResponse& response) {
  const Question q = Ask(context, request, connection, response, &PlaybackSession::metadata, "Current-Date-Time");
  if (q.prepared != nullptr) AnswerContent(response, MetadataEntry(*q.device, q.time));
  return true;
}

bool IvsMetadataVec(ServerContext& context, const VxppRequest& request, ServerConnection& connection,
                    VxppResponse& response) {
  const Question q = Ask(context, request, connection, response, &PlaybackSession::metadata, "Current-Date-Time");
  if (q.prepared == nullptr) return true;
  std::vector<std::string> entries;
  for (int i = 0; i < kVectorEntries; ++i) {
    const CDateTime time = q.time + i * CDateTime::kTicksPerSecond;
    if (InRange(*q.prepared, time)) entries.push_back(MetadataEntry(*q.device, time));
  }
  AnswerContent(response, vxpp::WriteStringList(entries));
  return true;
}

bool IvsConfig(ServerContext& context, const VxppRequest& request, ServerConnection& connection,
               VxppResponse& response) {
  const Question q = Ask(context, request, connection, response, &PlaybackSession::config, "Current-Date-Time");
  if (q.prepared != nullptr) AnswerContent(response, ConfigEntry(*q.device));
  return true;
}

bool IvsConfigVec(ServerContext& context, const VxppRequest& request, ServerConnection& connection,
                  VxppResponse& response) {
  const Question q = Ask(context, request, connection, response, &PlaybackSession::config, "Current-Date-Time");
  if (q.prepared != nullptr) AnswerContent(response, vxpp::WriteStringList({ConfigEntry(*q.device)}));
  return true;
}

bool MdxVec(ServerContext& context, const VxppRequest& request, ServerConnection& connection,
            VxppResponse& response) {
  const Question q = Ask(context, request, connection, response, &PlaybackSession::mdx, "Start-Date-Time");
  if (q.prepared == nullptr) return true;
  const int64_t pos = request.Number("Pos-Id", 0);
  std::vector<std::string> entries;
  for (int i = 0; i < kVectorEntries; ++i) {
    const CDateTime time = q.time + i * 60 * CDateTime::kTicksPerSecond;
    entries.push_back(vxpp::FormatText("pos=%lld device=%u time=%s\n", static_cast<long long>(pos),
                                       q.device->DeviceID, time.FormatListCell().c_str()));
  }
  AnswerContent(response, vxpp::WriteStringList(entries));
  return true;
}

}  // namespace

void AddPlaybackMetadataCommands(CommandTable& table, ServerContext& context) {
  table.Add("PREPAREIVSMETADATA", kVersion1, ForSession(context, Prepare<&PlaybackSession::metadata>));
  table.Add("IVSMETADATA", kVersion1, ForSession(context, IvsMetadata));
  table.Add("IVSMETADATAVEC", kVersion1, ForSession(context, IvsMetadataVec));
  table.Add("PREPAREIVSCONFIG", kVersion1, ForSession(context, Prepare<&PlaybackSession::config>));
  table.Add("IVSCONFIG", kVersion1, ForSession(context, IvsConfig));
  table.Add("IVSCONFIGVEC", kVersion1, ForSession(context, IvsConfigVec));
  table.Add("MDXPREPARE", kVersion1, ForSession(context, Prepare<&PlaybackSession::mdx>));
  table.Add("MDXVEC", kVersion1, ForSession(context, MdxVec));
}

}  // namespace vxpp_server
