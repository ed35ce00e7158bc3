// The IVS page asking vxpp-server and reading the same demo installation
// locally lists the same rows.
#include <gtest/gtest.h>

#include "pages/common/server_viewer_context.h"
#include "pages/ivs/ivs_log_page.h"
#include "protocol/result_codes.h"
#include "protocol/vxpp_client.h"
#include "store/log_root_folder.h"
#include "tools/server_fixture.h"

namespace {

const CDateTime kLastDay = CDateTime::FromFields(2024, 3, 5);

class IVSRemoteSearchTest : public ServerFixture {
 protected:
  static void SetUpTestSuite() { WriteSuiteSite(2, 400, kLastDay); }
  static void TearDownTestSuite() { RemoveSuiteSite(); }

  void Build(ServerViewerContext& context, CIVSLogPage& page, bool remote) {
    context.settings = {.serverPort = static_cast<int>(m_service->Port()), .serverAddress = "127.0.0.1",
                        .userSessionNo = m_session, .nvrMode = remote ? 1 : 0};
    context.installFolder = s_site;
    context.logRootIsBackup = true;  // the devices of the installation's own file
    context.logRoot = LogRootFolder("");
    context.cameraIds = m_cameraIds;
    page.SetOwner(&context);
    page.Create();
    page.Controls().startPicker->UserSetTime(kLastDay - CDateTime::kTicksPerDay);
  }
  // Rows of rule type entry `type` and device `device` (its entry's index).
  static std::vector<std::string> Rows(CIVSLogPage& page, int type, int device) {
    const CPageControls c = page.Controls();
    c.typeSelector->UserSelect(type);
    c.secondSelector->UserSelect(device);
    c.searchButton->Click();
    std::vector<std::string> rows;
    for (int row = 0; row < c.list->GetItemCount(); ++row)
      rows.push_back(page.GetItemText(row, 0) + "|" + page.GetItemText(row, 1) + "|" + page.GetItemText(row, 2) +
                     "|" + page.GetItemText(row, 3) + "|" + std::to_string(page.RowAt(size_t(row)).cameraPosition));
    return rows;
  }

  std::vector<uint32_t> m_cameraIds;
};

TEST_F(IVSRemoteSearchTest, RemoteRowsAreTheLocalRows) {
  StartServerOn(s_site);
  ASSERT_EQ(Login("admin", "admin"), vxpp::kLoginSuccess);
  std::vector<std::string> names;
  ASSERT_TRUE(m_client.GetCamInfo(kUrl, m_session, names, m_cameraIds));
  ServerViewerContext localContext, remoteContext;
  CIVSLogPage local, remote;
  Build(localContext, local, false);
  Build(remoteContext, remote, true);
  size_t deleted = 0;
  for (int device = 0; device < local.Controls().secondSelector->GetCount(); device += 2) {
    for (int type = 0; type < local.Controls().typeSelector->GetCount(); type += 3) {
      const auto rows = Rows(local, type, device);
      EXPECT_EQ(Rows(remote, type, device), rows) << type << " " << device;
      for (const std::string& row : rows) deleted += row.find("[Deleted]") != std::string::npos;
      EXPECT_TRUE(type + device > 0 || rows.size() > 100);
    }
  }
  EXPECT_GT(deleted, 0u);
}

}  // namespace
