// The counting diagram page on the installation's own databases: what a
// search puts into its window, the analytics counters it offers, and the
// picture it paints.
#include <gtest/gtest.h>

#include "pages/common/fake_viewer_context.h"
#include "pages/counting/counter_diagram_page.h"
#include "store/store_fixture.h"
#include "temp_folder.h"
#include "ui/button_model.h"
#include "ui/combo_box_model.h"
#include "ui/date_time_picker_model.h"

namespace {

class CounterDiagramPageTest : public ::testing::Test {
 protected:
  CounterDiagramPageTest() {
    viewer.installFolder = root.Path();
    viewer.cameraNames = {"Lobby"};
    viewer.cameraIds = {11};
    store_test::WriteDatabase(root.File("db/EventLog/EventLog_20240131.db"),
        "CREATE TABLE CounterLog(Id INTEGER PRIMARY KEY, LogTime, ChannelIndex, CameraId, CountIn, CountOut);"
        "INSERT INTO CounterLog(LogTime, CameraId, CountIn, CountOut) VALUES"
        "(20240131090000, 11, 60, 20), (20240131093000, 11, 35, 0), (20240131100000, 12, 500, 500);"
        "CREATE TABLE IVSCounterLog(Id INTEGER PRIMARY KEY, LogTime, IVSDeviceId, DeviceId, CounterId, "
        "CounterName, CounterType, CounterResult, Reset);"
        "INSERT INTO IVSCounterLog(LogTime, IVSDeviceId, CounterId, CounterName, CounterType, CounterResult) VALUES"
        "(20240131080000, 7, 4, 'Exit', 1, 1), (20240131080000, 7, 2, 'Entry', 1, 5),"
        "(20240131090000, 7, 2, 'Entry', 1, 9), (20240131090000, 8, 3, 'Other device', 1, 1);");
    root.Write("db/filter/IVS.xml",
               "<I><S><ServerName>A</ServerName><Devices><D><DeviceID>7</DeviceID><DeviceName>Gate</DeviceName>"
               "<CameraID>11</CameraID><Index>0</Index></D></Devices></S></I>");
    page.SetOwner(&viewer);
    page.Create();
    page.Show(true);
    page.ReadCounterLists();
    page.Controls().dayPicker->UserSetTime(CDateTime::FromFields(2024, 1, 31, 15, 20));
  }

  TempFolder root;
  FakeViewerContext viewer;
  CCounterDiagramPage page;
};

TEST_F(CounterDiagramPageTest, BasicDayPicture) {
  const CPageControls c = page.Controls();
  EXPECT_EQ(c.secondSelector->GetLBText(0), "Lobby");  // no "All"
  EXPECT_FALSE(page.FromHour().IsVisible());
  ASSERT_TRUE(c.searchButton->Click());
  const DiagramSeries series = page.Window().Series();
  EXPECT_EQ(series[0].name, "In");
  EXPECT_EQ(series[0].bins[9], 95);
  EXPECT_EQ(series[1].bins[9], 20);
  EXPECT_EQ(series[0].bins[10], 0);  // another camera
  EXPECT_EQ(page.Window().Axis().step, 10);

  // 800 x 450: rows of 35 pixels, columns of 29; the zero line at the bottom.
  const CPicture& picture = page.Window().Picture();
  ASSERT_EQ(picture.width, 800);
  ASSERT_EQ(picture.height, 450);
  EXPECT_EQ(picture.At(5, 5), 0x000000u);
  EXPECT_EQ(picture.At(50, 200), 0x008700u);  // the value axis
  const int in = 50 + 29 / 2 + 9 * 29 - 4, top = 400 - 95 * 35 / 10;
  EXPECT_EQ(picture.At(in + 1, top + 5), 0x00C8C8u);      // the "In" bar of 09:00
  EXPECT_EQ(picture.At(in + 5, 400 - 20 * 35 / 10 + 5), 0x0000C8u);  // the "Out" bar beside it
  EXPECT_EQ(picture.At(in + 1, top - 10), 0x000000u);     // nothing above it

  viewer.savePath = root.File("chart");
  ASSERT_TRUE(c.exportButton->Click());
  EXPECT_FALSE(std::filesystem::exists(root.File("chart")));
  viewer.savePath = root.File("chart.bmp");
  ASSERT_TRUE(c.exportButton->Click());
  EXPECT_EQ(std::filesystem::file_size(root.File("chart.bmp")), 54u + 800 * 450 * 3);
  EXPECT_EQ(viewer.saveDialogs.back(), "BMP Files (*.bmp)|*.bmp| bmp");
  viewer.savePath = root.File("missing/chart.bmp");
  ASSERT_TRUE(c.exportButton->Click());
  ASSERT_EQ(viewer.boxes.size(), 1u);
  EXPECT_TRUE(viewer.boxes[0].text.starts_with("Cannot write " + root.File("missing/chart.bmp"))) << viewer.boxes[0].text;
}

TEST_F(CounterDiagramPageTest, AnalyticsCountersFollowTheDevice) {
  ASSERT_TRUE(page.Controls().modeSelector->UserSelect(1));
  EXPECT_TRUE(page.FromHour().IsVisible());
  // The first refresh chooses the counters found, by id: 2 "Entry", 4 "Exit".
  EXPECT_EQ(page.CounterSelector(0).GetLBText(page.CounterSelector(0).GetCurSel()), "Entry");
  EXPECT_EQ(page.CounterSelector(1).GetLBText(page.CounterSelector(1).GetCurSel()), "Exit");
  EXPECT_EQ(page.CounterSelector(2).GetLBText(page.CounterSelector(2).GetCurSel()), "N/A");
  ASSERT_TRUE(page.CounterSelector(1).UserSelect(0));
  ASSERT_TRUE(page.Controls().searchButton->Click());
  const DiagramSeries series = page.Window().Series();
  EXPECT_EQ(series[0].bins[8], 9);
  EXPECT_EQ(series[1].name, "");  // "N/A" chosen
  // A month hides the hour range and keeps the counters chosen.
  ASSERT_TRUE(page.PeriodSelector().UserSelect(1));
  EXPECT_FALSE(page.FromHour().IsVisible());
  EXPECT_EQ(page.CounterSelector(0).GetLBText(page.CounterSelector(0).GetCurSel()), "Entry");
  EXPECT_EQ(page.CounterSelector(1).GetLBText(page.CounterSelector(1).GetCurSel()), "N/A");
  EXPECT_EQ(page.Window().Series()[0].bins[30], 9);
}

}  // namespace
