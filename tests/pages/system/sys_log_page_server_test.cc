// The system log pages against vxpp-server serving a demo installation: a
// remote search gives the rows a local search of the same databases gives.
#include <gtest/gtest.h>

#include <thread>

#include "pages/common/fake_viewer_context.h"
#include "pages/system/nvr_sys_log_page.h"
#include "pages/system/vantor_sys_log_page.h"
#include "protocol/vxpp_client.h"
#include "temp_folder.h"
#include "tools/logview-demo/demo_installation.h"
#include "tools/vxpp-server/service.h"
#include "ui/button_model.h"
#include "ui/combo_box_model.h"
#include "ui/date_time_picker_model.h"
#include "ui/log_list_ctrl.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

class SysLogServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DemoOptions demo;
    demo.days = 2;
    demo.eventsPerDay = 400;
    demo.endDate = CDateTime::FromFields(2024, 1, 31);
    demo.folder = folder.File("site");
    std::string problems;
    ASSERT_TRUE(WriteDemoInstallation(demo, [](const std::string&) {}, &problems)) << problems;
    service = vxpp_server::Service::Load(demo.folder, &problems);
    vxpp_server::ServerOptions options;
    options.port = 0;
    options.log = [](const std::string&) {};
    ASSERT_TRUE(service->Start(options, &problems)) << problems;
    server = std::thread([this] { service->Run(); });

    CVXPPClient client;
    client.SetPort(service->Port());
    uint32_t key = 0, session = 0;
    LoginInfo info;
    UserPrivileges privileges;
    info.handshakeKey = client.GetLoginHandshakingKey(kUrl, "admin", "admin", "", key) == 0 ? key : 0;
    ASSERT_EQ(client.UserLogin(kUrl, "admin", "admin", "", false, false, session, info, privileges), 0);

    local.settings.serverAddress = demo.folder.c_str();
    remote.settings.remoteCameraList = 1;
    remote.settings.serverAddress = "127.0.0.1";
    remote.settings.serverPort = service->Port();
    remote.settings.userSessionNo = session;
  }
  void TearDown() override {
    if (!service) return;
    service->Stop();
    server.join();
  }

  // The rows a page lists for the day with the type entry at `typeIndex`.
  static Rows Search(CSysLogPage& page, FakeViewerContext& viewer, int typeIndex = 0) {
    page.SetOwner(&viewer);
    page.Create();
    const CPageControls c = page.Controls();
    EXPECT_TRUE(c.typeSelector->UserSelect(typeIndex));
    EXPECT_TRUE(c.dayPicker->UserSetTime(CDateTime::FromFields(2024, 1, 31)));
    EXPECT_TRUE(c.searchButton->Click());
    EXPECT_TRUE(viewer.dialog.received.empty());
    Rows rows;
    for (const CListRowView& view : c.list->DrawRows(0, c.list->GetItemCount())) rows.push_back(view.texts);
    return rows;
  }

  static constexpr const char* kUrl = "vxpp://127.0.0.1/";
  TempFolder folder;
  std::unique_ptr<vxpp_server::Service> service;
  std::thread server;
  FakeViewerContext local, remote;
};

TEST_F(SysLogServerTest, RemoteRowsEqualLocalRows) {
  CVantorSysLogPage localPage, remotePage;
  const Rows rows = Search(localPage, local);
  EXPECT_GT(rows.size(), 50u);
  EXPECT_EQ(Search(remotePage, remote), rows);

  // The remote recorder's columns: the same records, the time split in two.
  CNVRSysLogPage nvrLocal, nvrRemote;
  const Rows nvrRows = Search(nvrLocal, local);
  EXPECT_GT(nvrRows.size(), rows.size());  // the export and backup kinds too
  EXPECT_EQ(Search(nvrRemote, remote), nvrRows);
  EXPECT_EQ(nvrRows.front()[0] + " " + nvrRows.front()[1], rows.front()[0]);
}

TEST_F(SysLogServerTest, TypeFilterIsAppliedByTheServer) {
  CVantorSysLogPage localPage, remotePage;
  const Rows logins = Search(localPage, local, 3);  // "User Login"
  ASSERT_FALSE(logins.empty());
  for (const auto& row : logins) EXPECT_EQ(row[1], "User Login");
  EXPECT_EQ(Search(remotePage, remote, 3), logins);
}

}  // namespace
