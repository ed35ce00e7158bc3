#include "tools/logview/logview_host.h"

#include "platform/message_queue.h"
#include "ui/message_box.h"
#include "vocabulary/date_time.h"
#include "vocabulary/playback_request.h"

namespace {

std::string Moment(platform::WPARAM pointer) {
  const auto* time = reinterpret_cast<const CDateTime*>(pointer);
  return time != nullptr ? time->FormatListCell() : "null";
}

std::string Request(platform::WPARAM pointer) {
  const auto* request = reinterpret_cast<const PlaybackRequest*>(pointer);
  if (request == nullptr) return "null";
  std::string cameras;
  for (size_t i = 0; i < request->cameras.size(); ++i) {
    if (!request->cameras.test(i)) continue;
    if (!cameras.empty()) cameras += ',';
    cameras += std::to_string(i);
  }
  std::string text = "[";
  text += request->start.FormatListCell() + " - " + request->end.FormatListCell();
  text += " at " + request->selectedTime.FormatListCell() + " cameras " + cameras + "]";
  return text;
}

}  // namespace

std::string DescribeHostMessage(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
  const auto lPointer = static_cast<platform::WPARAM>(lParam);
  std::string wText = std::to_string(wParam);
  std::string lText = std::to_string(lParam);
  switch (message) {
    case platform::kMsgSeekPlayback:
      wText = Moment(wParam);
      break;
    case platform::kMsgStartPlayback:
      wText = Request(wParam);
      break;
    case platform::kMsgCanPlay:
    case platform::kMsgPlayModal:
      lText = Moment(lPointer);
      break;
    default:
      break;
  }
  return std::to_string(message) + " " + wText + " " + lText;
}

LogviewHost::LogviewHost(bool playable, FILE* log) : m_playable(playable), m_log(log) {}

LogviewHost::~LogviewHost() = default;

void LogviewHost::DeliverPosted() { platform::MessageQueue::Default()->DeliverUntilEmpty(); }

platform::LRESULT LogviewHost::WindowProc(platform::UINT message, platform::WPARAM wParam,
                                          platform::LPARAM lParam) {
  std::fprintf(m_log, "host: %s\n", DescribeHostMessage(message, wParam, lParam).c_str());
  switch (message) {
    case platform::kMsgCanPlay:
      return m_playable ? 1 : 0;
    case platform::kMsgRemoteRequestFailed:
      m_searchFailed = true;
      return 0;
    default:
      return 0;  // 32791 included: a playback channel is always free
  }
}

int LogviewHost::AskUser(const std::string& text, const std::string& caption, unsigned style) {
  const std::string reason = m_reason.empty() ? std::string() : " (" + m_reason + ")";
  m_reason.clear();
  std::fprintf(m_log, "message: %s: %s%s\n", caption.c_str(), text.c_str(), reason.c_str());
  m_searchFailed = true;
  return CMessageBox::DefaultAnswer(style);
}
