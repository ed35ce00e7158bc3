// The system log pages against vxpp-server serving a demo installation: a
// remote search gives the rows a local search of the same databases gives:
// the one test of the page against a real server.
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

namespace {

// The viewer's services as the dialog gives them: the library's own client.
class ServerViewerContext : public FakeViewerContext {
 public:
  std::unique_ptr<IVXPPClient> MakeClient() override {
    auto client = std::make_unique<CVXPPClient>();
    if (settings.nvrMode != 0) client->SetNvr();
    return client;
  }
};

using Rows = std::vector<std::vector<std::string>>;

// The rows a new page lists for 2024-01-31 with the type entry at `typeIndex`.
template <class Page>
Rows Search(ServerViewerContext& viewer, int typeIndex = 0) {
  Page page;
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

TEST(SysLogServerTest, RemoteRowsEqualLocalRows) {
  TempFolder folder;
  DemoOptions demo;
  demo.days = 2;
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
  remote.settings.remoteCameraList = 1;
  remote.settings.serverAddress = "127.0.0.1";
  remote.settings.serverPort = service->Port();
  remote.settings.userSessionNo = session;

  const Rows rows = Search<CVantorSysLogPage>(local);
  EXPECT_GT(rows.size(), 50u);
  EXPECT_EQ(Search<CVantorSysLogPage>(remote), rows);
  const Rows logins = Search<CVantorSysLogPage>(local, 3);  // "User Login"
  EXPECT_EQ(logins.front()[1], "User Login");
  EXPECT_EQ(Search<CVantorSysLogPage>(remote, 3), logins);
  // The remote recorder's columns: the export and backup kinds too, the time split in two.
  const Rows nvrRows = Search<CNVRSysLogPage>(local);
  EXPECT_GT(nvrRows.size(), rows.size());
  EXPECT_EQ(Search<CNVRSysLogPage>(remote), nvrRows);
  EXPECT_EQ(nvrRows.front()[0] + " " + nvrRows.front()[1], rows.front()[0]);

  service->Stop();
  server.join();
}

}  // namespace
