// The counting page on local databases: its modes and selectors, the rows
// of each kind of counter, sorting and export.
#include <gtest/gtest.h>

#include <fstream>

#include "pages/common/fake_viewer_context.h"
#include "pages/common/page_lines.h"
#include "pages/counting/counter_log_page.h"
#include "store/store_fixture.h"
#include "temp_folder.h"
#include "ui/button_model.h"
#include "ui/combo_box_model.h"
#include "ui/date_time_picker_model.h"

namespace {

using Texts = page_test::Lines;

class CounterLogPageTest : public ::testing::Test {
 protected:
  CounterLogPageTest() {
    viewer.installFolder = root.Path();
    viewer.logRoot = root.Path() + "/";
    viewer.cameraNames = {"Lobby", "Dock"};
    viewer.cameraIds = {11, 12};
    root.Write("db/filter/CombinedCounterFilter.xml",
               "<L><C><CounterID>1</CounterID><CounterName>Shop</CounterName></C></L>");
    root.Write("db/filter/IVS.xml",
               "<I><S><ServerName>A</ServerName><Devices><D><DeviceID>7</DeviceID><DeviceName>Gate</DeviceName>"
               "<CameraID>11</CameraID><Index>2</Index></D></Devices></S></I>");
    Sql("CREATE TABLE CounterLog(Id INTEGER PRIMARY KEY, LogTime, ChannelIndex, CameraId, CountIn, CountOut);"
        "INSERT INTO CounterLog(LogTime, ChannelIndex, CameraId, CountIn, CountOut) VALUES"
        "(20240131080000, 0, 11, 5, -5), (20240131090000, 1, 12, 12, 3), (20240131100000, 4, 99, 7, 1);"
        "CREATE TABLE IVSCounterLog(Id INTEGER PRIMARY KEY, LogTime, IVSDeviceId, DeviceId, CounterId, "
        "CounterName, CounterType, CounterResult, Reset);"
        "INSERT INTO IVSCounterLog(LogTime, IVSDeviceId, CounterName, CounterResult) VALUES"
        "(20240131080000, 7, 'In', 4), (20240131090000, 8, 'Out', 2);"
        "CREATE TABLE CombinedCounterLog(Id INTEGER PRIMARY KEY, LogTime, CounterID, CounterResult);"
        "INSERT INTO CombinedCounterLog(LogTime, CounterID, CounterResult) VALUES"
        "(20240131080000, 1, 40), (20240131090000, 9, 2), (20240131100000, 9, 3);");
  }

  void Sql(const std::string& sql) {
    store_test::WriteDatabase(root.File("db/EventLog/EventLog_20240131.db"), sql);
  }
  CPageControls Build() {
    page.SetOwner(&viewer);
    page.Create();
    page.Show(true);
    page.ReadCounterLists();
    return page.Controls();
  }
  static void Search(const CPageControls& c, int mode) {
    ASSERT_TRUE(c.modeSelector->UserSelect(mode));
    ASSERT_TRUE(c.dayPicker->UserSetTime(CDateTime::FromFields(2024, 1, 31)));
    ASSERT_TRUE(c.searchButton->Click());
  }
  static Texts Column(const CPageControls& c, int column) { return page_test::Column(*c.list, column); }

  TempFolder root;
  FakeViewerContext viewer;
  CCounterLogPage page;
};

TEST_F(CounterLogPageTest, RowsOfEachMode) {
  const CPageControls c = Build();
  ASSERT_EQ(c.modeSelector->GetCount(), 3);
  EXPECT_EQ(c.typeSelector, nullptr);

  Search(c, 0);
  EXPECT_EQ(Column(c, 0), (Texts{"2024/01/31 08:00:00", "2024/01/31 09:00:00", "2024/01/31 10:00:00"}));
  EXPECT_EQ(Column(c, 1), (Texts{"01", "02", "[Deleted]"}));
  EXPECT_EQ(Column(c, 3), (Texts{"-5", "3", "1"}));
  // A camera the user may not see is not listed.
  CUserAccount user("guest", {{12, 0}});
  viewer.settings.userAccount = &user;
  ASSERT_TRUE(c.searchButton->Click());
  EXPECT_EQ(Column(c, 1), (Texts{"01", "[Deleted]"}));
  viewer.settings.userAccount = nullptr;

  // Another mode: its columns and selector, an empty list until it searches.
  ASSERT_TRUE(c.modeSelector->UserSelect(1));
  EXPECT_EQ(c.list->GetItemCount(), 0);
  EXPECT_EQ(c.list->GetColumn(1)->title, "Device");
  EXPECT_EQ(c.secondSelector->GetLBText(1), "[03] Gate");
  Search(c, 1);
  EXPECT_EQ(Column(c, 1), (Texts{"[03] Gate", "[Deleted]"}));
  EXPECT_EQ(Column(c, 2), (Texts{"In", "Out"}));

  // A counter missing from the list is entered as deleted, for every later row.
  Search(c, 2);
  EXPECT_EQ(c.list->GetColumnCount(), 3);
  EXPECT_EQ(Column(c, 1), (Texts{"Shop", "[Deleted]", "[Deleted]"}));
  EXPECT_EQ(Column(c, 2), (Texts{"40", "2", "3"}));
}

TEST_F(CounterLogPageTest, SortsNumbersAndKeepsEqualRowsInOrder) {
  const CPageControls c = Build();
  Search(c, 0);
  ASSERT_TRUE(c.list->ClickHeader(3));  // "Out", smaller first: -5 sorts below the others
  EXPECT_EQ(Column(c, 3), (Texts{"-5", "1", "3"}));
  ASSERT_TRUE(c.list->ClickHeader(3));
  EXPECT_EQ(Column(c, 3), (Texts{"3", "1", "-5"}));
  ASSERT_TRUE(c.list->ClickHeader(2));  // "In" as numbers, not texts: 12 above 7
  EXPECT_EQ(Column(c, 2), (Texts{"5", "7", "12"}));
  // The time column by its text; rows of equal keys keep their order.
  Sql("UPDATE CounterLog SET LogTime = 20240131080000, CountIn = Id;");
  ASSERT_TRUE(c.searchButton->Click());
  ASSERT_TRUE(c.list->ClickHeader(0));
  EXPECT_EQ(Column(c, 2), (Texts{"1", "2", "3"}));
}

TEST_F(CounterLogPageTest, ExportIsCommaSeparatedWhateverTheExtension) {
  const CPageControls c = Build();
  Search(c, 2);
  viewer.savePath = root.File("counts.txt");
  ASSERT_TRUE(c.exportButton->Click());
  ASSERT_TRUE(c.exportButton->Click());  // appended, without a second title line
  const std::string rows = "2024/01/31 08:00:00,Shop,40,\r\n2024/01/31 09:00:00,[Deleted],2,\r\n"
                           "2024/01/31 10:00:00,[Deleted],3,\r\n";
  EXPECT_EQ(ReadWholeFile(*viewer.savePath), "Event Time,Counter,Result,\r\n" + rows + rows);
  viewer.savePath = root.File("no-extension");
  ASSERT_TRUE(c.exportButton->Click());
  EXPECT_FALSE(std::ifstream(*viewer.savePath).good());
}

}  // namespace
