#include "tools/vxpp-server/playback_commands.h"

#include "protocol/wire_bytes.h"
#include "tools/vxpp-server/command_helpers.h"
#include "tools/vxpp-server/playback_session.h"
#include "tools/vxpp-server/recorded_video.h"
#include "tools/vxpp-server/registry_cameras.h"

namespace vxpp_server {
namespace {

bool SetupFileInfo(ServerContext& context, const VxppRequest& request, ServerConnection& connection,
                   VxppResponse& response) {
  const std::optional<CDateTime> start = RequestTime(request, "Start-Date-Time");
  const std::optional<CDateTime> end = RequestTime(request, "End-Date-Time");
  const int64_t camera = request.Number("Camera-Index", -1);
  if (!start || !end || *end < *start) {
    response.Fail(400, "Bad Request");
    return true;
  }
  const RecordedVideo video = RecordedVideo::Read(context.installFolder);
  if (camera < 0 || static_cast<uint64_t>(camera) >= video.CameraCount()) {
    response.Fail(404, "Not Found");
    return true;
  }
  // "Select-Time-Seq:" lines narrow nothing here: the files between the
  // two times are the playback.
  auto playback = std::make_unique<PlaybackSession>(
      context.installFolder, video.FilesOf(static_cast<uint32_t>(camera), *start, *end), *start, *end);
  const std::vector<std::string> entries = playback->FileEntries();
  response.Add("File-Count", static_cast<int64_t>(entries.size()));
  response.Add("Privacy-Mask", 0);  // the recordings carry no privacy masks
  for (const std::string& entry : entries) {
    vxpp::PutU32(&response.body, static_cast<uint32_t>(entry.size()));
    response.body += entry;
  }
  connection.State() = std::move(playback);
  return true;
}

template <bool kSingleFrame>
bool NextFrames(ServerContext& context, const VxppRequest&, ServerConnection& connection, VxppResponse& response) {
  PlaybackSession* playback = PlaybackOf(connection, response);
  if (playback == nullptr) return true;
  const PlaybackSession::Step step = playback->Next(kSingleFrame, playback->dropMode == 1);
  response.Add("Frame-Count", static_cast<int64_t>(step.frameCount));
  response.Add("Frame-Length", static_cast<int64_t>(step.frames.size()));
  response.Add("Frame-Encrypted", 0);
  response.Add("Header-Length", static_cast<int64_t>(step.streamHeader.size()));
  if (!step.changedTo.empty()) {
    recording::RecordingFile file;
    recording::ParseRelativePath(step.changedTo, &file);
    const std::vector<RegistryCamera> cameras = ReadRegistryCameras(context.installFolder);
    response.Add("File-Changed-To", step.changedTo);
    if (file.cameraIndex < cameras.size()) {
      response.Add("New-Camera-Name", CameraNameForClient(context, cameras[file.cameraIndex].name));
      response.Add("New-Camera-ID", static_cast<int64_t>(cameras[file.cameraIndex].id));
    }
  }
  response.body = step.streamHeader + step.frames;
  return true;
}

bool Seek(ServerContext&, const VxppRequest& request, ServerConnection& connection, VxppResponse& response) {
  PlaybackSession* playback = PlaybackOf(connection, response);
  if (playback == nullptr) return true;
  std::string file;
  const int reached = playback->Seek(request.Number("Seek-Time", 0), &file);
  response.Add("Seek-Time", reached);
  if (reached >= 0 && request.Number("Get-Seek-To-File", 0) == 1) response.Add("Seek-To-File", file);
  return true;
}

bool DropFrame(ServerContext&, const VxppRequest& request, ServerConnection& connection, VxppResponse& response) {
  if (PlaybackSession* playback = PlaybackOf(connection, response))
    playback->dropMode = static_cast<int>(request.Number("Drop-Mode", 0));
  return true;
}

bool DropAudio(ServerContext&, const VxppRequest& request, ServerConnection& connection, VxppResponse& response) {
  if (PlaybackSession* playback = PlaybackOf(connection, response))
    playback->dropAudio = static_cast<int>(request.Number("Drop-Audio", 0));
  return true;
}

bool EndData(ServerContext&, const VxppRequest&, ServerConnection& connection, VxppResponse& response) {
  if (PlaybackSession* playback = PlaybackOf(connection, response)) response.Add("End-Data", playback->AtEnd() ? 1 : 0);
  return true;
}

}  // namespace

PlaybackSession* PlaybackOf(ServerConnection& connection, VxppResponse& response) {
  auto* playback = dynamic_cast<PlaybackSession*>(connection.State().get());
  if (playback == nullptr) response.Fail(455, "Method Not Valid In This State");
  return playback;
}

void AddPlaybackCommands(CommandTable& table, ServerContext& context) {
  table.Add("SETUPFILEINFO", kVersion1, ForSession(context, SetupFileInfo));
  table.Add("NEXTGOP", kVersion1, ForSession(context, NextFrames<false>));
  table.Add("NEXTFRAME", kVersion1, ForSession(context, NextFrames<true>));
  table.Add("SEEK", kVersion1, ForSession(context, Seek));
  table.Add("DROPFRAME", kVersion1, ForSession(context, DropFrame));
  table.Add("DROPAUDIO", kVersion1, ForSession(context, DropAudio));
  table.Add("ENDDATA", kVersion1, ForSession(context, EndData));
}

}  // namespace vxpp_server
