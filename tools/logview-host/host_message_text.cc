#include "tools/logview-host/host_message_text.h"

#include "tools/logview-host/camera_set_text.h"

namespace {

std::string Moment(uintptr_t pointer) { return MomentInWords(reinterpret_cast<const CDateTime*>(pointer)); }

std::string Camera(platform::WPARAM index) { return "camera index " + std::to_string(index); }

}  // namespace

std::string MomentInWords(const CDateTime* time) {
  return time != nullptr && time->IsValid() ? time->FormatListCell() : "(no time)";
}

std::string PlaybackInWords(const PlaybackRequest& request) {
  return "cameras " + CameraIndexesText(request.cameras) + " from " + MomentInWords(&request.start) + " to " +
         MomentInWords(&request.end) + ", starting at " + MomentInWords(&request.selectedTime);
}

std::string HostMessageInWords(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
  const auto lPointer = static_cast<uintptr_t>(lParam);
  switch (message) {
    case platform::kMsgSeekPlayback:
      return "seek playback to " + Moment(wParam);
    case platform::kMsgViewerClosing:
      return "the viewer is closing";
    case platform::kMsgRemoteRequestFailed:
      return "a request to the server failed";
    case platform::kMsgStartPlayback: {
      const auto* request = reinterpret_cast<const PlaybackRequest*>(wParam);
      return request == nullptr ? "start playback (no request)" : "start playback: " + PlaybackInWords(*request);
    }
    case platform::kMsgPlaybackChannelsFull:
      return "are all playback channels busy for " + Camera(wParam) + "?";
    case platform::kMsgCanPlay:
      return "can you play " + Camera(wParam) + " at " + Moment(lPointer) + "?";
    case platform::kMsgPlayModal:
      return "play " + Camera(wParam) + " at " + Moment(lPointer) + " (modal viewer)";
    case platform::kMsgViewerHidden:
      return "the viewer was closed (hidden)";
    default:
      return "message " + std::to_string(message) + " (wParam " + std::to_string(wParam) + ", lParam " +
             std::to_string(lParam) + ")";
  }
}
