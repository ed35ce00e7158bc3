#include "shell/viewer_fixture.h"

#include <fstream>

#include "config/vx_config.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "shell/log_viewer_app.h"
#include "temp_folder.h"

std::vector<platform::MSG> RecordingHostWindow::TakeMessages() {
  m_queue.DeliverUntilEmpty();
  return std::exchange(m_received, {});
}

platform::LRESULT RecordingHostWindow::WindowProc(platform::UINT message, platform::WPARAM wParam,
                                                  platform::LPARAM lParam) {
  m_received.push_back({this, message, wParam, lParam});
  return 0;
}

std::vector<platform::UINT> MessageNumbers(const std::vector<platform::MSG>& messages) {
  std::vector<platform::UINT> numbers;
  for (const platform::MSG& msg : messages) numbers.push_back(msg.message);
  return numbers;
}

void Show(platform::CWnd* parent, const ShowArgs& a) {
  ShowLogViewerDlg(parent, a.showEventLog, a.showSystemLog, a.showCounting, a.showCountingDiagram,
                   a.showMetadataLog, a.showBackupLog, a.showIvsLog, a.showEdgeStorage,
                   a.remoteCameraList, a.serverPort, a.serverAddress, a.userSessionNo, {},
                   a.userAccount, a.cameraCount, a.modeless, a.show, a.genericCameraNames,
                   a.nvrMode);
}

void ViewerTest::TearDown() {
  DestroyLogViewerApp();
  CLogViewerDlg::SetModalLoop(nullptr);
}

void ViewerTest::StartViewer(const std::string& registryBody) {
  platform::SetInstallFolder(m_root);
  ReloadVxConfig(m_root);
  platform::Registry::Machine().UseFile(m_registryPath);
  if (!registryBody.empty()) WriteRegistry(registryBody);
  CreateLogViewerApp();
}

void ViewerTest::WriteRegistry(const std::string& registryBody) {
  std::ofstream(m_registryPath, std::ios::binary)
      << "Windows Registry Editor Version 5.00\r\n\r\n" << registryBody;
  platform::Registry::Machine().Reload();
}

std::string ViewerTest::ReadRegistryFile() const { return ReadWholeFile(m_registryPath); }
