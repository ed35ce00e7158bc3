// A viewer context for page tests: settings, camera list and switches the
// test sets, a dialog window that counts failed-search messages, and a
// record of the host calls a page makes through it.
#pragma once

#include <string>
#include <vector>

#include "pages/common/viewer_context.h"

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
  platform::CWnd* DialogWindow() override { return &dialog; }
  platform::CWnd* EventHostWindow() override { return eventHost; }
  EventLogStatus EventSwitches() const override { return eventSwitches; }
  SystemLogStatus SystemSwitches() const override { return systemSwitches; }
  void SetLogDateTimeAndSearch(const CDateTime& start, const CDateTime& end,
                               const VxBitset<128>& cameras) override {
    searches.push_back({start, end, cameras});
  }

  ViewerSettings settings;
  std::vector<std::string> cameraNames;
  std::vector<uint32_t> cameraIds;
  FakeDialogWindow dialog;
  platform::CWnd* eventHost = nullptr;
  EventLogStatus eventSwitches;
  SystemLogStatus systemSwitches;
  std::vector<SearchCall> searches;
};
