#include <gtest/gtest.h>

#include "pages/common/fake_viewer_context.h"
#include "pages/common/page_lines.h"
#include "pages/video/nvr_video_log_page.h"
#include "pages/video/vantor_video_log_page.h"
#include "store/store_fixture.h"
#include "temp_folder.h"
#include "ui/button_model.h"
#include "ui/combo_box_model.h"
#include "ui/date_time_picker_model.h"

namespace {

using Texts = page_test::Lines;
using page_test::Entries;

CDateTime Jan31(int hour = 0) { return CDateTime::FromFields(2024, 1, 31, hour); }

class VideoLogPageTest : public ::testing::Test {
 protected:
  VideoLogPageTest() {
    viewer.logRoot = root.Path() + "/";
    // (minutes after 08:00, type, text)
    store_test::WriteDatabase(root.File("db/SystemLog/SystemLog_20240131.db"),
        "CREATE TABLE SysLog(Id INTEGER PRIMARY KEY, LogTime, EventNumber, EventString, Param1, Param2, Param3, "
        "Param4, Param5); CREATE TABLE Rows(m, t, s); INSERT INTO Rows VALUES "
        "(0, 3, 'admin in'),"
        "(1, 34, '1,operator,2024/01/31 10:00:00,2024/01/31 10:10:05,Cam 1,10[C:\\a,b.avi],1,AVI,HD,Tool,3'),"
        "(2, 35, '1,admin,2024/01/30 00:00:00,yesterday,[Lobby,Dock],3[F:\\],Main,' || char(4)),"
        "(3, 38, '0,admin,2024/01/30 00:00:00,2024/01/30 01:00:00,[Dock],2'),"
        "(4, 41, '0,2024/01/30 00:00:00,2024/01/30 23:59:59,[Dock],3[G:\\],Disk full,Main'),"
        "(5, 34, 'cut short,2024');"
        "INSERT INTO SysLog(LogTime, EventNumber, EventString) SELECT 20240131080000 + m * 100, t, s FROM Rows;");
  }

  CPageControls Build(CVideoLogPage& page) {
    page.SetOwner(&viewer);
    page.Create();
    return page.Controls();
  }
  static Texts Row(const CPageControls& c, int row) { return page_test::Row(*c.list, row); }
  static void Search(const CPageControls& c) {
    ASSERT_TRUE(c.dayPicker->UserSetTime(Jan31()));
    ASSERT_TRUE(c.searchButton->Click());
  }

  TempFolder root;
  FakeViewerContext viewer;
};

TEST_F(VideoLogPageTest, LocalRowsTakeTheEventStringsApart) {
  CVantorVideoLogPage page;
  const CPageControls c = Build(page);
  EXPECT_EQ(Entries(*c.typeSelector), (Texts{"All", "Auto Backup", "Backup", "Delete File Record", "Export Video"}));
  EXPECT_EQ(c.list->GetColumnCount(), 13);
  Search(c);
  // The login and the string that does not fit its layout give no row.
  ASSERT_EQ(c.list->GetItemCount(), 4);
  EXPECT_EQ(Row(c, 0), (Texts{"2024/01/31 08:01:00", "Export Video", "Yes", "operator", "2024/01/31 10:00:00",
                              "2024/01/31 10:10:05", "0days 00:10:05.000", "Cam 1", "3", "C:\\a,b.avi", "N/A", "Yes",
                              "Tool"}));
  EXPECT_EQ(Row(c, 1), (Texts{"2024/01/31 08:02:00", "Backup", "Yes", "admin", "2024/01/30 00:00:00", "yesterday",
                              "N/A", "Lobby,Dock", "All", "F:\\", "Main", "N/A", ""}));
  EXPECT_EQ(Row(c, 2)[2], "No");
  EXPECT_EQ(Row(c, 2)[9], "N/A");
  EXPECT_EQ(Row(c, 3), (Texts{"2024/01/31 08:04:00", "Auto Backup", "No (Disk full)", "", "2024/01/30 00:00:00",
                              "2024/01/30 23:59:59", "0days 23:59:59.000", "Dock", "", "G:\\", "Main", "N/A", ""}));

  ASSERT_TRUE(c.list->ClickHeader(2));  // by the text shown
  EXPECT_EQ(c.list->GetItemText(3, 2), "Yes");
  ASSERT_TRUE(c.typeSelector->UserSelect(2));  // Backup
  ASSERT_TRUE(c.searchButton->Click());
  EXPECT_EQ(c.list->GetItemCount(), 1);
}

SystemLogRecord Record(int32_t type, const std::string& text) {
  SystemLogRecord record;
  record.LogTime = Jan31(9);
  record.EventNumber = type;
  record.EventString = text;
  return record;
}

// Failed remote searches are the common page's, tested with the event page.
TEST_F(VideoLogPageTest, RemoteRows) {
  viewer.settings.nvrMode = 1;
  CNVRVideoLogPage page;
  const CPageControls c = Build(page);
  Search(c);  // nvrMode without the remote camera list: nothing to search
  EXPECT_EQ(viewer.server.queries + c.list->GetItemCount(), 0);
  viewer.settings.remoteCameraList = 1;
  EXPECT_EQ(Entries(*c.typeSelector),
            (Texts{"All", "Auto Backup", "Backup", "Export Log", "Export Video", "Snapshot"}));
  ASSERT_TRUE(c.typeSelector->UserSelect(5));
  viewer.server.systemRecords = {Record(103, "admin|Snapshot of Lobby|ok"), Record(99, "x"), Record(104, "Log out"),
                                 Record(105, "later kind")};
  Search(c);
  EXPECT_EQ(viewer.server.systemLogNumber, 103);
  ASSERT_EQ(c.list->GetItemCount(), 3);
  EXPECT_EQ(Row(c, 0), (Texts{"2024/01/31", "09:00:00", "Snapshot", "admin", "Snapshot of Lobby|ok"}));
  EXPECT_EQ(Row(c, 1), (Texts{"2024/01/31", "09:00:00", "Export Log", "", "Log out"}));
  EXPECT_EQ(Row(c, 2)[2], "");  // no name past 104
}

}  // namespace
