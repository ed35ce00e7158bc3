#include "pages/event/event_log_page.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "pages/common/local_page_test.h"
#include "pages/event/nvr_event_log_page.h"
#include "pages/event/vantor_event_log_page.h"
#include "vocabulary/user_account.h"
#include "store/store_fixture.h"
#include "temp_folder.h"
#include "ui/edit_model.h"
#include "ui/message_box.h"

namespace {

using page_test::Lines;
using Numbers = std::vector<platform::UINT>;
constexpr int64_t kDay = 20240131000000;  // the test installation's one day

CDateTime At(int hour, int minute = 0, int second = 0) { return CDateTime::FromFields(2024, 1, 31, hour, minute, second); }

// A page over a temporary installation whose one daily file holds the rows
// a test writes; cameras 11, 12, 13; one edge event, 30001.
template <class Page>
class PageTest : public LocalPageTest<Page> {
 protected:
  PageTest() {
    this->m_drawImages = false;
    this->m_folder.Write("SupportedEdgeEventListOfDP.ini", "[SupportedEdgeEvent]\nEdgeEventCount=1\n[EdgeEvent0000]\n"
                                                           "EventType=30001\nEdgeEventName=Edge Tripwire\n");
    this->context.cameraNames = {"Gate", "Hall", "Yard"};
    this->context.cameraIds = {11, 12, 13};
  }
  // Builds the page (after the test set the context up) over `rows`.
  void Create(const std::vector<store_test::EventRow>& rows) {
    store_test::WriteDatabase(this->m_folder.Write("db/EventLog/EventLog_20240131.db", ""), store_test::EventLogSql(rows));
    LocalPageTest<Page>::Create();
  }
  std::vector<int64_t> TypeValues() { return page_test::ItemValues(*this->Controls().typeSelector); }
  void PickType(int64_t value) { page_test::SelectValue(*this->Controls().typeSelector, value); }
};

using VantorPageTest = PageTest<CVantorEventLogPage>;
using NVRPageTest = PageTest<CNVREventLogPage>;

TEST_F(VantorPageTest, TypesAndCameraColumn) {
  Create({{kDay + 1, 0, 11, 0, "a"}, {kDay + 2, 0, 11, 7, "b"}, {kDay, 0, 99, 8, "gone"}, {kDay, 0, 12, 100, "disk"},
          {kDay, 0, -2, 200, "input"}, {kDay, 0, 13, 30001, "trip"}, {kDay, 0, 13, 30002, "?"}, {kDay, 0, 13, 9, "x"}});
  // 5-8 and the compound numbers after the first are never offered alone.
  EXPECT_EQ(TypeValues(), (std::vector<int64_t>{-1, 0, 1, 2, 3, 4, 50, 100, 101, 102, 103, 200, 9, 112, 113, 40001,
                                                30001}));
  EXPECT_EQ(Search(), (Lines{"2024/01/31 00:00:01|General Motion|01|a", "2024/01/31 00:00:02|General Motion|01|b",
                             "2024/01/31 00:00:00|General Motion|[Deleted]|gone",
                             "2024/01/31 00:00:00|Disk Space Exhausted||disk",
                             "2024/01/31 00:00:00|Digital Input Triggered||input",
                             "2024/01/31 00:00:00|Edge Tripwire|03|trip",
                             "2024/01/31 00:00:00|Edge Motion (Any Zone)|03|Edge Motion (Any Zone)"}));
  PickType(0);
  EXPECT_EQ(Search().size(), 3u);  // 0, 7 and 8
  // Kinds without a camera leave the camera selector at "All", unusable.
  Controls().secondSelector->SetCurSel(2);
  PickType(100);
  EXPECT_EQ(Controls().secondSelector->GetCurSel(), 0);
  EXPECT_FALSE(Controls().secondSelector->IsEnabled());
  PickType(30001);
  EXPECT_TRUE(Controls().secondSelector->IsEnabled());
}

TEST_F(VantorPageTest, PickedRangeBoundsTheSearch) {
  Create({{20240130235959, 0, 11, 1, "before"}, {kDay, 0, 11, 1, "first"}, {kDay + 235959, 0, 11, 1, "last"},
          {20240201000000, 0, 11, 1, "after"}});
  Controls().startPicker->SetTime(CDateTime::FromFields(2024, 1, 1));  // the day picker wins
  EXPECT_EQ(Search().size(), 2u);
  Controls().startPicker->UserSetTime(At(12));
  EXPECT_EQ(Search().size(), 2u);  // no end: "last" and "after"
  Controls().endPicker->UserSetTime(At(11));
  EXPECT_TRUE(Search().empty());  // start after end: no search, no message
  EXPECT_TRUE(context.dialog.received.empty());
  m_folder.Write("db/EventLog/EventLog_20240131.db", "not a database, but long enough to be read as one...");
  Controls().dayPicker->UserSetCheck(true);
  EXPECT_TRUE(Search().empty());
  EXPECT_EQ(context.dialog.received, Numbers{platform::kMsgSearchFailed});
}

TEST_F(VantorPageTest, CancelFromTheProgressReportKeepsTheRowsRead) {
  Create({{kDay, 0, 11, 1, "a"}, {kDay + 1, 0, 11, 1, "b"}, {kDay + 2, 0, 11, 1, "c"}});
  context.onProgress = [&] {
    const CPageControls c = Controls();
    EXPECT_FALSE(c.searchButton->IsEnabled() || c.typeSelector->IsEnabled() || c.dayPicker->IsEnabled());
    page.Search();  // not started again
    page.CancelSearch();
  };
  // The first report goes out with the first row: the search stops there.
  EXPECT_EQ(Search().size(), 1u);
  EXPECT_EQ(context.progressReports, 1);
  EXPECT_TRUE(context.dialog.received.empty());  // a cancelled search did not fail
  EXPECT_TRUE(Controls().searchButton->IsEnabled() && Controls().typeSelector->IsEnabled());
  const auto progressText = [&] {
    for (CWindowModel* child : page.GetChildren()) {
      if (child->GetClassName() == kStaticClass && child->GetWindowText().starts_with("Search")) return child;
    }
    return static_cast<CWindowModel*>(nullptr);
  };
  ASSERT_NE(progressText(), nullptr);
  EXPECT_EQ(progressText()->GetWindowText(), "Search cancelled: the 1 rows read are listed.");

  context.onProgress = nullptr;
  EXPECT_EQ(Search().size(), 3u);  // the next search reads everything again
  EXPECT_FALSE(progressText()->IsVisible());
}

TEST_F(VantorPageTest, SwitchesRightsAndGenericCameras) {
  context.eventSwitches.generalMotion = 0;
  CUserAccount user("operator", {{12, 1}, {13, 0}});
  context.settings.userAccount = &user;
  Create({{kDay, 0, 11, 0, "motion"}, {kDay, 2, 12, 1, "object 12"}, {kDay, 1, 13, 1, "object 13"}});
  EXPECT_EQ(TypeValues()[1], 1);  // no "General Motion" to offer
  EXPECT_EQ(Search(), Lines{"2024/01/31 00:00:00|Foreign Object|02|object 12"});
  // Generic names: cameras by channel, without camera ids, switches or rights.
  context.settings.genericCameraNames = 1;
  Controls().secondSelector->SetCurSel(2);  // "[02] Hall" (id 12): position 1
  EXPECT_EQ(Search(), Lines{"2024/01/31 00:00:00|Foreign Object|2|object 13"});
}

TEST_F(VantorPageTest, SortAndExport) {
  Create({{kDay + 2, 0, 12, 50, "b"}, {kDay + 1, 0, 11, 1, "c"}, {kDay + 3, 0, 11, 50, "a"}});
  Search();
  CLogListCtrl& list = *Controls().list;
  list.ClickHeader(1);  // smaller first; equal numbers keep their order
  list.ClickHeader(1);
  EXPECT_EQ(list.GetItemText(0, 3) + list.GetItemText(1, 3) + list.GetItemText(2, 3), "bac");
  list.ClickHeader(3);
  context.savePath = m_folder.File("list.csv");
  ASSERT_TRUE(Controls().exportButton->Click());
  EXPECT_EQ(context.saveDialogs, Lines{"CSV Files (*.csv)|*.csv|Text Files (*.txt)|*.txt|| csv"});
  EXPECT_EQ(ReadWholeFile(m_folder.File("list.csv")),
            "Event Time,Event Type,Camera,Description,\r\n2024/01/31 00:00:03,Signal Lost,01,a,\r\n"
            "2024/01/31 00:00:02,Signal Lost,02,b,\r\n2024/01/31 00:00:01,Foreign Object,01,c,\r\n");

  // A file that cannot be written is named to the user; another extension writes nothing, silently.
  const std::string lost = m_folder.File("no/such/folder/list.txt");
  EXPECT_FALSE(page.ExportTo(lost));
  EXPECT_FALSE(page.ExportTo(m_folder.File("list.xls")));
  ASSERT_EQ(context.boxes.size(), 1u);
  EXPECT_EQ(context.boxes[0].text.rfind("Cannot write " + lost + ": ", 0), 0u) << context.boxes[0].text;
  EXPECT_EQ(context.boxes[0].caption, "Error");
}

TEST_F(VantorPageTest, PlayStatesAndTheOpenAction) {
  Create({{kDay + 83000, 0, 12, 1, "in"}, {kDay + 100000, 0, 12, 1, "ten"}, {kDay + 83000, 0, 13, 1, "other"}});
  page.SetLogDateTime(At(8), At(10));
  page.HostLink().cameras.set(1);
  Controls().dayPicker->UserSetCheck(true);
  Controls().searchButton->Click();
  EXPECT_TRUE(host.Messages().empty());  // nothing is asked before a row is drawn
  CLogListCtrl& list = *Controls().list;
  EXPECT_EQ(list.GetItemImage(1), EventListItem::kPlayable);
  EXPECT_EQ(list.GetItemImage(1), EventListItem::kPlayable);  // asked once
  EXPECT_EQ(list.GetItemImage(2), EventListItem::kNotPlayable);  // not among the host's cameras
  EXPECT_EQ(host.Numbers(), Numbers(2, platform::kMsgCanPlay));
  host.messages.clear();
  list.DoubleClickRow(1);  // shown by the host: it seeks there
  EXPECT_EQ(host.Numbers(), Numbers{platform::kMsgSeekPlayback});
  EXPECT_EQ(*reinterpret_cast<const CDateTime*>(host.messages[0].wParam), At(10));

  // The host moved on: the viewer asks for a channel, then moves every page
  // to ten seconds around the event and asks the host to play them.
  page.SetLogDateTime(At(8), At(9));
  host.messages.clear();
  host.channelsFull = true;
  page.OpenRow(1);
  const std::vector<CMessageBoxRequest>& boxes = context.boxes;
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text + "|" + boxes[0].caption, "Exceed the playback maximun channels.|Error");
  EXPECT_EQ(boxes[0].style, CMessageBox::kIconStop);
  host.channelsFull = false;
  page.OpenRow(1);
  ASSERT_EQ(context.searches.size(), 1u);
  EXPECT_EQ(context.searches[0].start, At(9, 59, 55));
  EXPECT_EQ(context.searches[0].end, At(10, 0, 5));
  EXPECT_EQ(host.Numbers(), (Numbers{platform::kMsgPlaybackChannelsFull, platform::kMsgPlaybackChannelsFull,
                                     platform::kMsgStartPlayback}));
  const auto& request = *reinterpret_cast<const PlaybackRequest*>(host.messages.back().wParam);
  EXPECT_EQ(request.selectedTime, At(10));
  EXPECT_TRUE(request.end == At(10, 0, 5) && request.cameras.test(1));

  context.settings.modeless = 0;  // the modal viewer plays whatever the host can, at once
  Controls().dayPicker->UserSetCheck(true);
  Controls().searchButton->Click();
  host.messages.clear();
  EXPECT_EQ(list.GetItemImage(2), EventListItem::kPlayable);
  list.DoubleClickRow(2);
  EXPECT_EQ(host.Numbers(), (Numbers{platform::kMsgCanPlay, platform::kMsgPlayModal}));
  EXPECT_EQ(host.messages[1].wParam, 2u);
}

TEST_F(VantorPageTest, ShowSimilarAndDoubleClickThroughTheFindBox) {
  Create({{kDay + 1, 0, 11, 0, "alpha"}, {kDay + 2, 0, 13, 1, "bravo"}, {kDay + 3, 0, 13, 0, "charlie"},
          {kDay + 4, 0, -2, 100, "delta"}});
  page.SetLogDateTime(At(0), At(1));
  page.HostLink().cameras.set(2);
  EXPECT_EQ(Search().size(), 4u);
  CLogListCtrl& list = *Controls().list;
  Controls().findBox->UserSetText("CHARL");  // page row 2
  ASSERT_EQ(list.GetItemCount(), 1);
  EXPECT_EQ(list.GetItemImage(0), EventListItem::kPlayable);  // the yard, inside the host's window
  host.messages.clear();
  list.DoubleClickRow(0);  // the host shows it: it seeks to "charlie"
  ASSERT_EQ(host.Numbers(), Numbers{platform::kMsgSeekPlayback});
  EXPECT_EQ(*reinterpret_cast<const CDateTime*>(host.messages.back().wParam), At(0, 0, 3));
  ASSERT_TRUE(list.ChooseRowMenuItem(0, 2));  // "Same type and camera": General Motion at the yard
  EXPECT_EQ(Controls().typeSelector->GetItemData(Controls().typeSelector->GetCurSel()), 0);
  EXPECT_EQ(Controls().secondSelector->GetItemData(Controls().secondSelector->GetCurSel()), 13);
  EXPECT_EQ(list.GetItemCount(), 1);
  Controls().findBox->UserSetText("");
  EXPECT_EQ(list.GetItemCount(), 1);  // the new search found only "charlie"
  // A camera-less row has no camera entry: nothing changes.
  PickType(-1);
  Controls().secondSelector->UserSelect(0);
  Search();
  ASSERT_EQ(list.GetItemCount(), 4);
  list.ChooseRowMenuItem(3, 2);  // "delta" names no camera
  EXPECT_EQ(Controls().typeSelector->GetItemData(Controls().typeSelector->GetCurSel()), -1);
  EXPECT_EQ(list.GetItemCount(), 4);
}

TEST_F(NVRPageTest, RemoteVariantCells) {
  Create({{kDay + 123456, 0, 11, 50, "lost"}, {kDay, 0, 12, 400, "motion"}, {kDay, 0, 12, 30001, "edge"}});
  EXPECT_EQ(Search(), Lines{"2024/01/31|12:34:56|Connection Lost|01|lost"});
  EXPECT_TRUE(host.Messages().empty());  // rows outside the host's window are not asked about
  context.settings.nvrMode = 1;
  EXPECT_EQ(Search().size(), 2u);
  EXPECT_EQ(TypeValues(), (std::vector<int64_t>{-1, 400, 50, 200, 600}));
  ASSERT_TRUE(page.ExportTo(m_folder.File("list.txt")));
  EXPECT_EQ(ReadWholeFile(m_folder.File("list.txt")).substr(0, 42), "Date, Time, Log Type, Channel, Description");
}

// A remote search through the viewer's client: the filters go out, the rows
// come back judged by the host, and failures are told where they belong.
TEST_F(VantorPageTest, RemoteSearch) {
  Create({});
  context.settings.remoteCameraList = 1;
  context.settings.serverAddress = "recorder";
  context.settings.serverPort = 7000;
  FakeVxppAnswers& server = context.server;
  server.events = {{At(0, 0, 1), -1, 12, 1, "by id"}, {At(0, 0, 2), 2, 0, 1, "by channel"}};
  page.SetLogDateTime(At(0), At(1));
  page.HostLink().cameras.set();
  PickType(1);
  Controls().secondSelector->SetCurSel(2);  // "[02] Hall": id 12, position 1
  // Text records carry camera ids; binary ones are known by channel.
  EXPECT_EQ(Search(), (Lines{"2024/01/31 00:00:01|Foreign Object|02|by id",
                             "2024/01/31 00:00:02|Foreign Object|[Deleted]|by channel"}));
  EXPECT_EQ(server.url + std::to_string(server.port), "vxpp://recorder/7000");
  EXPECT_TRUE(server.eventNumber == 1 && server.cameraId == 12u && server.channelIndex == 1u);
  EXPECT_EQ(page.RowAt(0).playState, EventListItem::kPlayable);  // judged as they came
  server.textFormat = 0;
  EXPECT_EQ(Search(), (Lines{"2024/01/31 00:00:01|Foreign Object||by id",
                             "2024/01/31 00:00:02|Foreign Object|3|by channel"}));

  server.result = -2;  // the server's "Error:"
  EXPECT_TRUE(Search().empty());
  EXPECT_EQ(context.dialog.received, Numbers{platform::kMsgSearchFailed});
  host.messages.clear();
  server.result = -1;  // nobody answered: the host hears of it
  Search();
  EXPECT_EQ(host.Numbers(), Numbers{platform::kMsgRemoteRequestFailed});
  // Cancelled while the answer came: what arrived is listed, nothing failed.
  host.messages.clear();
  server.whileAnswering = [&] { page.CancelSearch(); };
  EXPECT_EQ(Search().size(), 2u);
  EXPECT_EQ(host.Numbers(), Numbers{platform::kMsgCanPlay});  // the row with a camera judged; no failure
  EXPECT_EQ(server.clientsMade, 1);  // one client for the page's life
  EXPECT_EQ(server.queries, 5);
}

}  // namespace
