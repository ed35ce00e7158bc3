#include "shell/log_viewer_dlg.h"

#include <algorithm>
#include <cstdio>

#include "lang/translated_string.h"
#include "lang/vx_lang.h"
#include "lang/vx_trans.h"
#include "platform/debug_output.h"
#include "platform/paths.h"
#include "protocol/vxpp_client.h"
#include "shell/log_viewer_app.h"
#include "store/log_root_folder.h"
#include "ui/button_model.h"
#include "ui/export_file_dialog.h"
#include "ui/message_box.h"

namespace {

CLogViewerDlg::ModalLoop& InstalledModalLoop() {
  static CLogViewerDlg::ModalLoop loop;
  return loop;
}

// Never destroyed: the modeless dialog may go after static data at exit.
CLogViewerDlg::FrontEnd& InstalledFrontEnd() {
  static auto* frontEnd = new CLogViewerDlg::FrontEnd();
  return *frontEnd;
}

// The box of a failed search: text and caption.
constexpr int kSearchFailedText = 97;
constexpr int kErrorCaption = 80;

}  // namespace

CLogViewerDlg::CLogViewerDlg(platform::CWnd* parent)
    : CWindowModel(kDialogClass, kTitle), m_parent(parent), m_tabCtrl(this) {
  Show(false);
  m_tabCtrl.SetParent(this);
  for (CTabPageEx* page : Pages()) page->SetOwner(this);
  m_geometry = OnChanged([this](Property property) {
    if (property != Property::kGeometry) return;
    const CRect& rect = GetRect();
    Resize(rect.Width(), rect.Height());
  });
}

CLogViewerDlg::~CLogViewerDlg() {
  if (m_hasWindow && InstalledFrontEnd().destroying) InstalledFrontEnd().destroying(*this);
  m_geometry.Disconnect();
  // The pages go before the tab control that holds them.
  m_tabCtrl.RemoveAllPages();
}

std::vector<CTabPageEx*> CLogViewerDlg::Pages() {
  return {&m_vantorEventLogPage, &m_nvrEventLogPage, &m_vantorSysLogPage,   &m_nvrSysLogPage,
          &m_counterLogPage,     &m_counterDiagramPage, &m_vantorPosLogPage,  &m_nvrPosLogPage,
          &m_vantorVideoLogPage, &m_nvrVideoLogPage,    &m_ivsLogPage,        &m_vantorEdgeRecordLogPage};
}

void CLogViewerDlg::Create() {
  if (m_hasWindow) return;
  m_hasWindow = true;
  SetRightToLeft(CVxLang::Instance().IsRightToLeft());
  CVxTrans().TranslateDialog(kLanguageSection, *this);
  for (CTabPageEx* page : Pages()) page->Create();
  AddTabs(m_settings.showCounting != 0);
  if (InstalledFrontEnd().windowMade) InstalledFrontEnd().windowMade(*this);
}

CTabPageEx* CLogViewerDlg::PageOf(ViewerPage page) {
  switch (page) {
    case ViewerPage::kVantorEventLog:
      return &m_vantorEventLogPage;
    case ViewerPage::kNVREventLog:
      return &m_nvrEventLogPage;
    case ViewerPage::kVantorSysLog:
      return &m_vantorSysLogPage;
    case ViewerPage::kNVRSysLog:
      return &m_nvrSysLogPage;
    case ViewerPage::kCounterLog:
      return &m_counterLogPage;
    case ViewerPage::kCounterDiagram:
      return &m_counterDiagramPage;
    case ViewerPage::kVantorPosLog:
      return &m_vantorPosLogPage;
    case ViewerPage::kNVRPosLog:
      return &m_nvrPosLogPage;
    case ViewerPage::kVantorEdgeRecordLog:
      return &m_vantorEdgeRecordLogPage;
    case ViewerPage::kVantorVideoLog:
      return &m_vantorVideoLogPage;
    case ViewerPage::kNVRVideoLog:
      return &m_nvrVideoLogPage;
    case ViewerPage::kIVSLog:
      return &m_ivsLogPage;
    default:
      return nullptr;  // a kind of log this viewer has no page for yet
  }
}

void CLogViewerDlg::LoadCameraList() {
  m_cameraLoader.Load(m_settings, m_cameras);
  // A page not built yet fills its selector when it is.
  for (CTabPageEx* page : Pages()) {
    if (page->IsCreated()) page->OnCameraListLoaded();
  }
}

void CLogViewerDlg::RemoveAllTabs() { m_tabCtrl.RemoveAllPages(); }

void CLogViewerDlg::AddTabs(bool showCountingDiagram) {
  uint32_t position = 0;
  for (const ViewerTab& tab : PlanViewerTabs(m_settings, showCountingDiagram)) {
    CTabPageEx* page = PageOf(tab.page);
    if (page == nullptr) continue;
    // The switches may have changed since the type list was built.
    if (tab.page == ViewerPage::kVantorSysLog || tab.page == ViewerPage::kNVRSysLog)
      static_cast<CSearchLogPage*>(page)->RebuildTypeSelector();
    // The devices and combined counters may have changed since, or the server.
    if (tab.page == ViewerPage::kCounterLog) m_counterLogPage.ReadCounterLists();
    if (tab.page == ViewerPage::kCounterDiagram) m_counterDiagramPage.ReadCounterLists();
    m_tabCtrl.AddPage(LoadTranslatedString(tab.titleString), position++, page);
  }
  m_tabCtrl.SelectPage(0);
}

void CLogViewerDlg::ClearAllLists() {
  for (CTabPageEx* page : Pages()) page->ClearList();
}

void CLogViewerDlg::SetPosSettings(std::vector<EPOS_Setting> settings) {
  m_posSettings = std::move(settings);
  for (CPosLogPage* page : std::initializer_list<CPosLogPage*>{&m_vantorPosLogPage, &m_nvrPosLogPage}) {
    if (page->IsCreated()) page->OnPosSettingsChanged();
  }
}

void CLogViewerDlg::SetHostWindow(platform::CWnd* host) {
  for (IHostLinkedPage* page : HostLinkedPages()) page->HostLink().window = host;
}

void CLogViewerDlg::SetNoTimeWindow() {
  for (IHostLinkedPage* page : HostLinkedPages()) page->HostLink().noTimeWindow = true;
}

void CLogViewerDlg::SetLogDateTimeAndSearch(const CDateTime& start, const CDateTime& end,
                                            const VxBitset<128>& cameras) {
  for (IHostLinkedPage* page : HostSearchedPages()) page->SetLogDateTimeAndSearch(start, end, cameras);
}

void CLogViewerDlg::SetLogDateTime(const CDateTime& start, const CDateTime& end) {
  for (IHostLinkedPage* page : HostLinkedPages()) page->SetLogDateTime(start, end);
}

void CLogViewerDlg::SetCameras(const VxBitset<128>& cameras) {
  for (IHostLinkedPage* page : HostLinkedPages()) page->HostLink().cameras = cameras;
}

EventLogStatus CLogViewerDlg::EventSwitches() const {
  const CLogViewerApp* app = AfxGetLogViewerApp();
  return app != nullptr ? app->EventSwitches() : EventLogStatus{};
}

SystemLogStatus CLogViewerDlg::SystemSwitches() const {
  const CLogViewerApp* app = AfxGetLogViewerApp();
  return app != nullptr ? app->SystemSwitches() : SystemLogStatus{};
}

std::unique_ptr<IVXPPClient> CLogViewerDlg::MakeClient() {
  if (m_services.makeClient) return m_services.makeClient();
  auto client = std::make_unique<CVXPPClient>();
  // The remote recorder words its system log entries its own way.
  if (m_settings.nvrMode != 0) client->SetNvr();
  return client;
}

bool CLogViewerDlg::DownloadEdgeEventList(const std::string& folder, const std::string& fileName) {
  // Not a command of the client interface: the library's own client fetches it.
  if (!m_edgeListClient) m_edgeListClient = std::make_unique<CVXPPClient>();
  m_edgeListClient->SetPort(static_cast<uint32_t>(m_settings.serverPort));
  return m_edgeListClient->SupportedEdgeEventListOfDP(ServerUrl(m_settings), m_settings.userSessionNo, folder,
                                                      fileName);
}

std::string CLogViewerDlg::InstallFolder() const { return platform::InstallFolder(); }

std::string CLogViewerDlg::LogRoot() const { return LogRootFolder(m_settings.serverAddress); }

bool CLogViewerDlg::LogRootIsBackup() const { return GetRecordFileMarker().backup; }

int CLogViewerDlg::AskUser(const std::string& text, const std::string& caption, unsigned style) {
  if (m_services.askUser) return m_services.askUser(text, caption, style);
  if (InstalledFrontEnd().services.askUser) return InstalledFrontEnd().services.askUser(text, caption, style);
  return CMessageBox::DefaultAnswer(style);
}

std::optional<std::string> CLogViewerDlg::ChooseSavePath(const std::string& filter,
                                                         const std::string& defaultExtension) {
  CExportFileDialog dialog(filter, defaultExtension);
  const auto& chooser = m_services.chooseSavePath ? m_services.chooseSavePath
                                                  : InstalledFrontEnd().services.chooseSavePath;
  const auto choose = [&](const CExportFileDialog&) {
    return chooser ? chooser(filter, defaultExtension) : std::nullopt;
  };
  if (dialog.DoModal(choose) != CExportFileDialog::kIdOk) return std::nullopt;
  return dialog.GetPathName();
}

void CLogViewerDlg::Resize(int width, int height) {
  const CRect rect{GetRect().left, GetRect().top, GetRect().left + std::max(width, kMinWidth),
                   GetRect().top + std::max(height, kMinHeight)};
  MoveWindow(rect);  // reports again only when it changed the size
  m_tabCtrl.MoveWindow(CRect{0, 0, rect.Width(), rect.Height()});
}

void CLogViewerDlg::PostClosing() {
  for (IHostLinkedPage* page : std::initializer_list<IHostLinkedPage*>{&m_vantorEventLogPage, &m_vantorPosLogPage}) {
    if (platform::CWnd* host = page->HostLink().window) host->PostMessage(platform::kMsgViewerClosing, 0, 0);
  }
}

void CLogViewerDlg::EndDialog() {
  if (m_settings.modeless)
    ShowWindow(false);
  else
    m_endedModal = true;
}

void CLogViewerDlg::CancelSearches() {
  for (CTabPageEx* page : Pages()) {
    if (auto* searchPage = dynamic_cast<CSearchLogPage*>(page)) searchPage->CancelSearch();
  }
}

void CLogViewerDlg::OnClose() {
  CancelSearches();
  PostClosing();
  if (!m_settings.modeless) {
    m_endedModal = true;
    return;
  }
  // The modeless viewer stays alive for the host's next call.
  ShowWindow(false);
  if (platform::CWnd* host = m_vantorEventLogPage.HostLink().window)
    host->PostMessage(platform::kMsgViewerHidden, 1, 0);
}

void CLogViewerDlg::OnOK() {
  CancelSearches();
  PostClosing();
  EndDialog();
}

bool CLogViewerDlg::PreTranslateKey(platform::WPARAM virtualKey) {
  if (virtualKey == platform::kVirtualKeyEscape) {
    OnCancel();
    return true;
  }
  if (virtualKey != platform::kVirtualKeyReturn) return false;
  CTabPageEx* page = m_tabCtrl.GetCurrentPage();
  CButtonModel* search = page != nullptr ? page->Controls().searchButton : nullptr;
  return search != nullptr && search->Click();
}

void CLogViewerDlg::OnCancel() {
  CancelSearches();
  PostClosing();
  if (m_settings.modeless) {
    if (platform::CWnd* host = m_vantorEventLogPage.HostLink().window)
      host->PostMessage(platform::kMsgViewerHidden, 1, 0);
  }
  EndDialog();
}

platform::LRESULT CLogViewerDlg::WindowProc(platform::UINT message, platform::WPARAM wParam,
                                            platform::LPARAM lParam) {
  switch (message) {
    case platform::kMsgSearchFailed:
      // Text 97 blames the counting application for any failure; the real
      // reason goes to the debug output and the host.
      if (const auto* reason = reinterpret_cast<const std::string*>(lParam)) {
        platform::DebugOutput("[LogViewer] the search failed: " + *reason);
        if (m_services.searchFailed) m_services.searchFailed(*reason);
      }
      AskUser(LoadTranslatedString(kSearchFailedText), LoadTranslatedString(kErrorCaption), CMessageBox::kOk);
      return 0;
    case kMsgCommand:
      if (wParam == kCommandOk) OnOK();
      if (wParam == kCommandCancel) OnCancel();
      return 0;
    default:
      return platform::CWnd::WindowProc(message, wParam, lParam);
  }
}

void CLogViewerDlg::SetModalLoop(ModalLoop loop) { InstalledModalLoop() = std::move(loop); }

void CLogViewerDlg::SetFrontEnd(FrontEnd frontEnd) { InstalledFrontEnd() = std::move(frontEnd); }

void CLogViewerDlg::SearchProgressed() {
  if (InstalledFrontEnd().searchProgress) InstalledFrontEnd().searchProgress();
}

void CLogViewerDlg::DoModal() {
  Create();
  ShowWindow(true);
  m_endedModal = false;
  if (const ModalLoop& loop = InstalledModalLoop()) loop(*this);
  ShowWindow(false);
}
