// CLogViewerDlg: the viewer's one window.  It holds the viewer settings, the
// camera list every camera-aware page shares, the camera set and host time
// window the host hands over, and the tabs it shows.
//
// Ownership and life: the modeless dialog object is owned by the application
// object and lives as long as the library; its window exists from the first
// modeless show until a reset replaces the object.  A modal dialog lives for
// one ShowLogViewerDlg call.  Host windows and the user account are the
// host's and are only used.  Everything runs on the host's UI thread.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "shell/date_time.h"
#include "shell/epos_setting.h"
#include "shell/viewer_settings.h"
#include "shell/viewer_tabs.h"
#include "shell/vx_bitset.h"

namespace platform {
class CWnd;
}

class CLogViewerDlg {
 public:
  static constexpr int kTemplateId = 5000;
  static constexpr int kMinWidth = 600;
  static constexpr int kMinHeight = 360;

  // The parent of a modal dialog; null for the modeless singleton.
  explicit CLogViewerDlg(platform::CWnd* parent = nullptr);
  CLogViewerDlg(const CLogViewerDlg&) = delete;
  CLogViewerDlg& operator=(const CLogViewerDlg&) = delete;

  // The window (dialog template 5000), made hidden; it goes with the object.
  void Create() { m_hasWindow = true; }
  bool HasWindow() const { return m_hasWindow; }
  void ShowWindow(bool show) { m_visible = m_hasWindow && show; }
  bool IsVisible() const { return m_visible; }
  platform::CWnd* GetParent() const { return m_parent; }

  ViewerSettings& Settings() { return m_settings; }
  const ViewerSettings& Settings() const { return m_settings; }

  // The camera list: parallel sequences, position = camera index.
  // LoadCameraList fills it from the source the settings choose: the remote
  // server, generic names ("Camera 1" ... with ids 0 ...), or the registry
  // (sub-keys "Ch..." and "IP..." of the vendor key's "Vantor\Video", generic
  // names when none is usable; a missing key leaves the list as it was).
  const std::vector<std::string>& CameraNames() const { return m_cameraNames; }
  const std::vector<uint32_t>& CameraIds() const { return m_cameraIds; }
  void LoadCameraList();

  // Tabs.  AddTabs appends the tabs the settings ask for (see PlanViewerTabs)
  // and selects the first.
  void RemoveAllTabs();
  void AddTabs(bool showCountingDiagram);
  const std::vector<ViewerTab>& Tabs() const { return m_tabs; }
  int CurrentTab() const { return m_currentTab; }  // -1 without tabs

  // What the event, metadata and IVS pages take from the host.  The host
  // window receives the host messages; the time window bounds playback; the
  // camera set says which cameras the host shows.
  void SetHostWindow(platform::CWnd* host) { m_hostWindow = host; }
  platform::CWnd* HostWindow() const { return m_hostWindow; }
  void SetHostTimeWindow(const CDateTime& start, const CDateTime& end) {
    m_hostStart = start;
    m_hostEnd = end;
  }
  // The modal viewer has no time window: playback is offered at any time.
  void SetNoTimeWindow() { m_noTimeWindow = true; }
  bool NoTimeWindow() const { return m_noTimeWindow; }
  const CDateTime& HostStart() const { return m_hostStart; }
  const CDateTime& HostEnd() const { return m_hostEnd; }
  void SetCameraSet(const VxBitset<128>& cameras) { m_cameraSet = cameras; }
  const VxBitset<128>& CameraSet() const { return m_cameraSet; }
  // The metadata source list of the metadata pages, replaced on every hand-over.
  void SetPosSettings(std::vector<EPOS_Setting> settings) { m_posSettings = std::move(settings); }
  const std::vector<EPOS_Setting>& PosSettings() const { return m_posSettings; }

  // The close box: tells the host the viewer is closing, then a modeless
  // viewer hides itself and reports that to the host; a modal one ends.
  void OnClose();
  bool EndedModal() const { return m_endedModal; }

  // Runs the modal viewer: the front end's modal loop when one is installed,
  // else the dialog ends at once (there is nothing to show it on).
  using ModalLoop = std::function<void(CLogViewerDlg&)>;
  static void SetModalLoop(ModalLoop loop);
  void DoModal();

 private:
  void BuildGenericCameraList();
  void ReadRegistryCameraList();

  platform::CWnd* m_parent;
  bool m_hasWindow = false;
  bool m_visible = false;
  bool m_endedModal = false;
  ViewerSettings m_settings;
  std::vector<std::string> m_cameraNames;
  std::vector<uint32_t> m_cameraIds;
  std::vector<ViewerTab> m_tabs;
  int m_currentTab = -1;
  platform::CWnd* m_hostWindow = nullptr;
  bool m_noTimeWindow = false;
  CDateTime m_hostStart = CDateTime::Null();
  CDateTime m_hostEnd = CDateTime::Null();
  VxBitset<128> m_cameraSet;
  std::vector<EPOS_Setting> m_posSettings;
};
