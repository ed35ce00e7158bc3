#include "shell/log_viewer_dlg.h"

#include <cstdio>

#include "config/vx_config.h"
#include "platform/cwnd.h"
#include "platform/registry.h"

namespace {

CLogViewerDlg::ModalLoop& InstalledModalLoop() {
  static CLogViewerDlg::ModalLoop loop;
  return loop;
}

constexpr size_t kMaxCameraNameBytes = 1024;

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

CLogViewerDlg::CLogViewerDlg(platform::CWnd* parent) : m_parent(parent) {}

void CLogViewerDlg::LoadCameraList() {
  if (m_settings.remoteCameraList) {
    // The remote server's camera information request fills the list; until
    // the protocol client is part of the viewer the list stays as it is,
    // which is also what a failed request leaves.
    return;
  }
  if (m_settings.genericCameraNames)
    BuildGenericCameraList();
  else
    ReadRegistryCameraList();
}

void CLogViewerDlg::ReadRegistryCameraList() {
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

void CLogViewerDlg::RemoveAllTabs() {
  m_tabs.clear();
  m_currentTab = -1;
}

void CLogViewerDlg::AddTabs(bool showCountingDiagram) {
  for (const ViewerTab& tab : PlanViewerTabs(m_settings, showCountingDiagram)) m_tabs.push_back(tab);
  m_currentTab = m_tabs.empty() ? -1 : 0;
}

void CLogViewerDlg::OnClose() {
  // The local event page and the local metadata page each tell their host.
  if (m_hostWindow != nullptr) {
    m_hostWindow->PostMessage(platform::kMsgViewerClosing, 0, 0);
    m_hostWindow->PostMessage(platform::kMsgViewerClosing, 0, 0);
  }
  if (!m_settings.modeless) {
    m_endedModal = true;
    return;
  }
  // The modeless viewer stays alive for the host's next call.
  ShowWindow(false);
  if (m_hostWindow != nullptr) m_hostWindow->PostMessage(platform::kMsgViewerHidden, 1, 0);
}

void CLogViewerDlg::SetModalLoop(ModalLoop loop) { InstalledModalLoop() = std::move(loop); }

void CLogViewerDlg::DoModal() {
  m_hasWindow = true;
  m_visible = true;
  m_endedModal = false;
  if (const ModalLoop& loop = InstalledModalLoop()) loop(*this);
  m_visible = false;
  m_hasWindow = false;
}
