// The counting page against vxpp-server serving a demo installation: for
// each kind of counter a remote search lists the rows a local search of the
// same databases lists.
#include <gtest/gtest.h>

#include <thread>

#include "pages/common/server_viewer_context.h"
#include "pages/counting/counter_log_page.h"
#include "protocol/vxpp_client.h"
#include "temp_folder.h"
#include "tools/logview-demo/demo_installation.h"
#include "tools/vxpp-server/service.h"
#include "ui/button_model.h"
#include "ui/combo_box_model.h"
#include "ui/date_time_picker_model.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The rows of mode `mode` with the second selector's entry `entry`, for 2024-01-31.
Rows Search(ServerViewerContext& viewer, int mode, int entry) {
  CCounterLogPage page;
  page.SetOwner(&viewer);
  page.Create();
  page.Show(true);
  page.ReadCounterLists();
  const CPageControls c = page.Controls();
  EXPECT_TRUE(c.modeSelector->UserSelect(mode));
  EXPECT_TRUE(c.secondSelector->UserSelect(entry));
  EXPECT_TRUE(c.dayPicker->UserSetTime(CDateTime::FromFields(2024, 1, 31)));
  EXPECT_TRUE(c.searchButton->Click());
  EXPECT_TRUE(viewer.dialog.received.empty());
  Rows rows;
  for (const CListRowView& view : c.list->DrawRows(0, c.list->GetItemCount())) rows.push_back(view.texts);
  return rows;
}

TEST(CounterPagesServerTest, RemoteRowsEqualLocalRows) {
  TempFolder folder;
  DemoOptions demo;
  demo.days = 1;
  demo.endDate = CDateTime::FromFields(2024, 1, 31);
  demo.folder = folder.File("site");
  std::string problems;
  ASSERT_TRUE(WriteDemoInstallation(demo, [](const std::string&) {}, &problems)) << problems;
  const auto service = vxpp_server::Service::Load(demo.folder, &problems);
  vxpp_server::ServerOptions options;
  options.port = 0;
  options.log = [](const std::string&) {};
  ASSERT_TRUE(service->Start(options, &problems)) << problems;
  std::thread server([&] { service->Run(); });

  CVXPPClient client;
  client.SetPort(service->Port());
  LoginInfo info;
  UserPrivileges privileges;
  uint32_t session = 0;
  client.GetLoginHandshakingKey("vxpp://127.0.0.1/", "admin", "admin", "", info.handshakeKey);
  EXPECT_EQ(client.UserLogin("vxpp://127.0.0.1/", "admin", "admin", "", false, false, session, info, privileges), 0);
  ServerViewerContext local, remote;
  local.logRoot = demo.folder + "/";
  remote.settings.nvrMode = 1;
  remote.settings.serverAddress = "127.0.0.1";
  remote.settings.serverPort = service->Port();
  remote.settings.userSessionNo = session;
  for (ServerViewerContext* viewer : {&local, &remote}) {
    viewer->cameraNames = {"a", "b", "c", "d"};
    viewer->cameraIds = {1, 2, 3, 4};
    viewer->installFolder = demo.folder;
  }

  for (const auto& [mode, entry] : {std::pair{0, 0}, {0, 2}, {1, 0}, {1, 1}, {2, 0}, {2, 1}}) {
    const Rows rows = Search(local, mode, entry);
    EXPECT_GT(rows.size(), 10u) << mode << " " << entry;
    EXPECT_EQ(Search(remote, mode, entry), rows) << mode << " " << entry;
  }

  service->Stop();
  server.join();
}

}  // namespace
