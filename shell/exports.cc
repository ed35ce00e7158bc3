// The exported functions: thin entries onto the application object and the
// viewer dialog.  The first of them to be called makes the application object
// (TheLogViewerApp), which reads the configuration and the registry: loading
// the library does nothing.
#include "logview/logview.h"

#include <utility>

#include "lang/log_view_language.h"
#include "platform/registry.h"
#include "shell/log_viewer_app.h"

namespace {

void ShowModal(const CLogViewerApp& app, platform::CWnd* parent, const ViewerSettings& settings,
               std::vector<EPOS_Setting> posSettings) {
  CLogViewerDlg dialog(parent);
  dialog.SetServices(app.Services());
  dialog.Settings() = settings;
  dialog.Settings().modeless = 0;
  dialog.LoadCameraList();
  dialog.SetPosSettings(std::move(posSettings));
  VxBitset<128> all;
  dialog.SetCameras(all.set());
  dialog.SetNoTimeWindow();
  // The pages of the modal viewer answer to the host too (open action 32793).
  dialog.SetHostWindow(parent);
  // Its counting diagram tab follows the counting switch.
  dialog.DoModal();
}

void ShowModeless(CLogViewerApp& app, platform::CWnd* parent, const ViewerSettings& settings,
                  int showCountingDiagram, std::vector<EPOS_Setting> posSettings, bool show) {
  // A long-running host sees what other programs changed in the registry.
  platform::Registry::Machine().Refresh();
  if (app.resetRequested && app.IsCreated()) app.ReplaceDialog();
  app.resetRequested = false;
  CLogViewerDlg& dialog = app.Dialog();
  dialog.Create();
  dialog.Settings() = settings;
  dialog.Settings().modeless = 1;
  dialog.RemoveAllTabs();
  if (show) {
    dialog.LoadCameraList();
    dialog.SetPosSettings(std::move(posSettings));
  }
  dialog.AddTabs(showCountingDiagram != 0);
  dialog.ClearAllLists();
  dialog.SetHostWindow(parent);
  dialog.ShowWindow(show);
}

// The modeless dialog, or nullptr while its window does not exist.
CLogViewerDlg* ModelessWindow() {
  CLogViewerApp& app = TheLogViewerApp();
  return app.IsCreated() ? &app.Dialog() : nullptr;
}

}  // namespace

void ShowLogViewerDlg(platform::CWnd* parent, int showEventLog, int showSystemLog, int showCounting,
                      int showCountingDiagram, int showMetadataLog, int showBackupLog,
                      int showIvsLog, int showEdgeStorage, int remoteCameraList, int serverPort,
                      CStringA serverAddress, unsigned long userSessionNo,
                      std::vector<EPOS_Setting> posSettings, CUserAccount* userAccount,
                      int cameraCount, int modeless, int show, int genericCameraNames,
                      int nvrMode) {
  CLogViewerApp& app = TheLogViewerApp();
  ViewerSettings settings;
  settings.showEventLog = showEventLog;
  settings.showSystemLog = showSystemLog;
  settings.showCounting = showCounting;
  settings.showMetadataLog = showMetadataLog;
  settings.showBackupLog = showBackupLog;
  settings.showIvsLog = showIvsLog;
  settings.showEdgeStorage = showEdgeStorage;
  settings.remoteCameraList = remoteCameraList;
  settings.serverPort = serverPort;
  settings.serverAddress = std::move(serverAddress);
  settings.userSessionNo = static_cast<uint32_t>(userSessionNo);
  settings.userAccount = userAccount;
  settings.cameraCount = cameraCount;
  settings.genericCameraNames = genericCameraNames;
  settings.nvrMode = nvrMode;
  if (modeless == 0)
    ShowModal(app, parent, settings, std::move(posSettings));
  else
    ShowModeless(app, parent, settings, showCountingDiagram, std::move(posSettings), show != 0);
}

void SetLogDateTimeAndSearch(CDateTime start, CDateTime end, VxBitset<128> cameras) {
  if (CLogViewerDlg* dialog = ModelessWindow()) dialog->SetLogDateTimeAndSearch(start, end, cameras);
}

void SetLogDateTime(CDateTime start, CDateTime end) {
  if (CLogViewerDlg* dialog = ModelessWindow()) dialog->SetLogDateTime(start, end);
}

void SetCameras(VxBitset<128> cameras) {
  if (CLogViewerDlg* dialog = ModelessWindow()) dialog->SetCameras(cameras);
}

void EnableEventLog(EventLogStatus status) {
  TheLogViewerApp().eventLogStatus = status;
}

void EnableSystemLog(SystemLogStatus status) {
  TheLogViewerApp().systemLogStatus = status;
}

void SetRemoteMode(bool remote) {
  TheLogViewerApp().remoteMode = remote;
}

void ResetLogViewerInstance() {
  TheLogViewerApp().resetRequested = true;
}

// The language pack of the new number is loaded from `languageFolder` by the
// language layer once it is part of the viewer; the number is what pages and
// fonts read.
void ResetLogViewerLanguage(unsigned long languageNumber, const char* languageFolder) {
  CLogViewerApp& app = TheLogViewerApp();
  app.languageNumber = static_cast<uint32_t>(languageNumber);
  LoadLogViewLanguage(app.languageNumber, languageFolder);
}

int FilterDllMsg(platform::MSG* msg) {
  CLogViewerDlg* dialog = ModelessWindow();
  if (msg == nullptr || dialog == nullptr || !dialog->IsVisible() || msg->message != platform::kMsgKeyDown) return 0;
  return dialog->PreTranslateKey(msg->wParam) ? 1 : 0;
}
