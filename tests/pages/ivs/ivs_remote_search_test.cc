// The IVS page asking vxpp-server (the NVR variant) lists the rows it lists
// reading the same installation.
#include "pages/common/page_server_test.h"
#include "pages/ivs/ivs_log_page.h"

namespace {

class IVSRemoteSearchTest : public PageServerTest {
 protected:
  void Build(ServerViewerContext& context, CIVSLogPage& page, bool remote) {
    context.settings.nvrMode = remote ? 1 : 0;
    context.installFolder = s_site;
    context.logRootIsBackup = true;  // the devices of the installation's own file
    page.SetOwner(&context);
    page.Create();
    page.Controls().startPicker->UserSetTime(kLastDay - CDateTime::kTicksPerDay);
  }
  // Rows of rule type entry `type` and device entry `device`, with each row's camera.
  static std::vector<std::string> Rows(CIVSLogPage& page, int type, int device) {
    page.Controls().typeSelector->UserSelect(type);
    page.Controls().secondSelector->UserSelect(device);
    page.Search();
    std::vector<std::string> rows = PageServerTest::Rows(page, 4);
    for (size_t row = 0; row < rows.size(); ++row) rows[row] += std::to_string(page.RowAt(row).cameraPosition);
    return rows;
  }
};

TEST_F(IVSRemoteSearchTest, RemoteRowsAreTheLocalRows) {
  ServerViewerContext localContext, remoteContext;
  Connect(remoteContext);
  localContext.settings = remoteContext.settings;
  localContext.cameraIds = remoteContext.cameraIds;
  localContext.logRoot = remoteContext.logRoot;
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
