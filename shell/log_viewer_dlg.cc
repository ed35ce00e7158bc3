#include "shell/log_viewer_dlg.h"

#include <algorithm>
#include <cstdio>

#include "config/vx_config.h"
#include "lang/translated_string.h"
#include "lang/vx_lang.h"
#include "lang/vx_trans.h"
#include "platform/registry.h"
#include "protocol/vxpp_client.h"
#include "shell/log_viewer_app.h"
#include "ui/message_box.h"

namespace {

CLogViewerDlg::ModalLoop& InstalledModalLoop() {
  static CLogViewerDlg::ModalLoop loop;
  return loop;
}

constexpr size_t kMaxCameraNameBytes = 1024;
// The box of a failed search: text and caption.
constexpr int kSearchFailedText = 97;
constexpr int kErrorCaption = 80;

bool IsCameraKeyName(const std::string& name) {
  return name.starts_with("Ch") || name.starts_with("IP");
}

// The text of a string value; values of other types, or too long, name no one.
std::string CameraName(const platform::RegistryKey& camera) {
  platform::RegValue value;
  if (camera.QueryValue("Name", kMaxCameraNameBytes, &value) != platform::kRegOk) return {};
  if (value.type != platform::REG_SZ && value.type != platform::REG_EXPAND_SZ) return {};
  return std::string(value.data.c_str());  // up to the terminating zero
}

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
  m_geometry.Disconnect();
  // The pages go before the tab control that holds them.
  m_tabCtrl.RemoveAllPages();
}

std::vector<CTabPageEx*> CLogViewerDlg::Pages() {
  return {&m_vantorEventLogPage, &m_nvrEventLogPage, &m_vantorSysLogPage, &m_nvrSysLogPage};
}

void CLogViewerDlg::Create() {
  if (m_hasWindow) return;
  m_hasWindow = true;
  SetRightToLeft(CVxLang::Instance().IsRightToLeft());
  CVxTrans().TranslateDialog(kLanguageSection, *this);
  for (CTabPageEx* page : Pages()) page->Create();
  AddTabs(m_settings.showCounting != 0);
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
    default:
      return nullptr;  // a kind of log this viewer has no page for yet
  }
}

void CLogViewerDlg::LoadCameraList() {
  if (m_settings.remoteCameraList)
    RequestServerCameraList();
  else if (m_settings.genericCameraNames)
    BuildGenericCameraList();
  else
    ReadRegistryCameraList();
  // A page not built yet fills its selector when it is.
  for (CTabPageEx* page : Pages()) {
    if (page->IsCreated()) page->OnCameraListLoaded();
  }
}

void CLogViewerDlg::RequestServerCameraList() {
  // Whatever the answer, nothing else is tried: a failed request leaves the
  // lists as the client left them.
  CVXPPClient client;
  client.SetPort(static_cast<uint32_t>(m_settings.serverPort));
  char url[1100];
  std::snprintf(url, sizeof url, "vxpp://%s/", m_settings.serverAddress.c_str());
  client.GetCamInfo(url, m_settings.userSessionNo, m_cameraNames, m_cameraIds);
}

void CLogViewerDlg::ReadRegistryCameraList() {
  // Another program may have rewritten the file since this process read it.
  platform::Registry::Machine().Refresh();
  const platform::RegistryKey video = platform::Registry::Machine()
                                          .OpenKey("SOFTWARE")
                                          .OpenSubKey(GetVxConfig().GetDeveloperType())
                                          .OpenSubKey("Vantor")
                                          .OpenSubKey("Video");
  if (!video.IsOpen()) return;
  m_cameraNames.clear();
  m_cameraIds.clear();
  std::string keyName;
  for (size_t index = 0; video.EnumSubKey(index, &keyName); ++index) {
    if (!IsCameraKeyName(keyName)) continue;
    const platform::RegistryKey camera = video.OpenSubKey(keyName);
    if (!camera.IsOpen()) continue;
    uint32_t id = 0;
    if (!camera.QueryDword("DeviceID", &id)) id = 0;
    m_cameraNames.push_back(CameraName(camera));
    m_cameraIds.push_back(id);
  }
  if (m_cameraNames.empty()) BuildGenericCameraList();
}

void CLogViewerDlg::BuildGenericCameraList() {
  m_cameraNames.clear();
  m_cameraIds.clear();
  for (int k = 1; k <= m_settings.cameraCount; ++k) {
    char name[64];
    std::snprintf(name, sizeof name, "%s %d", "Camera", k);
    m_cameraNames.emplace_back(name);
    m_cameraIds.push_back(static_cast<uint32_t>(k - 1));
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
      static_cast<CSysLogPage*>(page)->RebuildTypeSelector();
    m_tabCtrl.AddPage(LoadTranslatedString(tab.titleString), position++, page);
  }
  m_tabCtrl.SelectPage(0);
}

void CLogViewerDlg::ClearAllLists() {
  for (CTabPageEx* page : Pages()) page->ClearList();
}

void CLogViewerDlg::SetHostWindow(platform::CWnd* host) {
  for (CEventLogPage* page : EventPages()) page->HostLink().window = host;
}

void CLogViewerDlg::SetNoTimeWindow() {
  for (CEventLogPage* page : EventPages()) page->HostLink().noTimeWindow = true;
}

void CLogViewerDlg::SetLogDateTimeAndSearch(const CDateTime& start, const CDateTime& end,
                                            const VxBitset<128>& cameras) {
  for (CEventLogPage* page : EventPages()) page->SetLogDateTimeAndSearch(start, end, cameras);
}

void CLogViewerDlg::SetLogDateTime(const CDateTime& start, const CDateTime& end) {
  for (CEventLogPage* page : EventPages()) page->SetLogDateTime(start, end);
}

void CLogViewerDlg::SetCameras(const VxBitset<128>& cameras) {
  for (CEventLogPage* page : EventPages()) page->HostLink().cameras = cameras;
}

EventLogStatus CLogViewerDlg::EventSwitches() const {
  const CLogViewerApp* app = AfxGetLogViewerApp();
  return app != nullptr ? app->EventSwitches() : EventLogStatus{};
}

SystemLogStatus CLogViewerDlg::SystemSwitches() const {
  const CLogViewerApp* app = AfxGetLogViewerApp();
  return app != nullptr ? app->SystemSwitches() : SystemLogStatus{};
}

void CLogViewerDlg::Resize(int width, int height) {
  const CRect rect{GetRect().left, GetRect().top, GetRect().left + std::max(width, kMinWidth),
                   GetRect().top + std::max(height, kMinHeight)};
  MoveWindow(rect);  // reports again only when it changed the size
  m_tabCtrl.MoveWindow(CRect{0, 0, rect.Width(), rect.Height()});
}

void CLogViewerDlg::PostClosing() {
  if (platform::CWnd* host = m_vantorEventLogPage.HostLink().window)
    host->PostMessage(platform::kMsgViewerClosing, 0, 0);
}

void CLogViewerDlg::EndDialog() {
  if (m_settings.modeless)
    ShowWindow(false);
  else
    m_endedModal = true;
}

void CLogViewerDlg::OnClose() {
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
  PostClosing();
  EndDialog();
}

void CLogViewerDlg::OnCancel() {
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
      CMessageBox::Show(LoadTranslatedString(kSearchFailedText), LoadTranslatedString(kErrorCaption),
                        CMessageBox::kOk);
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

void CLogViewerDlg::DoModal() {
  Create();
  ShowWindow(true);
  m_endedModal = false;
  if (const ModalLoop& loop = InstalledModalLoop()) loop(*this);
  ShowWindow(false);
}
