#include <gtest/gtest.h>

#include "platform/registry.h"
#include "shell/log_viewer_app.h"
#include "shell/viewer_fixture.h"

namespace {

constexpr const char* kVendorKey = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\VEXOIP]\r\n";
constexpr const char* kVideoKey = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\VEXOIP\\Vantor\\Video\\";

std::vector<int> Titles(const CLogViewerDlg& dialog) {
  std::vector<int> titles;
  for (const ViewerTab& tab : dialog.Tabs()) titles.push_back(tab.titleString);
  return titles;
}

CLogViewerDlg& Viewer() { return AfxGetLogViewerApp()->Dialog(); }

VxBitset<128> Camera(size_t position) { return VxBitset<128>().set(position); }

TEST_F(ViewerTest, ModelessLifeCycle) {
  StartViewer();
  const CDateTime day = CDateTime::FromFields(2024, 1, 31);
  // Before the first modeless show the host's calls have nowhere to go.
  SetCameras(Camera(1));
  SetLogDateTimeAndSearch(day, day, Camera(2));
  EXPECT_FALSE(AfxGetLogViewerApp()->IsCreated());
  EXPECT_FALSE(Viewer().CameraSet().any());

  // show = 0: window made, hidden, tabs built, camera list not loaded.
  Show(&m_host, {.showEventLog = 1, .showSystemLog = 1, .cameraCount = 2, .show = 0,
                 .genericCameraNames = 1});
  CLogViewerDlg* first = &Viewer();
  EXPECT_TRUE(AfxGetLogViewerApp()->IsCreated());
  EXPECT_FALSE(first->IsVisible());
  EXPECT_EQ(Titles(*first), (std::vector<int>{3, 2}));
  EXPECT_TRUE(first->CameraNames().empty());
  EXPECT_EQ(first->HostWindow(), &m_host);
  SetLogDateTimeAndSearch(day, day + 1, Camera(2));
  EXPECT_EQ(first->HostEnd(), day + 1);
  EXPECT_EQ(first->CameraSet(), Camera(2));

  // A second call reuses the window and leaves exactly its own tabs.
  Show(&m_host, {.showCounting = 1, .showIvsLog = 1, .cameraCount = 2, .genericCameraNames = 1});
  EXPECT_EQ(&Viewer(), first);
  EXPECT_TRUE(first->IsVisible());
  EXPECT_EQ(Titles(*first), (std::vector<int>{4, 113}));
  EXPECT_EQ(first->CameraNames(), (std::vector<std::string>{"Camera 1", "Camera 2"}));
  EXPECT_EQ(first->CameraSet(), Camera(2));

  // A reset leaves the window working until the next show replaces it.
  ResetLogViewerInstance();
  SetCameras(Camera(4));
  EXPECT_EQ(Viewer().CameraSet(), Camera(4));
  Show(&m_host, {.showSystemLog = 1, .show = 0});
  EXPECT_FALSE(AfxGetLogViewerApp()->resetRequested);
  EXPECT_FALSE(Viewer().CameraSet().any());
  EXPECT_EQ(Titles(Viewer()), (std::vector<int>{3}));

  // Closing hides the viewer and tells the host; the window stays.
  Viewer().OnClose();
  EXPECT_FALSE(Viewer().IsVisible());
  EXPECT_TRUE(AfxGetLogViewerApp()->IsCreated());
  const auto messages = m_host.TakeMessages();
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[1].message, platform::kMsgViewerClosing);
  EXPECT_EQ(messages[2].message, platform::kMsgViewerHidden);
  EXPECT_EQ(messages[2].wParam, 1u);
}

TEST_F(ViewerTest, ModalViewerNeverTouchesTheSingleton) {
  StartViewer();
  Show(&m_host, {.showEventLog = 1, .show = 0});
  std::vector<int> modalTitles;
  bool separate = false;
  CLogViewerDlg::SetModalLoop([&](CLogViewerDlg& modal) {
    modalTitles = Titles(modal);
    separate = &modal != &Viewer();
    EXPECT_EQ(modal.CameraSet().count(), 128u);
    EXPECT_TRUE(modal.NoTimeWindow());
    EXPECT_EQ(modal.Settings().modeless, 0);
    EXPECT_EQ(modal.GetParent(), &m_host);
    EXPECT_EQ(modal.HostWindow(), &m_host);
    EXPECT_EQ(modal.CameraNames().size(), 3u);
    modal.OnClose();
    EXPECT_TRUE(modal.EndedModal());
  });
  // The modal diagram tab follows the counting switch, not the diagram switch.
  Show(&m_host, {.showCounting = 1, .cameraCount = 3, .modeless = 0, .genericCameraNames = 1});
  EXPECT_EQ(modalTitles, (std::vector<int>{4, 5}));
  EXPECT_TRUE(separate);
  EXPECT_EQ(Titles(Viewer()), (std::vector<int>{2}));
  EXPECT_EQ(m_host.TakeMessages().size(), 2u);  // closing, no hiding

  // The modeless diagram tab follows its own switch.
  Show(&m_host, {.showCounting = 1});
  EXPECT_EQ(Titles(Viewer()), (std::vector<int>{4}));
  Show(&m_host, {.showCountingDiagram = 1});
  EXPECT_EQ(Titles(Viewer()), (std::vector<int>{5}));

  CLogViewerDlg::SetModalLoop(nullptr);
  CreateLogViewerApp();
  Show(&m_host, {.showEventLog = 1, .modeless = 0});
  EXPECT_FALSE(AfxGetLogViewerApp()->IsCreated());
}

TEST_F(ViewerTest, TabOrder) {
  StartViewer();
  ShowArgs all{.showEventLog = 1, .showSystemLog = 1, .showCounting = 1,
               .showCountingDiagram = 1, .showMetadataLog = 1, .showBackupLog = 1,
               .showIvsLog = 1, .showEdgeStorage = 1, .show = 0};
  Show(&m_host, all);
  EXPECT_EQ(Titles(Viewer()), (std::vector<int>{3, 81, 2, 172, 4, 5, 113, 56}));
  EXPECT_EQ(Viewer().Tabs()[0].page, ViewerPage::kVantorSysLog);
  EXPECT_EQ(Viewer().CurrentTab(), 0);

  all.nvrMode = 1;  // remote variants, and no edge storage
  Show(&m_host, all);
  EXPECT_EQ(Titles(Viewer()), (std::vector<int>{3, 81, 170, 4, 5, 113, 56}));
  EXPECT_EQ(Viewer().Tabs()[2].page, ViewerPage::kNVREventLog);
  EXPECT_EQ(Viewer().Tabs()[6].page, ViewerPage::kNVRPosLog);

  Show(&m_host, {.show = 0});
  EXPECT_EQ(Viewer().CurrentTab(), -1);
}

TEST_F(ViewerTest, LanguageNumberAtStartUp) {
  // Absent: chosen from the system language and written back.
  StartViewer(std::string(kVendorKey) + "\"Other\"=\"x\"\r\n");
  EXPECT_EQ(AfxGetLogViewerApp()->languageNumber, 9u);
  EXPECT_NE(ReadRegistryFile().find("\"LangID\"=dword:00000009"), std::string::npos);
  EXPECT_NE(ReadRegistryFile().find("\"Other\"=\"x\""), std::string::npos);
  EXPECT_EQ(AfxGetLogViewerApp()->firstFont.face, "Tahoma");
  EXPECT_EQ(AfxGetLogViewerApp()->secondFont.face, "Arial");

  WriteRegistry(std::string(kVendorKey) + "\"LangID\"=dword:00000011\r\n");
  CreateLogViewerApp();
  EXPECT_EQ(AfxGetLogViewerApp()->languageNumber, 17u);
  EXPECT_EQ(AfxGetLogViewerApp()->secondFont.face, "Tahoma");

  WriteRegistry(std::string(kVendorKey) + "\"LangID\"=\"1041\"\r\n");  // not a DWORD
  CreateLogViewerApp();
  EXPECT_EQ(AfxGetLogViewerApp()->languageNumber, 9u);

  // Without the vendor key nothing is written.
  WriteRegistry("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Elsewhere]\r\n");
  const std::string before = ReadRegistryFile();
  CreateLogViewerApp();
  EXPECT_EQ(ReadRegistryFile(), before);
}

TEST_F(ViewerTest, CameraList) {
  StartViewer(std::string(kVideoKey) + "Ch01]\r\n\"Name\"=\"Lobby\"\r\n\"DeviceID\"=dword:00000007\r\n" +
              kVideoKey + "Other]\r\n\"Name\"=\"Not a camera\"\r\n" + kVideoKey +
              "IP5]\r\n\"Name\"=dword:00000001\r\n");
  Show(&m_host, {.showEventLog = 1, .cameraCount = 3});
  EXPECT_EQ(Viewer().CameraNames(), (std::vector<std::string>{"Lobby", ""}));
  EXPECT_EQ(Viewer().CameraIds(), (std::vector<uint32_t>{7, 0}));

  // No usable sub-key: generic names.
  WriteRegistry(std::string(kVideoKey) + "Other]\r\n");
  Show(&m_host, {.showEventLog = 1, .cameraCount = 3});
  EXPECT_EQ(Viewer().CameraNames(),
            (std::vector<std::string>{"Camera 1", "Camera 2", "Camera 3"}));
  EXPECT_EQ(Viewer().CameraIds(), (std::vector<uint32_t>{0, 1, 2}));

  // No key at all: the list stays as it was.
  WriteRegistry(kVendorKey);
  Show(&m_host, {.showEventLog = 1, .cameraCount = 5});
  EXPECT_EQ(Viewer().CameraNames().size(), 3u);
}

}  // namespace
