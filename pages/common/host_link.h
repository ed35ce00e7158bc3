// CHostLink: what a page that offers playback (the event, metadata and IVS
// pages) keeps of the host: the window that receives the host messages, the
// host's time window and camera set, and whether the host set no time window
// at all (the modal viewer).  The host window is the host's and is only used.
//
// IHostLinkedPage: how the dialog hands these pages what the host's exported
// calls carry.  Threads: the user-interface thread only.
#pragma once

#include <cstdint>

#include "platform/cwnd.h"
#include "vocabulary/playback_request.h"
#include "vocabulary/date_time.h"
#include "vocabulary/vx_bitset.h"

class IViewerContext;

struct CHostLink {
  platform::CWnd* window = nullptr;  // null until ShowLogViewerDlg names it
  CDateTime start;                   // zero until the host hands a window over
  CDateTime end;
  VxBitset<128> cameras;  // bit i = camera index i
  bool noTimeWindow = false;

  // Whether `time` lies within the host's time window, ends included.
  bool InTimeWindow(const CDateTime& time) const { return start <= time && time <= end; }

  // Asks the host (message 32792, wParam the camera index, lParam a pointer
  // to `time`) whether it can play that camera at that time.  False
  // without a host window.
  bool CanPlay(uint32_t cameraIndex, const CDateTime& time) const;

  // Whether the camera set holds camera `index`.  The set has room for the
  // first 128 cameras of the list only; a camera further down is never in
  // it, so its events are listed but cannot be played.
  bool Holds(uint32_t index) const { return index < VxBitset<128>::size() && cameras.test(index); }

  // The modeless viewer opens an event of camera index `camera` (-1: none)
  // at `selected`: inside the window and camera set the host seeks there
  // (32787, posted).  Otherwise, unless the host says every playback channel
  // is taken (32791; the user is told), every event and metadata page moves
  // to the window -- the host's, or five seconds either side of an event
  // outside it -- with the camera added to the set, and the host is asked
  // to play it (32790, posted with `request`).  `selected` and `request`
  // must outlive the posted messages.  Needs a host window.
  void OpenInModelessViewer(IViewerContext& viewer, int camera, const CDateTime& selected,
                            PlaybackRequest& request) const;
};

// The window the modeless viewer moves to when the user opens an event it
// does not show: five seconds either side of the event.
constexpr int64_t kOpenWindowHalfSpan = 5 * CDateTime::kTicksPerSecond;

class IHostLinkedPage {
 public:
  virtual ~IHostLinkedPage() = default;

  virtual CHostLink& HostLink() = 0;
  // Takes the host's window and shows it in the pickers.
  virtual void SetLogDateTime(const CDateTime& start, const CDateTime& end) = 0;
  // The same with a camera set, then searches at once.
  virtual void SetLogDateTimeAndSearch(const CDateTime& start, const CDateTime& end,
                                       const VxBitset<128>& cameras) = 0;
};
