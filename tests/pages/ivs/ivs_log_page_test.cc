#include "pages/ivs/ivs_log_page.h"

#include <gtest/gtest.h>

#include "pages/common/local_page_test.h"
#include "store/store_fixture.h"
#include "vocabulary/user_account.h"

namespace {

using Lines = std::vector<std::string>;
constexpr int64_t kDay = 20240131000000;

CDateTime At(int hour) { return CDateTime::FromFields(2024, 1, 31, hour); }

class IVSLogPageTest : public LocalPageTest<CIVSLogPage> {
 protected:
  IVSLogPageTest() {
    context.logRootIsBackup = true;
    context.cameraIds = {11, 12, 7};
    m_folder.Write("IVSConfigForBackup.ini",
                 "[IVSConfigForBackup]\nIVSCount=1\n[IVS0000]\nDeviceCount=2\n"
                 "[IVS0000Device0000]\nIVSDeviceID=4\nName=Fence\n[IVS0000Device0001]\nIVSDeviceID=5\nName=Roof\n");
    store_test::WriteDatabase(
        m_folder.Write("db/EventLog/EventLog_20240131.db", ""),
        store_test::EventLogSql({{kDay + 80000, 4, 2, 9999, "not analytics"},
                                 {kDay + 90000, 4, 6, 10000, "Line crossed Associated Camera ID: 7"},
                                 {kDay + 100000, 9, 0, 10003, "Tampered"},
                                 {kDay + 110000, 5, 7, 20000, "Edge of the range Associated Camera ID: 99"},
                                 {kDay + 120000, 5, 15, 10001, "Left bag Associated Camera ID: 12"}}));
  }
  // The list as drawn: clock time, rule, device, description and play state.
  Lines Search() {
    page.Controls().searchButton->Click();
    Lines lines;
    for (const CListRowView& r : page.Controls().list->DrawRows(0, page.Controls().list->GetItemCount()))
      lines.push_back(r.texts[0].substr(11) + "|" + r.texts[1] + "|" + r.texts[2] + "|" + r.texts[3] + "|" +
                      std::to_string(r.image));
    return lines;
  }
};

TEST_F(IVSLogPageTest, SelectorsAndLocalRows) {
  Create();
  const CPageControls c = page.Controls();
  // "All", then the 14 offered types in alphabetical order.
  ASSERT_EQ(c.typeSelector->GetCount(), 15);
  EXPECT_EQ(c.typeSelector->GetItemData(0), CIVSLogPage::kAll);
  EXPECT_EQ(c.typeSelector->GetItemData(1), 15);  // the second Abandoned/Removed Object
  EXPECT_EQ(c.typeSelector->GetLBText(14), "Tamper");
  ASSERT_EQ(c.secondSelector->GetCount(), 3);
  EXPECT_EQ(c.secondSelector->GetLBText(2), "Roof");

  // Inside the host's window only the row whose camera is in the set plays.
  page.HostLink().start = At(0);
  page.HostLink().end = At(23);
  page.HostLink().cameras.set(2);
  // Event 20000 is found but names no device.
  EXPECT_EQ(Search(), (Lines{"09:00:00|Stopped|Fence|Line crossed |0", "10:00:00|Tamper|[Deleted]|Tampered|2",
                             "11:00:00|Dwell|[Deleted]|Edge of the range |2",
                             "12:00:00|Abandoned/Removed Object|Roof|Left bag |2"}));
  ASSERT_TRUE(c.list->ClickHeader(1));  // by rule number
  EXPECT_EQ(page.RowAt(0).ruleType, 0);
  EXPECT_EQ(page.RowAt(3).ruleType, 15);

  c.secondSelector->UserSelect(2);
  c.typeSelector->UserSelect(1);
  EXPECT_EQ(Search(), (Lines{"12:00:00|Abandoned/Removed Object|Roof|Left bag |2"}));

  // Opening a playable row: inside the window and set the host seeks there.
  c.secondSelector->UserSelect(0);
  c.typeSelector->UserSelect(0);
  Search();
  host.Numbers();
  host.messages.clear();
  page.OpenRow(0);
  page.OpenRow(1);  // not playable
  EXPECT_EQ(host.Numbers(), (std::vector<platform::UINT>{platform::kMsgSeekPlayback}));

  // A user who may not see device 4 does not get it offered nor its events;
  // device 9, unknown to the account, stays.
  CUserAccount user("guard", {{5, 1}, {4, 0}});
  context.settings.userAccount = &user;
  page.OnCameraListLoaded();
  EXPECT_EQ(c.secondSelector->GetCount(), 2);
  EXPECT_EQ(Search().size(), 3u);
}

EventLogBasket Event(int hour, uint32_t device, uint32_t rule, const std::string& text) {
  EventLogBasket e;
  e.LogTime = At(hour);
  e.EventNumber = 10000;
  e.ChannelIndex = static_cast<int32_t>(device);
  e.CameraId = rule;
  e.Description = text;
  return e;
}

TEST_F(IVSLogPageTest, RemoteSearch) {
  context.settings.nvrMode = 1;
  context.server.ivsDeviceIds = {21};
  context.server.ivsDeviceNames = {"Lot"};
  context.server.events = {Event(9, 21, 1, "Someone Associated Camera ID: 12"), Event(10, 22, 2, "x")};
  Create();
  page.HostLink().noTimeWindow = true;
  page.HostLink().cameras.set();
  ASSERT_EQ(page.Controls().secondSelector->GetLBText(1), "Lot");
  page.Controls().secondSelector->UserSelect(1);
  EXPECT_EQ(Search(), (Lines{"09:00:00|Presence|Lot|Someone |0", "10:00:00|Enter|[Deleted]|x|2"}));
  EXPECT_EQ(context.server.ivsDeviceId, 21u);
  EXPECT_FALSE(context.server.ivsRuleType);

  // A server older than 2.0 gives no rows.
  context.server.textFormat = 0;
  EXPECT_TRUE(Search().empty());
}

}  // namespace
