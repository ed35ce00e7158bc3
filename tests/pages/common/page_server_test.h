// A page searching vxpp-server against the same page searching the demo
// installation the server serves: the site is written once per suite, each
// test starts a server on it and logs in.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/common/search_log_page.h"
#include "pages/common/server_viewer_context.h"
#include "protocol/result_codes.h"
#include "store/log_root_folder.h"
#include "tools/server_fixture.h"

class PageServerTest : public ServerFixture {
 protected:
  static inline const CDateTime kLastDay = CDateTime::FromFields(2024, 3, 5);
  static constexpr int64_t kHour = 3600 * CDateTime::kTicksPerSecond;

  static void SetUpTestSuite() { WriteSuiteSite(2, 400, kLastDay); }
  static void TearDownTestSuite() { RemoveSuiteSite(); }

  // Starts the server (`adjust` changes its settings), logs in as admin and
  // points `context` at it, with the server's camera list.
  void Connect(ServerViewerContext& context,
               const std::function<void(vxpp_server::ServerSettings&)>& adjust = {}) {
    StartServerOn(s_site, adjust);
    ASSERT_EQ(Login("admin", "admin"), vxpp::kLoginSuccess);
    ASSERT_TRUE(m_client.GetCamInfo(kUrl, m_session, context.cameraNames, context.cameraIds));
    context.settings.serverPort = static_cast<int>(m_service->Port());
    context.settings.userSessionNo = m_session;
    context.settings.serverAddress = "127.0.0.1";
    context.settings.modeless = 1;
    context.logRoot = LogRootFolder("");
  }

  // The list's rows, the first `columns` cells of each joined by "|".
  static std::vector<std::string> Rows(CSearchLogPage& page, int columns) {
    CLogListCtrl& list = *page.Controls().list;
    std::vector<std::string> rows;
    for (int row = 0; row < list.GetItemCount(); ++row) {
      std::string line;
      for (int column = 0; column < columns; ++column) line += list.GetItemText(row, column) + "|";
      rows.push_back(line);
    }
    return rows;
  }

  // For each entry of the type selector and each of `seconds` of the second
  // selector: the rows the page lists searching the server equal those it
  // lists reading the installation, and the first search finds at least
  // `leastFirst` rows.
  static void ExpectRemoteRowsAreLocal(CSearchLogPage& page, ServerViewerContext& context, int columns,
                                       const std::vector<int>& seconds, size_t leastFirst) {
    const CPageControls c = page.Controls();
    for (int type = 0; type < c.typeSelector->GetCount(); ++type) {
      c.typeSelector->UserSelect(type);
      for (int second : seconds) {
        if (second >= 0) c.secondSelector->UserSelect(second);
        context.settings.remoteCameraList = 0;
        page.Search();
        const auto local = Rows(page, columns);
        context.settings.remoteCameraList = 1;
        page.Search();
        EXPECT_EQ(Rows(page, columns), local) << c.typeSelector->GetLBText(type) << ", entry " << second;
        if (type == 0 && second == seconds.front()) {
          EXPECT_GE(local.size(), leastFirst);
        }
      }
    }
  }
};
