// The edge storage page searching vxpp-server and searching the same demo
// installation locally lists the same steps, cameras and times (the server's
// answer carries no description): the one test of the page against a real
// server.
#include <gtest/gtest.h>

#include "pages/common/server_viewer_context.h"
#include "pages/edge/edge_record_log_page.h"
#include "protocol/result_codes.h"
#include "store/log_root_folder.h"
#include "tools/server_fixture.h"

namespace {

const CDateTime kLastDay = CDateTime::FromFields(2024, 3, 5);

class EdgeRemoteSearchTest : public ServerFixture {
 protected:
  static void SetUpTestSuite() { WriteSuiteSite(2, 400, kLastDay); }
  static void TearDownTestSuite() { RemoveSuiteSite(); }

  std::vector<std::string> Rows(bool remote) {
    context.settings.remoteCameraList = remote ? 1 : 0;
    page.Search();
    std::vector<std::string> rows;
    for (int row = 0; row < static_cast<int>(page.RowCount()); ++row)
      rows.push_back(page.GetItemText(row, 0) + "|" + page.GetItemText(row, 1) + "|" + page.GetItemText(row, 2));
    return rows;
  }

  ServerViewerContext context;
  CVantorEdgeRecordLogPage page;
};

TEST_F(EdgeRemoteSearchTest, RemoteRowsEqualLocal) {
  StartServerOn(s_site);
  ASSERT_EQ(Login("admin", "admin"), vxpp::kLoginSuccess);
  ASSERT_TRUE(m_client.GetCamInfo(kUrl, m_session, context.cameraNames, context.cameraIds));
  context.settings.serverPort = static_cast<int>(m_service->Port());
  context.settings.userSessionNo = m_session;
  context.settings.serverAddress = "127.0.0.1";
  context.logRoot = LogRootFolder("");
  page.SetOwner(&context);
  page.Create();
  const CPageControls c = page.Controls();
  const int64_t hour = 3600 * CDateTime::kTicksPerSecond;
  c.startPicker->UserSetTime(kLastDay - 12 * hour);  // across two daily files
  c.endPicker->UserSetTime(kLastDay + 12 * hour);
  for (int type = 0; type < c.typeSelector->GetCount(); ++type) {
    c.typeSelector->UserSelect(type);
    for (int camera : {0, 2}) {
      c.secondSelector->UserSelect(camera);
      const auto local = Rows(false);
      EXPECT_EQ(Rows(true), local) << c.typeSelector->GetLBText(type) << " camera " << camera;
      EXPECT_TRUE(type + camera > 0 || local.size() > 5);
    }
  }
}

}  // namespace
