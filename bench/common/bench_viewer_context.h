// The viewer as a page sees it in a benchmark: a local search of the
// installation at `root`, the cameras the benchmark lists, every switch on,
// message boxes answered with their default button and no save dialog.
#pragma once

#include <string>
#include <vector>

#include "pages/common/viewer_context.h"
#include "platform/paths.h"
#include "store/log_root_folder.h"
#include "ui/message_box.h"

namespace bench {

class BenchContext : public IViewerContext {
 public:
  explicit BenchContext(const std::string& root) {
    settings.serverAddress = root;
    settings.modeless = 1;
  }
  const ViewerSettings& Settings() const override { return settings; }
  const std::vector<std::string>& CameraNames() const override { return names; }
  const std::vector<uint32_t>& CameraIds() const override { return ids; }
  platform::CWnd* DialogWindow() override { return &dialog; }
  platform::CWnd* EventHostWindow() override { return nullptr; }
  EventLogStatus EventSwitches() const override { return {}; }
  SystemLogStatus SystemSwitches() const override { return {}; }
  void SetLogDateTimeAndSearch(const CDateTime&, const CDateTime&, const VxBitset<128>&) override {}
  std::unique_ptr<IVXPPClient> MakeClient() override { return nullptr; }  // never remote
  bool DownloadEdgeEventList(const std::string&, const std::string&) override { return false; }
  std::string InstallFolder() const override { return platform::InstallFolder(); }
  std::string LogRoot() const override { return LogRootFolder(settings.serverAddress); }
  bool LogRootIsBackup() const override { return GetRecordFileMarker().backup; }
  int AskUser(const std::string&, const std::string&, unsigned style) override {
    return CMessageBox::DefaultAnswer(style);
  }
  std::optional<std::string> ChooseSavePath(const std::string&, const std::string&) override { return std::nullopt; }

  ViewerSettings settings;
  std::vector<std::string> names;
  std::vector<uint32_t> ids;
  platform::CWnd dialog;
};

}  // namespace bench
