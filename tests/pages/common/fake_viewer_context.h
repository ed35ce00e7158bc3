// A viewer context for page tests: settings, camera list and switches the
// test sets, a dialog window that counts failed-search messages, a fake
// protocol client, message boxes and a save dialog that answer as the test
// says, and a record of the calls a page makes through it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "pages/common/fake_vxpp_client.h"
#include "pages/common/viewer_context.h"
#include "ui/message_box.h"

class FakeDialogWindow : public platform::CWnd {
 public:
  std::vector<platform::UINT> received;

 protected:
  platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM, platform::LPARAM) override {
    received.push_back(message);
    return 0;
  }
};

class FakeViewerContext : public IViewerContext {
 public:
  struct SearchCall {
    CDateTime start, end;
    VxBitset<128> cameras;
  };

  const ViewerSettings& Settings() const override { return settings; }
  const std::vector<std::string>& CameraNames() const override { return cameraNames; }
  const std::vector<uint32_t>& CameraIds() const override { return cameraIds; }
  const std::vector<EPOS_Setting>& PosSettings() const override { return posSettings; }
  platform::CWnd* DialogWindow() override { return &dialog; }
  platform::CWnd* EventHostWindow() override { return eventHost; }
  EventLogStatus EventSwitches() const override { return eventSwitches; }
  SystemLogStatus SystemSwitches() const override { return systemSwitches; }
  void SetLogDateTimeAndSearch(const CDateTime& start, const CDateTime& end,
                               const VxBitset<128>& cameras) override {
    searches.push_back({start, end, cameras});
  }
  std::unique_ptr<IVXPPClient> MakeClient() override { return std::make_unique<FakeVxppClient>(server); }
  bool DownloadEdgeEventList(const std::string& folder, const std::string& fileName) override {
    downloads.push_back(folder + "/" + fileName);
    return false;
  }
  std::string InstallFolder() const override { return installFolder; }
  std::string LogRoot() const override { return logRoot; }
  bool LogRootIsBackup() const override { return logRootIsBackup; }
  int AskUser(const std::string& text, const std::string& caption, unsigned style) override {
    boxes.push_back({text, caption, style});
    return CMessageBox::DefaultAnswer(style);
  }
  std::optional<std::string> ChooseSavePath(const std::string& filter, const std::string& extension) override {
    saveDialogs.push_back(filter + " " + extension);
    return savePath;
  }
  void SearchProgressed() override {
    ++progressReports;
    if (onProgress) onProgress();
  }

  ViewerSettings settings;
  std::vector<std::string> cameraNames;
  std::vector<uint32_t> cameraIds;
  std::vector<EPOS_Setting> posSettings;
  FakeDialogWindow dialog;
  platform::CWnd* eventHost = nullptr;
  EventLogStatus eventSwitches;
  SystemLogStatus systemSwitches;
  std::vector<SearchCall> searches;
  FakeVxppAnswers server;
  std::vector<std::string> downloads;
  std::string logRoot;  // ending with "/"
  bool logRootIsBackup = false;
  std::string installFolder;
  std::vector<CMessageBoxRequest> boxes;
  std::optional<std::string> savePath;  // the save dialog's answer
  std::vector<std::string> saveDialogs;  // "FILTER EXTENSION" of each
  int progressReports = 0;
  std::function<void()> onProgress;  // what a window would do while a search reports
};
