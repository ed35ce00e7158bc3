// IViewerContext: what a page needs of the viewer dialog that owns it --
// the settings and camera list, the windows to report to, and every service
// that reaches outside the page (protocol clients, the log folder, message
// boxes, the save dialog).  The dialog implements it; pages depend on this
// interface and not on the dialog, which sits above them and owns them, and
// a page never makes such a service itself.
//
// Lifetime: the dialog outlives its pages; a page keeps the pointer it is
// given (CTabPageEx::SetOwner) and uses it on the user-interface thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/cwnd.h"
#include "protocol/ivxpp_client.h"
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

  // A new protocol client for the settings in effect (in nvrMode it reads
  // the system log as the remote recorder writes it).  The caller owns it
  // and sets its port before each command.
  virtual std::unique_ptr<IVXPPClient> MakeClient() = 0;
  // Fetches the server's supported edge event list into `folder` + "/" +
  // `fileName` + ".tmp"; true on success.
  virtual bool DownloadEdgeEventList(const std::string& folder, const std::string& fileName) = 0;

  // The installation folder: its configuration files, and where a list the
  // server sends is downloaded to.
  virtual std::string InstallFolder() const = 0;
  // The folder below which the log databases lie, ending with "/", and
  // whether it is a backup copy ("##Backup##" in the installation's marker).
  virtual std::string LogRoot() const = 0;
  virtual bool LogRootIsBackup() const = 0;

  // Shows a message box (`style`: CMessageBox bits) and returns the button
  // the user pressed.
  virtual int AskUser(const std::string& text, const std::string& caption, unsigned style) = 0;
  // The save dialog of an export: the path the user chose with `filter`
  // ("description|pattern|...||"), `defaultExtension` added to a name
  // without one; nothing when the user cancelled.
  virtual std::optional<std::string> ChooseSavePath(const std::string& filter,
                                                    const std::string& defaultExtension) = 0;

  // A page searching reports progress (its progress text already updated)
  // at most every CSearchLogPage::kProgressInterval: a window front end
  // lets its event loop run here, so the window repaints and the page's
  // Cancel button can be pressed.  Without a front end nothing happens.
  virtual void SearchProgressed() {}
};

// "vxpp://<server address>/": where a page's requests go in remote mode.
inline std::string ServerUrl(const ViewerSettings& viewer) { return "vxpp://" + viewer.serverAddress + "/"; }
