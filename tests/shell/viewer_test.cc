#include <gtest/gtest.h>

#include <fstream>

#include "platform/registry.h"
#include "shell/log_viewer_app.h"
#include "shell/viewer_fixture.h"

namespace {

constexpr const char* kVendorKey = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\VEXOIP]\r\n";

std::vector<int> Titles(const CLogViewerDlg& dialog) {
  std::vector<int> titles;
  for (const ViewerTab& tab : dialog.Tabs()) titles.push_back(tab.titleString);
  return titles;
}

CLogViewerDlg& Viewer() { return AfxGetLogViewerApp()->Dialog(); }

VxBitset<128> Cameras(std::initializer_list<size_t> positions) {
  VxBitset<128> set;
  for (size_t p : positions) set.set(p);
  return set;
}

TEST_F(ViewerTest, HostCallsBeforeTheWindowDoNothing) {
  StartViewer();
  EXPECT_FALSE(AfxGetLogViewerApp()->IsCreated());
  const CDateTime start = CDateTime::FromFields(2024, 1, 31);
  SetCameras(Cameras({1}));
  SetLogDateTime(start, start + CDateTime::kTicksPerDay);
  SetLogDateTimeAndSearch(start, start, Cameras({2}));
  EXPECT_FALSE(Viewer().CameraSet().any());
  EXPECT_EQ(Viewer().HostStart().GetStatus(), CDateTime::kNull);

  Show(&m_host, {.showEventLog = 1, .show = 0});
  SetLogDateTimeAndSearch(start, start + CDateTime::kTicksPerDay, Cameras({2}));
  EXPECT_EQ(Viewer().HostStart(), start);
  EXPECT_EQ(Viewer().HostEnd(), start + CDateTime::kTicksPerDay);
  EXPECT_EQ(Viewer().CameraSet(), Cameras({2}));
  SetCameras(Cameras({5}));
  SetLogDateTime(start + 1, start + 2);
  EXPECT_EQ(Viewer().CameraSet(), Cameras({5}));
  EXPECT_EQ(Viewer().HostStart(), start + 1);
}

TEST_F(ViewerTest, ModelessShowCreatesOnceAndRebuildsTabs) {
  StartViewer();
  // show = 0: the window exists, hidden, with its tabs but no camera list.
  Show(&m_host, {.showEventLog = 1, .showSystemLog = 1, .cameraCount = 2, .show = 0,
                 .genericCameraNames = 1});
  CLogViewerDlg* first = &Viewer();
  EXPECT_TRUE(AfxGetLogViewerApp()->IsCreated());
  EXPECT_FALSE(first->IsVisible());
  EXPECT_EQ(Titles(*first), (std::vector<int>{3, 2}));
  EXPECT_EQ(first->CurrentTab(), 0);
  EXPECT_TRUE(first->CameraNames().empty());
  EXPECT_EQ(first->Settings().modeless, 1);
  EXPECT_EQ(first->HostWindow(), &m_host);

  // A second call with other switches leaves exactly its own tabs.
  Show(&m_host, {.showCounting = 1, .showIvsLog = 1, .cameraCount = 2,
                 .genericCameraNames = 1});
  EXPECT_EQ(&Viewer(), first);
  EXPECT_TRUE(first->IsVisible());
  EXPECT_EQ(Titles(*first), (std::vector<int>{4, 113}));
  EXPECT_EQ(first->CameraNames(), (std::vector<std::string>{"Camera 1", "Camera 2"}));
  EXPECT_EQ(first->Settings().serverPort, 5160);
}

TEST_F(ViewerTest, ResetReplacesTheWindowOnlyOnTheNextShow) {
  StartViewer();
  Show(&m_host, {.showEventLog = 1});
  SetCameras(Cameras({3}));
  ResetLogViewerInstance();
  // Until the next show the current window keeps working.
  EXPECT_TRUE(AfxGetLogViewerApp()->IsCreated());
  SetCameras(Cameras({4}));
  EXPECT_EQ(Viewer().CameraSet(), Cameras({4}));

  Show(&m_host, {.showSystemLog = 1, .show = 0});
  EXPECT_TRUE(AfxGetLogViewerApp()->IsCreated());
  EXPECT_FALSE(AfxGetLogViewerApp()->resetRequested);
  EXPECT_FALSE(Viewer().CameraSet().any());  // a new dialog
  EXPECT_EQ(Titles(Viewer()), (std::vector<int>{3}));

  // A reset before the first window replaces nothing and is then forgotten.
  DestroyLogViewerApp();
  CreateLogViewerApp();
  ResetLogViewerInstance();
  Show(&m_host, {.showEventLog = 1, .show = 0});
  EXPECT_FALSE(AfxGetLogViewerApp()->resetRequested);
  SetCameras(Cameras({7}));
  Show(&m_host, {.showEventLog = 1, .show = 0});
  EXPECT_EQ(Viewer().CameraSet(), Cameras({7}));
}

TEST_F(ViewerTest, ModalViewerNeverTouchesTheSingleton) {
  StartViewer();
  Show(&m_host, {.showEventLog = 1, .show = 0});
  std::vector<int> modalTitles;
  bool allCameras = false, noTimeWindow = false, singletonUntouched = false;
  CLogViewerDlg::SetModalLoop([&](CLogViewerDlg& modal) {
    modalTitles = Titles(modal);
    allCameras = modal.CameraSet().count() == 128;
    noTimeWindow = modal.NoTimeWindow();
    singletonUntouched = &modal != &Viewer() && Titles(Viewer()) == std::vector<int>{2};
    EXPECT_EQ(modal.Settings().modeless, 0);
    EXPECT_EQ(modal.GetParent(), &m_host);
    EXPECT_EQ(modal.CameraNames().size(), 3u);
  });
  // The modal diagram tab follows the counting switch, not the diagram switch.
  Show(&m_host, {.showCounting = 1, .showCountingDiagram = 0, .cameraCount = 3, .modeless = 0,
                 .genericCameraNames = 1});
  EXPECT_EQ(modalTitles, (std::vector<int>{4, 5}));
  EXPECT_TRUE(allCameras);
  EXPECT_TRUE(noTimeWindow);
  EXPECT_TRUE(singletonUntouched);
  EXPECT_EQ(Titles(Viewer()), (std::vector<int>{2}));
  EXPECT_FALSE(Viewer().CameraSet().any());

  // Modeless: the diagram follows its own switch.
  Show(&m_host, {.showCounting = 1, .showCountingDiagram = 0});
  EXPECT_EQ(Titles(Viewer()), (std::vector<int>{4}));
  Show(&m_host, {.showCountingDiagram = 1});
  EXPECT_EQ(Titles(Viewer()), (std::vector<int>{5}));

  // A modal viewer before any modeless one makes no window.
  CLogViewerDlg::SetModalLoop(nullptr);
  DestroyLogViewerApp();
  CreateLogViewerApp();
  Show(&m_host, {.showEventLog = 1, .modeless = 0});
  EXPECT_FALSE(AfxGetLogViewerApp()->IsCreated());
}

TEST_F(ViewerTest, ClosingTellsTheHost) {
  StartViewer();
  Show(&m_host, {.showEventLog = 1});
  Viewer().OnClose();
  EXPECT_FALSE(Viewer().IsVisible());
  EXPECT_TRUE(AfxGetLogViewerApp()->IsCreated());
  const auto messages = m_host.TakeMessages();
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0].message, platform::kMsgViewerClosing);
  EXPECT_EQ(messages[1].message, platform::kMsgViewerClosing);
  EXPECT_EQ(messages[2].message, platform::kMsgViewerHidden);
  EXPECT_EQ(messages[2].wParam, 1u);

  bool ended = false;
  CLogViewerDlg::SetModalLoop([&](CLogViewerDlg& modal) {
    modal.OnClose();
    ended = modal.EndedModal();
  });
  Show(&m_host, {.showEventLog = 1, .modeless = 0});
  EXPECT_TRUE(ended);
  const auto modalMessages = m_host.TakeMessages();
  ASSERT_EQ(modalMessages.size(), 2u);
  EXPECT_EQ(modalMessages[1].message, platform::kMsgViewerClosing);
}

TEST_F(ViewerTest, TabOrder) {
  StartViewer();
  ShowArgs all{.showEventLog = 1, .showSystemLog = 1, .showCounting = 1,
               .showCountingDiagram = 1, .showMetadataLog = 1, .showBackupLog = 1,
               .showIvsLog = 1, .showEdgeStorage = 1, .show = 0};
  Show(&m_host, all);
  EXPECT_EQ(Titles(Viewer()), (std::vector<int>{3, 81, 2, 172, 4, 5, 113, 56}));
  EXPECT_EQ(Viewer().Tabs()[0].page, ViewerPage::kVantorSysLog);
  EXPECT_EQ(Viewer().Tabs()[7].page, ViewerPage::kVantorPosLog);

  all.nvrMode = 1;
  Show(&m_host, all);
  EXPECT_EQ(Titles(Viewer()), (std::vector<int>{3, 81, 170, 4, 5, 113, 56}));
  const std::vector<ViewerTab> nvr = Viewer().Tabs();
  EXPECT_EQ(nvr[0].page, ViewerPage::kNVRSysLog);
  EXPECT_EQ(nvr[1].page, ViewerPage::kNVRVideoLog);
  EXPECT_EQ(nvr[2].page, ViewerPage::kNVREventLog);
  EXPECT_EQ(nvr[6].page, ViewerPage::kNVRPosLog);

  Show(&m_host, {.showCounting = 1, .showCountingDiagram = 1, .show = 0});
  EXPECT_EQ(Titles(Viewer()), (std::vector<int>{4, 5}));
  Show(&m_host, {.show = 0});
  EXPECT_TRUE(Viewer().Tabs().empty());
  EXPECT_EQ(Viewer().CurrentTab(), -1);
}

TEST_F(ViewerTest, AbsentLanguageIsChosenAndWrittenBack) {
  StartViewer(std::string(kVendorKey) + "\"Other\"=\"x\"\r\n");
  EXPECT_EQ(AfxGetLogViewerApp()->languageNumber, 9u);
  EXPECT_NE(ReadRegistryFile().find("\"LangID\"=dword:00000009"), std::string::npos);
  EXPECT_NE(ReadRegistryFile().find("\"Other\"=\"x\""), std::string::npos);
  EXPECT_EQ(AfxGetLogViewerApp()->firstFont.face, "Tahoma");
  EXPECT_EQ(AfxGetLogViewerApp()->secondFont.face, "Arial");
  EXPECT_EQ(AfxGetLogViewerApp()->secondFont.pointSize, 9);
}

TEST_F(ViewerTest, StoredLanguageIsKept) {
  StartViewer(std::string(kVendorKey) + "\"LangID\"=dword:00000011\r\n");
  EXPECT_EQ(AfxGetLogViewerApp()->languageNumber, 17u);
  EXPECT_EQ(AfxGetLogViewerApp()->secondFont.face, "Tahoma");

  // A value of the wrong type counts as absent.
  std::ofstream(m_registryPath, std::ios::binary)
      << "Windows Registry Editor Version 5.00\r\n\r\n" << kVendorKey << "\"LangID\"=\"1041\"\r\n";
  platform::Registry::Machine().Reload();
  CreateLogViewerApp();
  EXPECT_EQ(AfxGetLogViewerApp()->languageNumber, 9u);
  EXPECT_NE(ReadRegistryFile().find("\"LangID\"=dword:00000009"), std::string::npos);

  ResetLogViewerLanguage(1041, "/nowhere/");
  EXPECT_EQ(AfxGetLogViewerApp()->languageNumber, 1041u);
}

TEST_F(ViewerTest, MissingVendorKeyCreatesNothing) {
  StartViewer("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Elsewhere]\r\n");
  const std::string before = ReadRegistryFile();
  EXPECT_EQ(AfxGetLogViewerApp()->languageNumber, 9u);
  EXPECT_EQ(ReadRegistryFile(), before);
}

TEST_F(ViewerTest, CameraListFromTheRegistry) {
  StartViewer(
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\VEXOIP\\Vantor\\Video\\Ch01]\r\n"
      "\"Name\"=\"Lobby\"\r\n\"DeviceID\"=dword:00000007\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\VEXOIP\\Vantor\\Video\\Other]\r\n"
      "\"Name\"=\"Not a camera\"\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\VEXOIP\\Vantor\\Video\\IP5]\r\n"
      "\"Name\"=dword:00000001\r\n");
  Show(&m_host, {.showEventLog = 1, .cameraCount = 3});
  EXPECT_EQ(Viewer().CameraNames(), (std::vector<std::string>{"Lobby", ""}));
  EXPECT_EQ(Viewer().CameraIds(), (std::vector<uint32_t>{7, 0}));

  // Generic names win over the registry when the host asks for them.
  Show(&m_host, {.showEventLog = 1, .cameraCount = 3, .genericCameraNames = 1});
  EXPECT_EQ(Viewer().CameraNames(),
            (std::vector<std::string>{"Camera 1", "Camera 2", "Camera 3"}));
  EXPECT_EQ(Viewer().CameraIds(), (std::vector<uint32_t>{0, 1, 2}));
}

TEST_F(ViewerTest, CameraListWithoutUsableKeys) {
  StartViewer("[HKEY_LOCAL_MACHINE\\SOFTWARE\\VEXOIP\\Vantor\\Video\\Other]\r\n");
  Show(&m_host, {.showEventLog = 1, .cameraCount = 3});
  EXPECT_EQ(Viewer().CameraNames(),
            (std::vector<std::string>{"Camera 1", "Camera 2", "Camera 3"}));

  // Without the key the list stays as it was.
  std::ofstream(m_registryPath, std::ios::binary)
      << "Windows Registry Editor Version 5.00\r\n\r\n" << kVendorKey;
  platform::Registry::Machine().Reload();
  Show(&m_host, {.showEventLog = 1, .cameraCount = 5});
  EXPECT_EQ(Viewer().CameraNames().size(), 3u);
  ResetLogViewerInstance();
  Show(&m_host, {.showEventLog = 1, .cameraCount = 5});
  EXPECT_TRUE(Viewer().CameraNames().empty());
}

TEST_F(ViewerTest, SwitchesAndMessages) {
  StartViewer();
  EventLogStatus off;
  off.generalMotion = 0;
  EnableEventLog(off);
  SystemLogStatus sysOff;
  sysOff.wardix = 0;
  EnableSystemLog(sysOff);
  const CLogViewerApp& app = *AfxGetLogViewerApp();
  EXPECT_EQ(app.eventLogStatus.generalMotion, 0);
  EXPECT_TRUE(EventTypeOn(app.EventSwitches(), 0));  // remote mode off
  EXPECT_TRUE(SystemTypeOn(app.SystemSwitches(), 12));
  SetRemoteMode(true);
  EXPECT_FALSE(EventTypeOn(app.EventSwitches(), 0));
  EXPECT_FALSE(SystemTypeOn(app.SystemSwitches(), 12));

  MSG msg{&m_host, 0x0100, 9, 0};
  EXPECT_EQ(FilterDllMsg(&msg), 0);
}

}  // namespace
