// IViewerContext: what a page needs of the viewer dialog that owns it.  The
// dialog implements it; pages depend on this interface and not on the
// dialog, which sits above them and owns them.
//
// Lifetime: the dialog outlives its pages; a page keeps the pointer it is
// given (CTabPageEx::SetOwner) and uses it on the user-interface thread only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/cwnd.h"
#include "vocabulary/date_time.h"
#include "vocabulary/log_status.h"
#include "vocabulary/viewer_settings.h"
#include "vocabulary/vx_bitset.h"

class IViewerContext {
 public:
  virtual ~IViewerContext() = default;

  // The settings the host's last ShowLogViewerDlg stored.
  virtual const ViewerSettings& Settings() const = 0;

  // The camera list every camera-aware page shares: parallel sequences in
  // display order, position = camera index.
  virtual const std::vector<std::string>& CameraNames() const = 0;
  virtual const std::vector<uint32_t>& CameraIds() const = 0;

  // The dialog's own window: a page whose search failed sends it
  // kMsgSearchFailed, and the dialog tells the user.
  virtual platform::CWnd* DialogWindow() = 0;
  // The host window of the local event page (null until the host hands one
  // over); the system pages post their remote failures there.
  virtual platform::CWnd* EventHostWindow() = 0;

  // The switches as pages read them: the host's in remote mode, all on
  // otherwise.
  virtual EventLogStatus EventSwitches() const = 0;
  virtual SystemLogStatus SystemSwitches() const = 0;

  // Hands every event and metadata page the window and the camera set and
  // makes each search, as the host's SetLogDateTimeAndSearch does.
  virtual void SetLogDateTimeAndSearch(const CDateTime& start, const CDateTime& end,
                                       const VxBitset<128>& cameras) = 0;
};

// "vxpp://<server address>/": where a page's requests go in remote mode.
inline std::string ServerUrl(const ViewerSettings& viewer) { return "vxpp://" + viewer.serverAddress + "/"; }
