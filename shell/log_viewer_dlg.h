// CLogViewerDlg: the viewer's one window.  A resizable dialog whose client
// area is the tab control (CTabCtrlEx) holding one page per kind of log.  It
// owns every page, decides which are shown and in which order, loads the
// camera list every camera-aware page shares, hands the pages what the host
// gives, reports its closing to the host and tells the user about a failed
// search (message 32786 from a page: text 97, caption 80).  It lends its
// pages the services a host installs (ViewerServices) and the defaults for
// those the host leaves out.
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

#include "pages/common/viewer_context.h"
#include "pages/counting/counter_diagram_page.h"
#include "pages/counting/counter_log_page.h"
#include "pages/edge/edge_record_log_page.h"
#include "pages/event/nvr_event_log_page.h"
#include "pages/event/vantor_event_log_page.h"
#include "pages/ivs/ivs_log_page.h"
#include "pages/pos/nvr_pos_log_page.h"
#include "pages/pos/vantor_pos_log_page.h"
#include "pages/system/nvr_sys_log_page.h"
#include "pages/system/vantor_sys_log_page.h"
#include "pages/video/nvr_video_log_page.h"
#include "pages/video/vantor_video_log_page.h"
#include "protocol/vxpp_client.h"
#include "vocabulary/date_time.h"
#include "vocabulary/epos_setting.h"
#include "shell/camera_list_loader.h"
#include "shell/tab_ctrl_ex.h"
#include "shell/viewer_services.h"
#include "vocabulary/viewer_settings.h"
#include "shell/viewer_tabs.h"
#include "vocabulary/vx_bitset.h"
#include "ui/window_model.h"

class CLogViewerDlg : public CWindowModel, public platform::CWnd, public IViewerContext {
 public:
  static constexpr int kTemplateId = 5000;
  static constexpr int kIconId = 5007;  // the small window icon, 16 × 16
  static constexpr int kMinWidth = 600;
  static constexpr int kMinHeight = 360;
  static constexpr const char* kTitle = "Log Viewer";
  static constexpr const char* kLanguageSection = "log_viewer";

  // The parent of a modal dialog; null for the modeless singleton.
  explicit CLogViewerDlg(platform::CWnd* parent = nullptr);
  ~CLogViewerDlg() override;
  CLogViewerDlg(const CLogViewerDlg&) = delete;
  CLogViewerDlg& operator=(const CLogViewerDlg&) = delete;

  // Makes the window (hidden): its texts translated, laid out right to left
  // when the language reads so, every page built (each knows its owner from
  // the start), then the tabs the settings ask for.  Later calls change
  // nothing.
  void Create();
  bool HasWindow() const { return m_hasWindow; }
  void ShowWindow(bool show) { Show(m_hasWindow && show); }
  platform::CWnd* ParentWindow() const { return m_parent; }

  ViewerSettings& Settings() { return m_settings; }
  // The host's services; set before the pages are used.
  void SetServices(ViewerServices services) { m_services = std::move(services); }

  // The camera list.  LoadCameraList fills it from the source the settings
  // choose (CCameraListLoader) and has every camera-aware page rebuild its
  // camera selector.
  void LoadCameraList();

  // Tabs.  AddTabs appends the tabs the settings ask for, in the viewer's
  // order, each page the viewer has under its translated title with its
  // position as item value; the system page rebuilds its type list first.
  // The counting diagram follows `showCountingDiagram`.
  void RemoveAllTabs();
  void AddTabs(bool showCountingDiagram);
  CTabCtrlEx& TabCtrl() { return m_tabCtrl; }
  // The page object of a kind; null for a kind this viewer has no page for.
  CTabPageEx* PageOf(ViewerPage page);
  // Empties the list of every page.
  void ClearAllLists();

  // What the host hands the pages that offer playback (SetLogDateTimeAndSearch
  // searches the event and metadata pages only).
  void SetHostWindow(platform::CWnd* host);
  void SetNoTimeWindow();
  void SetLogDateTime(const CDateTime& start, const CDateTime& end);
  void SetCameras(const VxBitset<128>& cameras);
  // The metadata source list, replaced on every hand-over; the metadata
  // pages built so far list the new sources.
  void SetPosSettings(std::vector<EPOS_Setting> settings);

  // Keeps the window at least kMinWidth × kMinHeight; the tab control fills
  // its client area.
  void Resize(int width, int height);

  // Closing (the close box, OK, Cancel, Esc) first cancels a search under
  // way, whose rows stay listed.
  // The close box: tells the host the viewer is closing; a modeless viewer
  // hides itself and reports that to the host, a modal one ends.
  void OnClose();
  // OK and Cancel (also as commands forwarded from a page).
  void OnOK();
  void OnCancel();
  bool EndedModal() const { return m_endedModal; }
  // A key pressed in the viewer (a virtual-key code): Enter presses the
  // current page's Search, Esc cancels the dialog (a modeless one hides).
  // True when the viewer took the key.
  bool PreTranslateKey(platform::WPARAM virtualKey);

  // Runs the modal viewer: the front end's modal loop when one is installed,
  // else the dialog ends at once (there is nothing to show it on).
  using ModalLoop = std::function<void(CLogViewerDlg&)>;
  static void SetModalLoop(ModalLoop loop);
  void DoModal();

  // A window front end: told when a dialog's window is made (end of Create)
  // and when the dialog object goes (start of its destructor), so that it
  // builds and drops the widgets showing it; its message boxes and save
  // dialog answer where the host's services leave them out; `searchProgress`
  // runs whenever a page reports progress during a search (it keeps the
  // windows alive).  Process-wide; installed before the first dialog is made.
  struct FrontEnd {
    std::function<void(CLogViewerDlg&)> windowMade;
    std::function<void(CLogViewerDlg&)> destroying;
    ViewerServices services;
    std::function<void()> searchProgress;
  };
  static void SetFrontEnd(FrontEnd frontEnd);

  // IViewerContext
  const ViewerSettings& Settings() const override { return m_settings; }
  const std::vector<std::string>& CameraNames() const override { return m_cameras.names; }
  const std::vector<uint32_t>& CameraIds() const override { return m_cameras.ids; }
  const std::vector<EPOS_Setting>& PosSettings() const override { return m_posSettings; }
  platform::CWnd* DialogWindow() override { return this; }
  platform::CWnd* EventHostWindow() override { return m_vantorEventLogPage.HostLink().window; }
  EventLogStatus EventSwitches() const override;
  SystemLogStatus SystemSwitches() const override;
  void SetLogDateTimeAndSearch(const CDateTime& start, const CDateTime& end,
                               const VxBitset<128>& cameras) override;
  std::unique_ptr<IVXPPClient> MakeClient() override;
  bool DownloadEdgeEventList(const std::string& folder, const std::string& fileName) override;
  std::string LogRoot() const override;
  std::string InstallFolder() const override;
  bool LogRootIsBackup() const override;
  int AskUser(const std::string& text, const std::string& caption, unsigned style) override;
  std::optional<std::string> ChooseSavePath(const std::string& filter, const std::string& defaultExtension) override;
  void SearchProgressed() override;

 protected:
  platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                               platform::LPARAM lParam) override;

 private:
  void CancelSearches();
  // Tells the host the viewer is closing (32788 to the host windows of the
  // local event and metadata pages).
  void PostClosing();
  // Ends the dialog: a modeless one hides, a modal one stops its loop.
  void EndDialog();
  // The pages SetLogDateTimeAndSearch hands a window and cameras and
  // searches: the event and metadata pages.
  std::vector<IHostLinkedPage*> HostSearchedPages() {
    return {&m_vantorEventLogPage, &m_nvrEventLogPage, &m_vantorPosLogPage, &m_nvrPosLogPage};
  }
  // The pages that offer playback and take the host's window, time window
  // and cameras, in the order the host's calls serve them: those and the
  // IVS page.
  std::vector<IHostLinkedPage*> HostLinkedPages() {
    std::vector<IHostLinkedPage*> pages = HostSearchedPages();
    pages.push_back(&m_ivsLogPage);
    return pages;
  }
  std::vector<CTabPageEx*> Pages();

  platform::CWnd* const m_parent;
  // Members in the dialog's order: the tab control, then the pages.
  CTabCtrlEx m_tabCtrl;
  CVantorEventLogPage m_vantorEventLogPage;
  CNVREventLogPage m_nvrEventLogPage;
  CVantorSysLogPage m_vantorSysLogPage;
  CNVRSysLogPage m_nvrSysLogPage;
  CCounterLogPage m_counterLogPage;
  CCounterDiagramPage m_counterDiagramPage;
  CVantorPosLogPage m_vantorPosLogPage;
  CNVRPosLogPage m_nvrPosLogPage;
  CVantorVideoLogPage m_vantorVideoLogPage;
  CNVRVideoLogPage m_nvrVideoLogPage;
  CIVSLogPage m_ivsLogPage;
  CVantorEdgeRecordLogPage m_vantorEdgeRecordLogPage;

  bool m_hasWindow = false;
  bool m_endedModal = false;
  ViewerSettings m_settings;
  ViewerServices m_services;
  CameraList m_cameras;
  CCameraListLoader m_cameraLoader{[this] { return MakeClient(); }};
  std::unique_ptr<CVXPPClient> m_edgeListClient;  // made on the first download
  std::vector<EPOS_Setting> m_posSettings;
  CConnection m_geometry;
};
