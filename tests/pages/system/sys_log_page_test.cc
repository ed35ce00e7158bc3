#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstring>

#include "config/export_file_dialog.h"
#include "pages/common/fake_viewer_context.h"
#include "pages/system/nvr_sys_log_page.h"
#include "pages/system/vantor_sys_log_page.h"
#include "platform/message_queue.h"
#include "protocol/loopback_peer.h"
#include "temp_folder.h"
#include "ui/button_model.h"
#include "ui/combo_box_model.h"
#include "ui/date_time_picker_model.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

void WriteDatabase(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  sqlite3_close(db);
}

// The day of the test's system log, and a moment of it.
CDateTime Jan31(int hour = 0, int minute = 0) { return CDateTime::FromFields(2024, 1, 31, hour, minute); }

class SysLogPageTest : public ::testing::Test {
 protected:
  SysLogPageTest() {
    viewer.settings.serverAddress = root.Path().c_str();
    root.Write("db/SystemLog/.keep", "");
    // One record per row: time (minutes after 08:00), type, text, param 1.
    AddDay("SystemLog_20240131.db",
           "(20240131080000, 3, 'admin logged in', -1),"
           "(20240131080100, 7, 'channel switched', 2),"
           "(20240131080200, 9, 'Backup job executed', -1),"
           "(20240131080300, 35, 'backup', -1),"
           "(20240131080400, 10, 'Channel 05 enabled', 4),"
           "(20240131080500, 12, 'Wardix started', -1),"
           "(20240131080600, 3, 'guest logged in', -1),"
           "(20240131080700, 55, 'unknown', -1)");
  }

  void AddDay(const std::string& name, const std::string& rows) {
    WriteDatabase(root.File("db/SystemLog/" + name),
                  "CREATE TABLE SysLog(Id INTEGER PRIMARY KEY, LogTime INTEGER, EventNumber INTEGER,"
                  " EventString TEXT, Param1, Param2, Param3, Param4, Param5);"
                  "INSERT INTO SysLog(LogTime, EventNumber, EventString, Param1) VALUES " + rows + ";");
  }

  // Makes the page as the dialog does.
  template <class Page>
  CPageControls Build(Page& page) {
    page.SetOwner(&viewer);
    page.Create();
    return page.Controls();
  }

  void PickDay(const CPageControls& c, const CDateTime& day) {
    ASSERT_TRUE(c.dayPicker->UserSetTime(day));
  }
  // Picks the type entry whose item value is `value`.
  void PickType(const CPageControls& c, int64_t value) {
    for (int i = 0; i < c.typeSelector->GetCount(); ++i)
      if (c.typeSelector->GetItemData(i) == value) {
        ASSERT_TRUE(c.typeSelector->UserSelect(i));
        return;
      }
    FAIL() << "no entry " << value;
  }

  static Rows ListRows(const CPageControls& c) {
    Rows rows;
    for (const CListRowView& view : c.list->DrawRows(0, c.list->GetItemCount())) rows.push_back(view.texts);
    return rows;
  }
  static std::vector<std::string> Column(const CPageControls& c, int column) {
    std::vector<std::string> texts;
    for (int row = 0; row < c.list->GetItemCount(); ++row) texts.push_back(c.list->GetItemText(row, column));
    return texts;
  }

  TempFolder root;
  FakeViewerContext viewer;
};

TEST_F(SysLogPageTest, LocalSearchListsTheTakenRecords) {
  CVantorSysLogPage page;
  const CPageControls c = Build(page);
  ASSERT_EQ(c.typeSelector->GetCount(), 49);
  EXPECT_EQ(c.typeSelector->GetCurSel(), 0);
  EXPECT_EQ(c.typeSelector->GetLBText(0), "All");
  EXPECT_EQ(c.typeSelector->GetItemData(0), 0);
  EXPECT_EQ(c.typeSelector->FindStringExact(-1, "Execute Backup"), CComboBoxModel::kError);
  ASSERT_EQ(c.list->GetColumnCount(), 4);
  EXPECT_EQ(c.list->GetColumn(2)->title, "Device");
  EXPECT_EQ(c.list->GetColumn(3)->width, 500);

  PickDay(c, Jan31());
  ASSERT_TRUE(c.searchButton->Click());
  EXPECT_EQ(ListRows(c), (Rows{{"2024/01/31 08:00:00", "User Login", "", "admin logged in"},
                               {"2024/01/31 08:02:00", "Execute Backup", "", "Backup job executed"},
                               {"2024/01/31 08:04:00", "Enable Channel", "5", "Channel 05 enabled"},
                               {"2024/01/31 08:05:00", "Start Wardix", "", "Wardix started"},
                               {"2024/01/31 08:06:00", "User Login", "", "guest logged in"}}));
  EXPECT_TRUE(viewer.dialog.received.empty());

  PickType(c, 3);
  ASSERT_TRUE(c.searchButton->Click());
  EXPECT_EQ(Column(c, 3), (std::vector<std::string>{"admin logged in", "guest logged in"}));

  // Another day holds nothing; start after end searches nothing.
  PickType(c, 0);
  PickDay(c, CDateTime::FromFields(2024, 2, 1));
  ASSERT_TRUE(c.searchButton->Click());
  EXPECT_EQ(c.list->GetItemCount(), 0);
  PickDay(c, Jan31());
  ASSERT_TRUE(c.searchButton->Click());
  ASSERT_TRUE(c.startPicker->UserSetTime(Jan31(9)));
  ASSERT_TRUE(c.endPicker->UserSetTime(Jan31(8)));
  ASSERT_TRUE(c.searchButton->Click());
  EXPECT_EQ(c.list->GetItemCount(), 0);
  ASSERT_TRUE(c.startPicker->UserSetTime(Jan31(8, 3)));
  ASSERT_TRUE(c.endPicker->UserSetTime(Jan31(8, 5)));
  ASSERT_TRUE(c.searchButton->Click());
  EXPECT_EQ(Column(c, 1), (std::vector<std::string>{"Enable Channel", "Start Wardix"}));
  EXPECT_TRUE(viewer.dialog.received.empty());
}

TEST_F(SysLogPageTest, SwitchesTakeEffectWhenTheSelectorIsRebuilt) {
  CVantorSysLogPage page;
  const CPageControls c = Build(page);
  viewer.systemSwitches.wardix = 0;  // as the dialog hands them over in remote mode
  EXPECT_NE(c.typeSelector->FindStringExact(-1, "Start Wardix"), CComboBoxModel::kError);
  page.RebuildTypeSelector();
  EXPECT_EQ(c.typeSelector->GetCount(), 46);
  EXPECT_EQ(c.typeSelector->FindStringExact(-1, "Start Wardix"), CComboBoxModel::kError);
  EXPECT_EQ(c.typeSelector->GetCurSel(), 0);
  PickDay(c, Jan31());
  ASSERT_TRUE(c.searchButton->Click());
  EXPECT_EQ(Column(c, 1),
            (std::vector<std::string>{"User Login", "Execute Backup", "Enable Channel", "User Login"}));
}

TEST_F(SysLogPageTest, FailedSearchShowsTheRecordsReadSoFar) {
  WriteDatabase(root.File("db/SystemLog/SystemLog_20240201.db"), "CREATE TABLE Other(x);");
  AddDay("SystemLog_20240202.db", "(20240202080000, 3, 'late login', -1)");
  CVantorSysLogPage page;
  const CPageControls c = Build(page);
  ASSERT_TRUE(c.startPicker->UserSetTime(Jan31()));
  ASSERT_TRUE(c.endPicker->UserSetTime(CDateTime::FromFields(2024, 2, 2, 23)));
  ASSERT_TRUE(c.searchButton->Click());
  EXPECT_EQ(c.list->GetItemCount(), 5);
  EXPECT_EQ(viewer.dialog.received, (std::vector<platform::UINT>{platform::kMsgSearchFailed}));
}

TEST_F(SysLogPageTest, HeaderClicksSortByTheShownText) {
  CVantorSysLogPage page;
  const CPageControls c = Build(page);
  PickDay(c, Jan31());
  ASSERT_TRUE(c.searchButton->Click());
  ASSERT_TRUE(c.list->ClickHeader(1));
  // Equal texts keep their order.
  EXPECT_EQ(Column(c, 3), (std::vector<std::string>{"Channel 05 enabled", "Backup job executed", "Wardix started",
                                                    "admin logged in", "guest logged in"}));
  ASSERT_TRUE(c.list->ClickHeader(1));
  EXPECT_EQ(Column(c, 3), (std::vector<std::string>{"admin logged in", "guest logged in", "Wardix started",
                                                    "Backup job executed", "Channel 05 enabled"}));
  ASSERT_TRUE(c.list->ClickHeader(2));
  EXPECT_EQ(Column(c, 2).back(), "5");
  ASSERT_TRUE(c.list->ClickHeader(0));
  EXPECT_EQ(Column(c, 0).front(), "2024/01/31 08:00:00");
}

TEST_F(SysLogPageTest, ExportWritesTheListAsShown) {
  CVantorSysLogPage page;
  const CPageControls c = Build(page);
  PickType(c, 10);
  PickDay(c, Jan31());
  ASSERT_TRUE(c.searchButton->Click());
  std::vector<std::string> filters;
  CExportFileDialog::SetChooser([&](const CExportFileDialog& dialog) -> std::optional<std::string> {
    for (const auto& f : dialog.GetFilters()) filters.push_back(f.description);
    return root.File("out.txt");
  });
  ASSERT_TRUE(c.exportButton->Click());
  CExportFileDialog::SetChooser({});
  EXPECT_EQ(filters, (std::vector<std::string>{"Excel Files (*.csv)", "Text Files (*.txt)"}));
  EXPECT_EQ(ReadWholeFile(root.File("out.txt")),
            "Event Time, Event Type, Device, Description\r\n"
            "2024/01/31 08:04:00, Enable Channel, 5, Channel 05 enabled\r\n");
  ASSERT_TRUE(page.ExportTo(root.File("out.CSV")));
  ASSERT_TRUE(page.ExportTo(root.File("out.CSV")));
  EXPECT_EQ(ReadWholeFile(root.File("out.CSV")),
            "Event Time,Event Type,Device,Description,\r\n"
            "2024/01/31 08:04:00,Enable Channel,5,Channel 05 enabled,\r\n"
            "2024/01/31 08:04:00,Enable Channel,5,Channel 05 enabled,\r\n");
}

// A binary system log record of the wire.
std::string WireRecord(const CDateTime& time, int32_t type, const std::string& text) {
  std::string bytes(344, '\0');
  const int32_t status = time.GetStatus();
  const int64_t ticks = time.GetTicks();
  std::memcpy(&bytes[0], &status, 4);
  std::memcpy(&bytes[8], &ticks, 8);
  std::memcpy(&bytes[16], &type, 4);
  std::memcpy(&bytes[20], text.data(), text.size());
  return bytes;
}

class NVRSysLogPageTest : public SysLogPageTest {
 protected:
  NVRSysLogPageTest() {
    viewer.settings.remoteCameraList = 1;
    viewer.settings.nvrMode = 1;
    viewer.settings.serverAddress = "127.0.0.1";
    viewer.eventHost = &host;
  }
  // Serves one answer and runs a search against it; the request is kept.
  void SearchAgainst(const CPageControls& c, const std::string& answer) {
    LoopbackPeer peer;
    peer.Serve([&](int fd) {
      request = LoopbackPeer::ReadHeaders(fd);
      LoopbackPeer::Write(fd, answer);
    });
    viewer.settings.serverPort = peer.Port();
    ASSERT_TRUE(c.searchButton->Click());
  }

  FakeDialogWindow host;
  std::string request;
};

TEST_F(NVRSysLogPageTest, RemoteSearchSplitsLevelAndMessage) {
  CNVRSysLogPage page;
  const CPageControls c = Build(page);
  ASSERT_EQ(c.typeSelector->GetCount(), 9);
  EXPECT_EQ(c.typeSelector->GetLBText(8), "Recording History");
  EXPECT_EQ(c.typeSelector->GetCurSel(), 0);
  ASSERT_EQ(c.list->GetColumnCount(), 5);
  EXPECT_EQ(c.list->GetColumn(4)->title, "Message");

  PickType(c, 3);
  PickDay(c, Jan31());
  SearchAgainst(c, "VXPP/1.0 200 OK\r\nCSeq: 0\r\nLog-Count: 3\r\n\r\n" +
                       WireRecord(Jan31(8), 3, "Warning|Disk 2 almost full") + WireRecord(Jan31(9), 100, "x") +
                       WireRecord(Jan31(10), 1, "Fan restarted"));
  EXPECT_NE(request.find("System-Log-Number: 3\r\n"), std::string::npos) << request;
  EXPECT_EQ(ListRows(c), (Rows{{"2024/01/31", "08:00:00", "Disk", "Warning", "Disk 2 almost full"},
                               {"2024/01/31", "10:00:00", "Hardware", "", "Fan restarted"}}));

  // A refusal of the server is a failed search; its rows stay.
  SearchAgainst(c, "VXPP/1.0 200 OK\r\nCSeq: 1\r\nError: denied\r\n\r\n");
  EXPECT_EQ(viewer.dialog.received, (std::vector<platform::UINT>{platform::kMsgSearchFailed}));
  EXPECT_EQ(c.list->GetItemCount(), 2);
  EXPECT_TRUE(host.received.empty());
}

TEST_F(NVRSysLogPageTest, UnreachableServerIsReportedToTheHost) {
  CNVRSysLogPage page;
  const CPageControls c = Build(page);
  {
    LoopbackPeer closed;  // a port nobody listens on once it is gone
    viewer.settings.serverPort = closed.Port();
  }
  ASSERT_TRUE(c.searchButton->Click());
  platform::MessageQueue::Default()->DeliverUntilEmpty();
  EXPECT_EQ(host.received, (std::vector<platform::UINT>{platform::kMsgRemoteRequestFailed}));
  EXPECT_TRUE(viewer.dialog.received.empty());
}

}  // namespace
