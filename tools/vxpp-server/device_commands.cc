#include "tools/vxpp-server/device_commands.h"

#include <memory>

#include "config/supported_edge_event_list.h"
#include "platform/code_page.h"
#include "platform/env.h"
#include "platform/paths.h"
#include "protocol/format_text.h"
#include "protocol/string_list.h"
#include "protocol/vxpp_bodies.h"
#include "store/combined_counter_list.h"
#include "store/ivs_device_table.h"
#include "tools/vxpp-server/command_helpers.h"
#include "tools/vxpp-server/pos_settings_file.h"
#include "tools/vxpp-server/recorded_video.h"
#include "tools/vxpp-server/registry_cameras.h"
#include "tools/vxpp-server/server_connection.h"
#include "tools/vxpp-server/session_commands.h"

namespace vxpp_server {
namespace {

// A bookmark body is a handful of lines.
constexpr int64_t kMaxBookmarkBytes = 64 * 1024;
// How long the server waits for a client's acknowledgement of a POS setting.
constexpr int kAcknowledgeWaitMs = 30000;

std::string NumberList(const std::vector<uint32_t>& values) {
  std::vector<std::string> texts;
  for (uint32_t value : values) texts.push_back(std::to_string(value));
  return vxpp::WriteStringList(texts);
}

// Appends a block to the body and announces its length with `header`.
void AddBlock(VxppResponse& response, const char* header, const std::string& block) {
  response.Add(header, static_cast<int64_t>(block.size()));
  response.body += block;
}

bool CamInfo(ServerContext& context, const VxppRequest&, ServerConnection&, VxppResponse& response) {
  std::vector<std::string> names;
  std::vector<uint32_t> ids;
  for (RegistryCamera& camera : ReadRegistryCameras(context.installFolder)) {
    names.push_back(CameraNameForClient(context, camera.name));
    ids.push_back(camera.id);
  }
  AddBlock(response, "Content-Length", vxpp::WriteStringList(names));
  // Camera ids go only to clients of a server of version 2.0 or later.
  if (!context.settings.SendsTextBlocks()) return true;
  response.Add("Include-Camera-ID", 1);
  AddBlock(response, "Camera-ID-Content-Length", NumberList(ids));
  return true;
}

bool IvsDeviceInfo(ServerContext& context, const VxppRequest&, ServerConnection&, VxppResponse& response) {
  // The analytics device ids, their names, and the cameras they watch.
  std::vector<uint32_t> ivsIds, cameraIds;
  std::vector<std::string> names;
  for (const auto& [server, devices] : ReadIVSDeviceTable(context.installFolder)) {
    for (const auto& [id, device] : devices) {
      ivsIds.push_back(device.DeviceID);
      names.push_back(device.DeviceName);
      cameraIds.push_back(device.CameraID);
    }
  }
  AddBlock(response, "Content-Length", NumberList(ivsIds));
  AddBlock(response, "Device-Name-Content-Length", vxpp::WriteStringList(names));
  if (!context.settings.SendsTextBlocks()) return true;
  response.Add("Include-IVSDevice-ID", 1);
  AddBlock(response, "Device-ID-Content-Length", NumberList(cameraIds));
  return true;
}

bool CombinedCounterInfo(ServerContext& context, const VxppRequest&, ServerConnection&, VxppResponse& response) {
  const CombinedCounterList counters = ReadCombinedCounterList(context.installFolder);
  response.Add("CounterNumbers", static_cast<int64_t>(counters.size()));
  for (const auto& [id, name] : counters)
    response.body += vxpp::FormatText("CounterID: %u\r\nCounterName: %s\r\n\r\n", id,
                                      name.substr(0, name.find_first_of("\r\n")).c_str());
  return true;
}

// Answers the bytes of a file of the installation, or 404.
void AnswerFile(VxppResponse& response, const std::optional<std::string>& path) {
  std::string bytes;
  if (!path || !platform::Env::Default()->ReadFile(*path, &bytes)) {
    response.Fail(404, "Not Found");
    return;
  }
  AnswerContent(response, std::move(bytes));
}

bool EdgeEventList(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  // The client only ever asks for the installation's edge event list.  Any
  // other name is answered as a missing file: the installation folder also
  // holds the users' passwords, the settings and the registry.
  const std::string name = request.Text("SupportedEdgeEventListOfDP");
  AnswerFile(response, name == kSupportedEdgeEventFile ? SafePath(context.installFolder, name) : std::nullopt);
  return true;
}

bool LangPackVersion(ServerContext& context, const VxppRequest&, ServerConnection&, VxppResponse& response) {
  response.Add("LangPack-Version", context.settings.langPackVersion);
  return true;
}

bool LangPackFile(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  AnswerFile(response, SafePath(platform::JoinPath(context.installFolder, "lang"), request.Text("LangPack-FileName")));
  return true;
}

// Sends "Content-Length: n" as a header block and then the n bytes.
bool SendBlock(ServerConnection& connection, const std::string& block) {
  return connection.WriteAll("Content-Length: " + std::to_string(block.size()) + "\r\n\r\n") &&
         connection.WriteAll(block);
}

bool PosSettings(ServerContext& context, const VxppRequest&, ServerConnection&, VxppResponse& response) {
  auto settings = std::make_shared<std::vector<EPOS_Setting>>(ReadPosSettingsFile(context.installFolder));
  response.Add("Pos-Count", static_cast<int64_t>(settings->size()));
  // Each source goes out after the client has acknowledged the one before.
  response.followUp = [settings](ServerConnection& connection) {
    for (const EPOS_Setting& setting : *settings) {
      std::string acknowledgement;
      if (!connection.ReadHeaderBlock(&acknowledgement, kAcknowledgeWaitMs) ||
          acknowledgement.find(" 200 ") == std::string::npos || !SendBlock(connection, PosSettingLines(setting)))
        return false;
      for (const EPOS_Association& association : setting.associations)
        if (!SendBlock(connection, AssociationLines(association))) return false;
    }
    return true;
  };
  return true;
}

bool HasVideo(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  const RecordedVideo video = RecordedVideo::Read(context.installFolder);
  const int64_t camera = request.Number("Camera-Index", -1);
  const int count = camera < 0 || camera > UINT32_MAX
                        ? 0
                        : video.DaysWithVideo(static_cast<uint32_t>(camera),
                                              RequestTime(request, "Start-Date-Time").value_or(CDateTime::Null()),
                                              RequestTime(request, "End-Date-Time").value_or(CDateTime::Null()));
  response.Add("QueryCount", count);
  return true;
}

bool VideoSpan(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  const RecordedVideo video = RecordedVideo::Read(context.installFolder);
  const int64_t camera = request.Number("Camera-Index", -1);
  CDateTime start, end;
  const bool known = camera >= 0 && camera <= UINT32_MAX && video.Span(static_cast<uint32_t>(camera), &start, &end);
  response.Add("Result", known ? 1 : 0);
  if (!known) return true;
  response.Add("Start-Date-Time", start.FormatWire());
  response.Add("End-Date-Time", end.FormatWire());
  return true;
}

// The body a bookmark command carries after its request.
bool ReadBookmarkBody(const VxppRequest& request, ServerConnection& connection, VxppResponse& response,
                      std::string* body) {
  const int64_t length = request.Number("Content-Length", -1);
  if (length < 0 || length > kMaxBookmarkBytes) {
    response.Fail(400, "Bad Request");
    return false;
  }
  if (connection.ReadExact(static_cast<size_t>(length), body)) return true;
  response.Fail(400, "Bad Request");
  return false;
}

void AnswerBookmarkResult(VxppResponse& response, BookmarkStore::Result result) {
  switch (result) {
    case BookmarkStore::Result::kDone: return;
    case BookmarkStore::Result::kBadBody: return response.Fail(400, "Bad Request");
    case BookmarkStore::Result::kExists: return response.Fail(409, "Conflict");
    case BookmarkStore::Result::kUnknown: return response.Fail(404, "Not Found");
    case BookmarkStore::Result::kNotSaved: return response.Fail(500, "Internal Server Error");
  }
}

// The three bookmark changes differ only in what the store does.  The body
// is read first, whatever the session, so the connection stays in step.
template <BookmarkStore::Result (BookmarkStore::*Change)(const std::string&)>
CommandHandler ChangeBookmark(ServerContext& context) {
  return [&context](const VxppRequest& request, ServerConnection& connection, VxppResponse& response) {
    std::string body;
    if (!ReadBookmarkBody(request, connection, response, &body)) return false;
    if (SessionAlive(context, request, response, kMayChangeBookmarks))
      AnswerBookmarkResult(response, (context.bookmarks.*Change)(body));
    return true;
  };
}

bool QueryBookmark(ServerContext& context, const VxppRequest&, ServerConnection&, VxppResponse& response) {
  AnswerContent(response, context.bookmarks.List());
  return true;
}

}  // namespace

void AddDeviceCommands(CommandTable& table, ServerContext& context) {
  table.Add("GETCAMINFO", kVersion2, ForSession(context, CamInfo));
  table.Add("GETIVSDEVICEINFO", kVersion2, ForSession(context, IvsDeviceInfo));
  table.Add("GETCOMBINEDCOUNTERINFO", kVersion2, ForSession(context, CombinedCounterInfo));
  table.Add("SUPPORTEDEDGEEVENTLISTOFDP", kVersion2, ForSession(context, EdgeEventList));
  table.Add("QUERYPOSSETTING", kVersion2, ForSession(context, PosSettings));
  table.Add("LANGPACKGETVERSION", kVersion2, ForSession(context, LangPackVersion));
  table.Add("LANGPACKGETFILE", kVersion2, ForSession(context, LangPackFile));
  table.Add("HASVIDEO", kVersion2, ForSession(context, HasVideo));
  table.Add("GETVIDEOSPAN", kVersion1, ForSession(context, VideoSpan));
  table.Add("ADDBOOKMARK", kVersion1, ChangeBookmark<&BookmarkStore::Add>(context));
  table.Add("MODIFYBOOKMARK", kVersion1, ChangeBookmark<&BookmarkStore::Modify>(context));
  table.Add("DELETEBOOKMARK", kVersion1, ChangeBookmark<&BookmarkStore::Delete>(context));
  table.Add("QUERYBOOKMARK", kVersion1, ForSession(context, QueryBookmark));
}

}  // namespace vxpp_server
