#include <gtest/gtest.h>

#include <fstream>

#include "lang/translated_string.h"
#include "pages/common/fake_vxpp_client.h"
#include "platform/registry.h"
#include "shell/log_viewer_app.h"
#include "shell/viewer_fixture.h"
#include "ui/combo_box_model.h"
#include "ui/date_time_picker_model.h"
#include "ui/message_box.h"

namespace {

constexpr const char* kVendorKey = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\VEXOIP]\r\n";
constexpr const char* kVideoKey = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\VEXOIP\\Vantor\\Video\\";

CLogViewerDlg& Viewer() { return AfxGetLogViewerApp()->Dialog(); }

// The tabs as the user sees them: their titles, in order.
std::vector<std::string> Titles(CLogViewerDlg& dialog) {
  std::vector<std::string> titles;
  for (int i = 0; i < dialog.TabCtrl().GetItemCount(); ++i) titles.push_back(dialog.TabCtrl().GetTab(i)->title);
  return titles;
}

std::vector<int> Numbers(const std::vector<ViewerTab>& tabs) {
  std::vector<int> numbers;
  for (const ViewerTab& tab : tabs) numbers.push_back(tab.titleString);
  return numbers;
}

CEventLogPage& EventPage(CLogViewerDlg& dialog, ViewerPage page = ViewerPage::kVantorEventLog) {
  return *static_cast<CEventLogPage*>(dialog.PageOf(page));
}

VxBitset<128> Camera(size_t position) { return VxBitset<128>().set(position); }

TEST_F(ViewerTest, ModelessLifeCycle) {
  StartViewer();
  const CDateTime day = CDateTime::FromFields(2024, 1, 31);
  // Before the first modeless show the host's calls have nowhere to go.
  SetCameras(Camera(1));
  SetLogDateTimeAndSearch(day, day, Camera(2));
  EXPECT_FALSE(AfxGetLogViewerApp()->IsCreated());
  EXPECT_FALSE(EventPage(Viewer()).HostLink().cameras.any());

  // show = 0: window made, hidden, tabs built, camera list not loaded.
  Show(&m_host, {.showEventLog = 1, .showSystemLog = 1, .cameraCount = 2, .show = 0, .genericCameraNames = 1});
  CLogViewerDlg* first = &Viewer();
  EXPECT_TRUE(AfxGetLogViewerApp()->IsCreated());
  EXPECT_FALSE(first->IsVisible());
  EXPECT_EQ(Titles(*first), (std::vector<std::string>{"System Log", "Unusual Event"}));
  EXPECT_EQ(first->TabCtrl().GetCurSel(), 0);
  EXPECT_TRUE(first->CameraNames().empty());
  EXPECT_EQ(EventPage(*first).HostLink().window, &m_host);
  EXPECT_EQ(EventPage(*first, ViewerPage::kNVREventLog).HostLink().window, &m_host);

  // The host's window and cameras reach both event pages; the pickers show
  // the window.
  SetLogDateTime(day, day + CDateTime::kTicksPerSecond);
  SetCameras(Camera(2));
  for (ViewerPage kind : {ViewerPage::kVantorEventLog, ViewerPage::kNVREventLog}) {
    CEventLogPage& page = EventPage(*first, kind);
    EXPECT_EQ(page.HostLink().end, day + CDateTime::kTicksPerSecond);
    EXPECT_EQ(page.HostLink().cameras, Camera(2));
    EXPECT_FALSE(page.Controls().dayPicker->IsChecked());
    EXPECT_EQ(page.Controls().startPicker->GetTime(), day);
  }

  // A second call reuses the window and leaves exactly its own tabs, the
  // camera list loaded and each camera selector rebuilt from it.
  Show(&m_host, {.showEventLog = 1, .cameraCount = 2, .genericCameraNames = 1});
  EXPECT_EQ(&Viewer(), first);
  EXPECT_TRUE(first->IsVisible());
  EXPECT_EQ(Titles(*first), (std::vector<std::string>{"Unusual Event"}));
  EXPECT_EQ(first->CameraNames(), (std::vector<std::string>{"Camera 1", "Camera 2"}));
  const CComboBoxModel& cameras = *EventPage(*first).Controls().secondSelector;
  ASSERT_EQ(cameras.GetCount(), 3);
  EXPECT_EQ(cameras.GetLBText(2), "[02] Camera 2");
  EXPECT_EQ(EventPage(*first).HostLink().cameras, Camera(2));

  // A reset leaves the window working until the next show replaces it.
  ResetLogViewerInstance();
  SetCameras(Camera(4));
  EXPECT_EQ(EventPage(Viewer()).HostLink().cameras, Camera(4));
  Show(&m_host, {.showSystemLog = 1, .show = 0});
  EXPECT_FALSE(AfxGetLogViewerApp()->resetRequested);
  EXPECT_FALSE(EventPage(Viewer()).HostLink().cameras.any());
  EXPECT_EQ(Titles(Viewer()), (std::vector<std::string>{"System Log"}));
}

TEST_F(ViewerTest, ClosingTellsTheHost) {
  StartViewer();
  Show(&m_host, {.showEventLog = 1});
  m_host.TakeMessages();
  // The close box: closing (for the event page, then the metadata page, which
  // share the host window), then hidden (wParam 1); the window stays.
  const std::vector<platform::UINT> closing{platform::kMsgViewerClosing, platform::kMsgViewerClosing};
  Viewer().OnClose();
  EXPECT_FALSE(Viewer().IsVisible());
  EXPECT_TRUE(AfxGetLogViewerApp()->IsCreated());
  std::vector<platform::MSG> messages = m_host.TakeMessages();
  EXPECT_EQ(MessageNumbers(messages), (std::vector<platform::UINT>{closing[0], closing[1], platform::kMsgViewerHidden}));
  EXPECT_EQ(messages[2].wParam, 1u);

  // OK tells only of the closing; Cancel, forwarded from a page, also of the hiding.
  Show(&m_host, {.showEventLog = 1});
  Viewer().OnOK();
  EXPECT_FALSE(Viewer().IsVisible());
  EXPECT_EQ(MessageNumbers(m_host.TakeMessages()), closing);
  Show(&m_host, {.showEventLog = 1});
  EventPage(Viewer()).SendMessage(kMsgCommand, kCommandCancel, 0);
  EXPECT_FALSE(Viewer().IsVisible());
  EXPECT_EQ(MessageNumbers(m_host.TakeMessages()),
            (std::vector<platform::UINT>{closing[0], closing[1], platform::kMsgViewerHidden}));

  // A page's failed search: text 97 with caption 80, OK only.
  std::vector<CMessageBoxRequest> boxes;
  ViewerServices services;
  services.askUser = [&](const std::string& text, const std::string& caption, unsigned style) {
    boxes.push_back({text, caption, style});
    return CMessageBox::kIdOk;
  };
  AfxGetLogViewerApp()->SetServices(std::move(services));
  Viewer().SendMessage(platform::kMsgSearchFailed);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, LoadTranslatedString(97));
  EXPECT_EQ(boxes[0].caption, "Error");
  EXPECT_EQ(boxes[0].style, CMessageBox::kOk);
}

TEST_F(ViewerTest, ModalViewerNeverTouchesTheSingleton) {
  StartViewer();
  Show(&m_host, {.showEventLog = 1, .show = 0});
  std::vector<std::string> modalTitles;
  bool separate = false;
  CLogViewerDlg::SetModalLoop([&](CLogViewerDlg& modal) {
    modalTitles = Titles(modal);
    separate = &modal != &Viewer();
    const CHostLink& host = EventPage(modal).HostLink();
    EXPECT_EQ(host.cameras.count(), 128u);
    EXPECT_TRUE(host.noTimeWindow);
    EXPECT_EQ(host.window, &m_host);
    EXPECT_EQ(modal.Settings().modeless, 0);
    EXPECT_EQ(modal.ParentWindow(), &m_host);
    EXPECT_EQ(modal.CameraNames().size(), 3u);
    EXPECT_EQ(EventPage(modal).Controls().secondSelector->GetCount(), 4);
    modal.OnClose();
    EXPECT_TRUE(modal.EndedModal());
  });
  Show(&m_host, {.showEventLog = 1, .showSystemLog = 1, .cameraCount = 3, .modeless = 0,
                 .genericCameraNames = 1, .nvrMode = 1});
  EXPECT_EQ(modalTitles, (std::vector<std::string>{"System Log", LoadTranslatedString(170)}));
  EXPECT_TRUE(separate);
  EXPECT_EQ(Titles(Viewer()), (std::vector<std::string>{"Unusual Event"}));
  EXPECT_EQ(m_host.TakeMessages().size(), 2u);  // closing (event and metadata pages), no hiding

  CLogViewerDlg::SetModalLoop(nullptr);
  CreateLogViewerApp();
  Show(&m_host, {.showEventLog = 1, .modeless = 0});
  EXPECT_FALSE(AfxGetLogViewerApp()->IsCreated());
}

TEST_F(ViewerTest, TabOrder) {
  ViewerSettings all;
  all.showEventLog = all.showSystemLog = all.showCounting = all.showMetadataLog = 1;
  all.showBackupLog = all.showIvsLog = all.showEdgeStorage = 1;
  EXPECT_EQ(Numbers(PlanViewerTabs(all, true)), (std::vector<int>{3, 81, 2, 172, 4, 5, 113, 56}));
  all.nvrMode = 1;  // remote variants, and no edge storage
  const std::vector<ViewerTab> remote = PlanViewerTabs(all, true);
  EXPECT_EQ(Numbers(remote), (std::vector<int>{3, 81, 170, 4, 5, 113, 56}));
  EXPECT_EQ(remote[2].page, ViewerPage::kNVREventLog);
  EXPECT_EQ(remote[6].page, ViewerPage::kNVRPosLog);
  ViewerSettings counting;
  counting.showCounting = 1;
  EXPECT_EQ(Numbers(PlanViewerTabs(counting, true)), (std::vector<int>{4, 5}));
  EXPECT_EQ(Numbers(PlanViewerTabs(counting, false)), (std::vector<int>{4}));

  // The dialog adds the pages it has, each with its position as item value.
  StartViewer();
  Show(&m_host, {.showEventLog = 1, .showSystemLog = 1, .showCounting = 1, .showEdgeStorage = 1,
                 .show = 0, .nvrMode = 1});
  CTabCtrlEx& tabs = Viewer().TabCtrl();
  ASSERT_EQ(tabs.GetItemCount(), 3);
  EXPECT_EQ(tabs.GetPage(0), Viewer().PageOf(ViewerPage::kNVRSysLog));
  EXPECT_EQ(tabs.GetPage(1), Viewer().PageOf(ViewerPage::kNVREventLog));
  EXPECT_EQ(tabs.GetPage(2), Viewer().PageOf(ViewerPage::kCounterLog));
  EXPECT_EQ(tabs.GetTab(1)->itemValue, 1u);
  EXPECT_TRUE(tabs.GetPage(0)->IsVisible());
  EXPECT_FALSE(tabs.GetPage(1)->IsVisible());
  Show(&m_host, {.show = 0});
  EXPECT_EQ(tabs.GetCurSel(), -1);
}

TEST_F(ViewerTest, ResizingKeepsTheMinimumAndFillsWithTheTabs) {
  StartViewer();
  Show(&m_host, {.showEventLog = 1});
  Viewer().Resize(300, 200);
  EXPECT_EQ(Viewer().GetRect().Width(), 600);
  EXPECT_EQ(Viewer().GetRect().Height(), 360);
  Viewer().MoveWindow(CRect{10, 10, 810, 610});  // the front end's own move
  EXPECT_EQ(Viewer().TabCtrl().GetRect(), (CRect{0, 0, 800, 600}));
  Viewer().MoveWindow(CRect{10, 10, 110, 110});
  EXPECT_EQ(Viewer().GetRect(), (CRect{10, 10, 610, 370}));
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
  StartViewer(std::string(kVideoKey) + "Ch01]\r\n\"Name\"=\"Lobby\"\r\n\"DeviceID\"=dword:00000007\r\n" + kVideoKey +
              "Other]\r\n\"Name\"=\"Not a camera\"\r\n" + kVideoKey + "IP5]\r\n\"Name\"=dword:00000001\r\n");
  Show(&m_host, {.showEventLog = 1, .cameraCount = 3});
  EXPECT_EQ(Viewer().CameraNames(), (std::vector<std::string>{"Lobby", ""}));
  EXPECT_EQ(Viewer().CameraIds(), (std::vector<uint32_t>{7, 0}));
  const CComboBoxModel& selector = *EventPage(Viewer()).Controls().secondSelector;
  EXPECT_EQ(selector.GetLBText(1), "[01] Lobby");
  EXPECT_EQ(selector.GetItemData(1), 7);

  // Another program rewrites the file while the host runs; the next show
  // reads it again.  No usable sub-key: generic names.
  std::ofstream(m_registryPath, std::ios::binary)
      << "Windows Registry Editor Version 5.00\r\n\r\n" << kVideoKey << "Other]\r\n";
  Show(&m_host, {.showEventLog = 1, .cameraCount = 3});
  EXPECT_EQ(Viewer().CameraNames(), (std::vector<std::string>{"Camera 1", "Camera 2", "Camera 3"}));
  EXPECT_EQ(Viewer().CameraIds(), (std::vector<uint32_t>{0, 1, 2}));

  // No key at all: the list stays as it was.
  WriteRegistry(kVendorKey);
  Show(&m_host, {.showEventLog = 1, .cameraCount = 5});
  EXPECT_EQ(Viewer().CameraNames().size(), 3u);

  // Remote mode asks the server, through the host's client factory.
  FakeVxppAnswers server;
  server.cameraNames = {"Dock"};
  server.cameraIds = {42};
  ViewerServices services;
  services.makeClient = [&server] { return std::make_unique<FakeVxppClient>(server); };
  AfxGetLogViewerApp()->SetServices(std::move(services));
  Show(&m_host, {.showEventLog = 1, .remoteCameraList = 1, .serverPort = 1, .serverAddress = "recorder"});
  EXPECT_EQ(server.url, "vxpp://recorder/");
  EXPECT_EQ(selector.GetLBText(1) + "/" + std::to_string(selector.GetItemData(1)), "[01] Dock/42");
}

}  // namespace
