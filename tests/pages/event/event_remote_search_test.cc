// The event page searching vxpp-server and searching the same demo
// installation locally lists the same rows: the one test of the page
// against a real server.
#include <gtest/gtest.h>

#include <filesystem>

#include "pages/common/fake_host.h"
#include "pages/common/server_viewer_context.h"
#include "pages/event/vantor_event_log_page.h"
#include "platform/paths.h"
#include "protocol/result_codes.h"
#include "store/log_root_folder.h"
#include "tools/server_fixture.h"

namespace {

const CDateTime kLastDay = CDateTime::FromFields(2024, 3, 5);

class EventRemoteSearchTest : public ServerFixture {
 protected:
  static void SetUpTestSuite() { WriteSuiteSite(2, 400, kLastDay); }
  static void TearDownTestSuite() { RemoveSuiteSite(); }

  // A server of the site answering in protocol `version`, and the page made
  // while the viewer searches it.
  void Start(const char* version) {
    StartServerOn(s_site, [&](vxpp_server::ServerSettings& s) { s.vxppVersion = version; });
    ASSERT_EQ(Login("admin", "admin"), vxpp::kLoginSuccess);
    ASSERT_TRUE(m_client.GetCamInfo(kUrl, m_session, context.cameraNames, context.cameraIds));
    context.settings.serverPort = static_cast<int>(m_service->Port());
    context.settings.userSessionNo = m_session;
    context.settings.modeless = 1;
    Searching(true);
    page.SetOwner(&context);
    page.Create();
    page.HostLink().window = &host;
    Controls().dayPicker->SetTime(kLastDay);
  }
  void Searching(bool remote) {
    context.settings.remoteCameraList = remote ? 1 : 0;
    context.settings.serverAddress = "127.0.0.1";
    context.logRoot = LogRootFolder("");
  }
  std::vector<std::string> Rows(bool remote) {
    Searching(remote);
    page.Search();
    std::vector<std::string> rows;
    for (int row = 0; row < static_cast<int>(page.RowCount()); ++row) {
      std::string line;
      for (int column = 0; column < 4; ++column) line += page.GetItemText(row, column) + "|";
      rows.push_back(line);
    }
    return rows;
  }
  CPageControls Controls() { return page.Controls(); }

  ServerViewerContext context;
  FakeHost host;
  CVantorEventLogPage page;
};

TEST_F(EventRemoteSearchTest, TextRecordsGiveTheLocalRows) {
  Start("2.0");
  CComboBoxModel& types = *Controls().typeSelector;
  // The edge event names came from the server.
  EXPECT_NE(types.FindStringExact(-1, "Edge Tripwire"), CComboBoxModel::kError);
  const int64_t hour = 3600 * CDateTime::kTicksPerSecond;
  Controls().startPicker->UserSetTime(kLastDay - 12 * hour);  // across two daily files
  Controls().endPicker->UserSetTime(kLastDay + 12 * hour);
  for (int type = 0; type < types.GetCount(); ++type) {
    types.UserSelect(type);
    for (int camera : {0, 2}) {
      Controls().secondSelector->SetCurSel(camera);
      const auto local = Rows(false);
      EXPECT_EQ(Rows(true), local) << types.GetLBText(type) << " camera " << camera;
      EXPECT_TRUE(type + camera > 0 || local.size() > 100);
    }
  }
  EXPECT_TRUE(host.Messages().empty());  // no row lies in the host's (empty) window

  // Rows of a remote search are judged as they come: the host is asked
  // about those of its window that have a camera.
  types.UserSelect(0);
  Controls().secondSelector->SetCurSel(0);
  Searching(true);
  page.SetLogDateTimeAndSearch(kLastDay, kLastDay + 6 * hour, VxBitset<128>().set());
  size_t withCamera = 0;
  for (size_t i = 0; i < page.RowCount(); ++i) {
    const EventListItem& row = page.RowAt(i);
    const bool known = row.cameraIndex != EventListItem::kNoCamera;
    withCamera += known;
    EXPECT_EQ(row.playState, known ? EventListItem::kPlayable : EventListItem::kNotPlayable) << i;
  }
  EXPECT_GT(page.RowCount(), withCamera);
  EXPECT_EQ(host.Numbers(), std::vector<platform::UINT>(withCamera, platform::kMsgCanPlay));
}

}  // namespace
