// The metadata page searching vxpp-server and searching the same demo
// installation locally lists the same rows: the one test of the page
// against a real server.
#include <gtest/gtest.h>

#include "config/initial_file.h"
#include "config/pos_settings_ini.h"
#include "pages/common/server_viewer_context.h"
#include "pages/pos/vantor_pos_log_page.h"
#include "protocol/result_codes.h"
#include "store/log_root_folder.h"
#include "tools/server_fixture.h"

namespace {

const CDateTime kLastDay = CDateTime::FromFields(2024, 3, 5);

class PosRemoteSearchTest : public ServerFixture {
 protected:
  static void SetUpTestSuite() { WriteSuiteSite(2, 400, kLastDay); }
  static void TearDownTestSuite() { RemoveSuiteSite(); }

  std::vector<std::string> Rows(bool remote) {
    context.settings.remoteCameraList = remote ? 1 : 0;
    page.Search();
    std::vector<std::string> rows;
    for (int row = 0; row < static_cast<int>(page.RowCount()); ++row) {
      std::string line;
      for (int column = 0; column < 5; ++column) line += page.GetItemText(row, column) + "|";
      rows.push_back(line);
    }
    return rows;
  }

  ServerViewerContext context;
  CVantorPosLogPage page;
};

TEST_F(PosRemoteSearchTest, RemoteRowsEqualLocal) {
  StartServerOn(s_site);
  ASSERT_EQ(Login("admin", "admin"), vxpp::kLoginSuccess);
  CInitialFile sources;
  ASSERT_TRUE(sources.Load(s_site + "/vxpp-pos.ini"));
  context.posSettings = PosSettingsFromIni(sources);
  context.settings.serverPort = static_cast<int>(m_service->Port());
  context.settings.userSessionNo = m_session;
  context.settings.serverAddress = "127.0.0.1";
  context.settings.modeless = 1;
  context.logRoot = LogRootFolder("");
  page.SetOwner(&context);
  page.Create();
  const CPageControls c = page.Controls();
  const int64_t hour = 3600 * CDateTime::kTicksPerSecond;
  c.startPicker->UserSetTime(kLastDay - 12 * hour);  // across two daily files
  c.endPicker->UserSetTime(kLastDay + 12 * hour);
  ASSERT_GT(c.secondSelector->GetCount(), 2);
  for (int type = 0; type < c.typeSelector->GetCount(); ++type) {
    c.typeSelector->UserSelect(type);
    for (int source : {0, 2}) {
      c.secondSelector->UserSelect(source);
      const auto local = Rows(false);
      EXPECT_EQ(Rows(true), local) << c.typeSelector->GetLBText(type) << " source " << source;
      EXPECT_TRUE(type + source > 0 || local.size() > 20);
    }
  }
}

}  // namespace
