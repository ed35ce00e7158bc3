#include "pages/common/host_link.h"

#include "lang/translated_string.h"
#include "pages/common/viewer_context.h"
#include "ui/message_box.h"

namespace {

constexpr int kPlaybackChannelsFullText = 79;
constexpr int kErrorCaption = 80;

}  // namespace

bool CHostLink::CanPlay(uint32_t cameraIndex, const CDateTime& time) const {
  if (window == nullptr) return false;
  const auto pointer = reinterpret_cast<platform::LPARAM>(&time);
  return window->SendMessage(platform::kMsgCanPlay, cameraIndex, pointer) != 0;
}

void CHostLink::OpenInModelessViewer(IViewerContext& viewer, int camera, const CDateTime& selected,
                                     PlaybackRequest& request) const {
  const bool shown = InTimeWindow(selected);
  if (shown && camera >= 0 && Holds(static_cast<uint32_t>(camera))) {
    window->PostMessage(platform::kMsgSeekPlayback, reinterpret_cast<platform::WPARAM>(&selected));
    return;
  }
  if (window->SendMessage(platform::kMsgPlaybackChannelsFull, static_cast<platform::WPARAM>(camera)) != 0) {
    viewer.AskUser(LoadTranslatedString(kPlaybackChannelsFullText), LoadTranslatedString(kErrorCaption),
                   CMessageBox::kOk | CMessageBox::kIconStop);
    return;
  }
  CDateTime from = start;
  CDateTime to = end;
  if (!shown) {
    from = selected - kOpenWindowHalfSpan;
    to = selected + kOpenWindowHalfSpan;
  }
  VxBitset<128> set = cameras;
  if (camera >= 0 && static_cast<size_t>(camera) < set.size()) set.set(static_cast<size_t>(camera));
  // Every event and metadata page moves to the window, the caller included.
  viewer.SetLogDateTimeAndSearch(from, to, set);
  request = PlaybackRequest{from, to, selected, set};
  window->PostMessage(platform::kMsgStartPlayback, reinterpret_cast<platform::WPARAM>(&request));
}
