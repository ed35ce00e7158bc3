// The export and backup page searching vxpp-server and searching the same
// demo installation locally lists the same rows.
#include <gtest/gtest.h>

#include "pages/common/server_viewer_context.h"
#include "pages/video/vantor_video_log_page.h"
#include "protocol/result_codes.h"
#include "protocol/vxpp_client.h"
#include "store/log_root_folder.h"
#include "tools/server_fixture.h"

namespace {

const CDateTime kLastDay = CDateTime::FromFields(2024, 3, 5);

class VideoRemoteSearchTest : public ServerFixture {
 protected:
  static void SetUpTestSuite() { WriteSuiteSite(2, 50, kLastDay); }
  static void TearDownTestSuite() { RemoveSuiteSite(); }

  std::vector<std::string> Rows(bool remote) {
    context.settings.remoteCameraList = remote ? 1 : 0;
    page.Search();
    std::vector<std::string> rows;
    for (int row = 0; row < page.Controls().list->GetItemCount(); ++row) {
      std::string line;
      for (int column = 0; column < 13; ++column) line += page.GetItemText(row, column) + "|";
      rows.push_back(line);
    }
    return rows;
  }

  ServerViewerContext context;
  CVantorVideoLogPage page;
};

TEST_F(VideoRemoteSearchTest, RemoteRowsAreTheLocalRows) {
  StartServerOn(s_site);
  ASSERT_EQ(Login("admin", "admin"), vxpp::kLoginSuccess);
  context.settings.serverPort = static_cast<int>(m_service->Port());
  context.settings.userSessionNo = m_session;
  context.settings.serverAddress = "127.0.0.1";
  context.logRoot = LogRootFolder("");
  page.SetOwner(&context);
  page.Create();
  const CPageControls c = page.Controls();
  c.startPicker->UserSetTime(kLastDay - CDateTime::kTicksPerDay);
  c.endPicker->UserSetTime(kLastDay + CDateTime::kTicksPerDay - 1);
  for (int type = 0; type < c.typeSelector->GetCount(); ++type) {
    c.typeSelector->UserSelect(type);
    const auto local = Rows(false);
    EXPECT_EQ(Rows(true), local) << c.typeSelector->GetLBText(type);
    EXPECT_FALSE(local.empty()) << c.typeSelector->GetLBText(type);
  }
  EXPECT_TRUE(context.dialog.received.empty());
}

}  // namespace
