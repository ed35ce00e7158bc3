#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstring>

#include "pages/common/fake_viewer_context.h"
#include "pages/system/nvr_sys_log_page.h"
#include "pages/system/vantor_sys_log_page.h"
#include "platform/message_queue.h"
#include "temp_folder.h"
#include "ui/button_model.h"
#include "ui/combo_box_model.h"
#include "ui/date_time_picker_model.h"

namespace {

using Texts = std::vector<std::string>;
using platform::kMsgSearchFailed;

CDateTime Jan31(int hour = 0, int minute = 0) { return CDateTime::FromFields(2024, 1, 31, hour, minute); }

class SysLogPageTest : public ::testing::Test {
 protected:
  SysLogPageTest() {
    viewer.logRoot = root.Path() + "/";
    root.Write("db/SystemLog/.keep", "");
    // (minutes after 08:00, type, text, param 1)
    AddDay("20240131", "(0, 3, 'admin in', -1), (1, 7, 'switch', 2), (2, 9, 'backup job', -1), (3, 35, 'backup', -1),"
                       "(4, 10, 'ch 5 on', 4), (5, 12, 'wardix on', -1), (6, 3, 'guest in', -1)");
  }

  void AddDay(const std::string& day, const std::string& rows, const char* table = "SysLog") {
    sqlite3* db = nullptr;
    sqlite3_open(root.File("db/SystemLog/SystemLog_" + day + ".db").c_str(), &db);
    const std::string sql = std::string("CREATE TABLE ") + table +
                            "(Id INTEGER PRIMARY KEY, LogTime, EventNumber, EventString, Param1, Param2, Param3, "
                            "Param4, Param5); CREATE TABLE Rows(m, t, s, p);INSERT INTO Rows VALUES " + rows +
                            "; INSERT INTO " + table + "(LogTime, EventNumber, EventString, Param1) SELECT " +
                            day + "080000 + m * 100, t, s, p FROM Rows;";
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
  }

  CPageControls Build(CSysLogPage& page) {
    page.SetOwner(&viewer);
    page.Create();
    return page.Controls();
  }
  // Picks the type entry with item value `value` and the day, and searches.
  static void Search(const CPageControls& c, int64_t value = 0, const CDateTime& day = Jan31()) {
    for (int i = 0; i < c.typeSelector->GetCount(); ++i) {
      if (c.typeSelector->GetItemData(i) == value) {
        ASSERT_TRUE(c.typeSelector->UserSelect(i));
      }
    }
    ASSERT_TRUE(c.dayPicker->UserSetTime(day));
    ASSERT_TRUE(c.searchButton->Click());
  }
  static Texts Column(const CPageControls& c, int column) {
    Texts texts;
    for (int row = 0; row < c.list->GetItemCount(); ++row) texts.push_back(c.list->GetItemText(row, column));
    return texts;
  }

  TempFolder root;
  FakeViewerContext viewer;
};

TEST_F(SysLogPageTest, LocalSearch) {
  CVantorSysLogPage page;
  const CPageControls c = Build(page);
  ASSERT_EQ(c.typeSelector->GetCount(), 49);  // "All" and 54 types less 7, 9, 34, 35, 38, 41
  EXPECT_EQ(c.typeSelector->GetLBText(c.typeSelector->GetCurSel()), "All");
  EXPECT_EQ(c.typeSelector->FindStringExact(-1, "Execute Backup"), CComboBoxModel::kError);
  EXPECT_EQ(c.list->GetColumn(2)->title, "Device");

  Search(c);
  EXPECT_EQ(Column(c, 3), (Texts{"admin in", "backup job", "ch 5 on", "wardix on", "guest in"}));
  EXPECT_EQ(Column(c, 1), (Texts{"User Login", "Execute Backup", "Enable Channel", "Start Wardix", "User Login"}));
  EXPECT_EQ(Column(c, 2), (Texts{"", "", "5", "", ""}));
  EXPECT_EQ(c.list->GetItemText(2, 0), "2024/01/31 08:04:00");
  Search(c, 3);
  EXPECT_EQ(Column(c, 3), (Texts{"admin in", "guest in"}));

  // Start after end: nothing is searched.
  ASSERT_TRUE(c.startPicker->UserSetTime(Jan31(9)));
  ASSERT_TRUE(c.endPicker->UserSetTime(Jan31(8)));
  ASSERT_TRUE(c.searchButton->Click());
  EXPECT_EQ(c.list->GetItemCount(), 0);
  EXPECT_TRUE(viewer.dialog.received.empty());

  // Switches changed in remote mode take effect when the dialog adds the tab again.
  viewer.systemSwitches.wardix = 0;
  page.RebuildTypeSelector();
  EXPECT_EQ(c.typeSelector->GetCount(), 46);
  EXPECT_EQ(c.typeSelector->FindStringExact(-1, "Start Wardix"), CComboBoxModel::kError);
  Search(c);
  EXPECT_EQ(Column(c, 3), (Texts{"admin in", "backup job", "ch 5 on", "guest in"}));
}

TEST_F(SysLogPageTest, FailedOrCancelledSearchShowsTheRecordsReadSoFar) {
  AddDay("20240201", "(0, 3, 'lost', -1)", "Other");
  AddDay("20240202", "(0, 3, 'late', -1)");
  CVantorSysLogPage page;
  const CPageControls c = Build(page);
  ASSERT_TRUE(c.startPicker->UserSetTime(Jan31()));
  ASSERT_TRUE(c.endPicker->UserSetTime(CDateTime::FromFields(2024, 2, 2, 23)));
  ASSERT_TRUE(c.searchButton->Click());
  EXPECT_EQ(c.list->GetItemCount(), 5);
  EXPECT_EQ(viewer.dialog.received, (std::vector<platform::UINT>{kMsgSearchFailed}));

  // Cancelled at the first file's report: its rows stay, nothing failed.
  viewer.progressReports = 0;
  viewer.onProgress = [&] { page.CancelSearch(); };
  ASSERT_TRUE(c.searchButton->Click());
  EXPECT_EQ(c.list->GetItemCount(), 5);
  EXPECT_EQ(viewer.progressReports, 1);
  EXPECT_EQ(viewer.dialog.received.size(), 1u);
}

TEST_F(SysLogPageTest, SortAndExport) {
  CVantorSysLogPage page;
  const CPageControls c = Build(page);
  Search(c);
  ASSERT_TRUE(c.list->ClickHeader(1));  // equal texts keep their order
  EXPECT_EQ(Column(c, 3), (Texts{"ch 5 on", "backup job", "wardix on", "admin in", "guest in"}));
  ASSERT_TRUE(c.list->ClickHeader(1));
  EXPECT_EQ(Column(c, 3), (Texts{"admin in", "guest in", "wardix on", "backup job", "ch 5 on"}));

  Search(c, 10);
  viewer.savePath = root.File("out.txt");
  ASSERT_TRUE(c.exportButton->Click());
  EXPECT_EQ(viewer.saveDialogs, Texts{"Excel Files (*.csv)|*.csv|Text Files (*.txt)|*.txt|| csv"});
  EXPECT_EQ(ReadWholeFile(root.File("out.txt")),
            "Event Time, Event Type, Device, Description\r\n2024/01/31 08:04:00, Enable Channel, 5, ch 5 on\r\n");
  ASSERT_TRUE(page.ExportTo(root.File("out.CSV")));
  ASSERT_TRUE(page.ExportTo(root.File("out.CSV")));
  EXPECT_EQ(ReadWholeFile(root.File("out.CSV")),
            "Event Time,Event Type,Device,Description,\r\n2024/01/31 08:04:00,Enable Channel,5,ch 5 on,\r\n"
            "2024/01/31 08:04:00,Enable Channel,5,ch 5 on,\r\n");
}

SystemLogRecord Record(int hour, int32_t type, const std::string& text) {
  SystemLogRecord record;
  record.LogTime = Jan31(hour);
  record.EventNumber = type;
  record.EventString = text;
  return record;
}

TEST_F(SysLogPageTest, RemoteSearch) {
  FakeDialogWindow host;
  viewer.eventHost = &host;
  viewer.settings.remoteCameraList = viewer.settings.nvrMode = 1;
  viewer.settings.serverAddress = "127.0.0.1";
  CNVRSysLogPage page;
  const CPageControls c = Build(page);
  ASSERT_EQ(c.typeSelector->GetCount(), 9);
  EXPECT_EQ(c.typeSelector->GetLBText(c.typeSelector->GetCurSel()), "All");
  EXPECT_EQ(c.list->GetColumn(4)->title, "Message");
  ASSERT_TRUE(c.typeSelector->UserSelect(3));

  viewer.server.systemRecords = {Record(8, 3, "Warning|Disk|full"), Record(9, 100, "x"), Record(10, 1, "Fan restarted")};
  ASSERT_TRUE(c.searchButton->Click());
  EXPECT_EQ(viewer.server.systemLogNumber, 3);
  EXPECT_EQ(Column(c, 1), (Texts{"08:00:00", "10:00:00"}));
  EXPECT_EQ(Column(c, 2), (Texts{"Disk", "Hardware"}));
  EXPECT_EQ(Column(c, 3), (Texts{"Warning", ""}));
  EXPECT_EQ(Column(c, 4), (Texts{"Disk|full", "Fan restarted"}));  // split at the first bar

  // A refusal is a failed search and keeps the rows; an unreachable server is the host's to hear of.
  viewer.server.result = -2;
  ASSERT_TRUE(c.searchButton->Click());
  EXPECT_EQ(viewer.dialog.received, (std::vector<platform::UINT>{kMsgSearchFailed}));
  EXPECT_EQ(c.list->GetItemCount(), 2);
  viewer.server.result = -1;
  ASSERT_TRUE(c.searchButton->Click());
  platform::MessageQueue::Default()->DeliverUntilEmpty();
  EXPECT_EQ(host.received, (std::vector<platform::UINT>{platform::kMsgRemoteRequestFailed}));
  EXPECT_EQ(viewer.dialog.received.size(), 1u);
  // One client for the page, made again only when the recorder kind changes.
  EXPECT_EQ(viewer.server.clientsMade, 1);
  viewer.settings.nvrMode = 0;
  ASSERT_TRUE(c.searchButton->Click());
  EXPECT_EQ(viewer.server.clientsMade, 2);
}

}  // namespace
