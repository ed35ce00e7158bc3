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
#include "vocabulary/date_time.h"
#include "vocabulary/vx_bitset.h"

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
};

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
