#include "pages/pos/pos_log_page.h"

#include <gtest/gtest.h>

#include "pages/common/local_page_test.h"
#include "pages/pos/nvr_pos_log_page.h"
#include "pages/pos/pos_camera_ids.h"
#include "pages/pos/vantor_pos_log_page.h"
#include "store/store_fixture.h"
#include "vocabulary/user_account.h"

namespace {

using page_test::Lines;
using Numbers = std::vector<platform::UINT>;
using Indexes = std::vector<uint32_t>;

CDateTime At(int hour, int minute = 0) { return CDateTime::FromFields(2024, 1, 31, hour, minute); }

EPOS_Setting Source(uint32_t posId, const char* name, const char* status = "OK") {
  EPOS_Setting source;
  source.PosId = posId;
  source.Name = name;
  source.SourceName = "Shop";
  source.Status = status;
  return source;
}

TEST(PosCameraIdsTest, PairsTextsAndReadBack) {
  EXPECT_EQ(ParsePosCameraIds("1:3, 1:4"), (Indexes{3, 4}));
  EXPECT_EQ(ParsePosCameraIds("1:3,1:4 1"), (Indexes{3, 4}));  // a trailing lone token
  EXPECT_EQ(ParsePosCameraIds(""), Indexes{});
  EXPECT_EQ(ParsePosCameraIds(":::, ,"), Indexes{});
  EXPECT_EQ(ParsePosCameraIds("1:x 1:-2 1:4294967296 1:4294967295 1:7"), (Indexes{4294967295u, 7}));
  EXPECT_EQ(ParsePosCameraIds("1:99999999999999999999999 2:5"), (Indexes{5}));
  std::string text = "left over";
  PosCameraText("1:3, 1:4", text);
  EXPECT_EQ(text, "4/5");
  PosCameraText("1:x 1:4294967295", text);
  EXPECT_EQ(text, "4294967296");
  PosCameraText("", text);
  EXPECT_EQ(text, "");
  EXPECT_EQ(ReadPosCameraText("4/5 x/0/4294967296"), (Indexes{3, 4, 4294967295u}));
}

TEST(PosSourcesTest, DeletedSourcesAndRights) {
  const std::vector<EPOS_Setting> sources{Source(1, "Till 1"), Source(2, "Till 2", "Removed"), Source(3, "Till 3")};
  const auto texts = [&](const CUserAccount* user) {
    Lines lines;
    for (const SelectorChoice& c : PosSourceChoices(sources, user, "All", "[Deleted]"))
      lines.push_back(c.text + "=" + std::to_string(c.value));
    return lines;
  };
  EXPECT_EQ(texts(nullptr), (Lines{"All=-1", "Shop-Till 1=1", "Shop-Till 2[Deleted]=2", "Shop-Till 3=3"}));
  // Any user but the chief with no rights at all sees only the deleted one.
  const CUserAccount nobody("guest");
  EXPECT_EQ(texts(&nobody), (Lines{"All=-1", "Shop-Till 2[Deleted]=2"}));
  CUserAccount clerk("clerk");
  clerk.SetSourceRights(1, 2);  // listed without bit 0; 3 unlisted: all rights
  EXPECT_EQ(texts(&clerk), (Lines{"All=-1", "Shop-Till 2[Deleted]=2", "Shop-Till 3=3"}));
  CUserAccount chief("chief");
  chief.SetSourceRights(1, 4);
  EXPECT_EQ(chief.RightsOfSource(1), 7u);
  EXPECT_EQ(chief.RightsOfSource(9), 65535u);
  EXPECT_EQ(texts(&chief).size(), 4u);
}

template <class Page>
class PosPageTest : public LocalPageTest<Page> {
 protected:
  PosPageTest() {
    this->context.posSettings = {Source(1, "Till 1"), Source(2, "Till 2")};
    // (minute after 10:00, source, type, description, cameras)
    const std::string sql =
        "CREATE TABLE PosEventLog (Id INTEGER PRIMARY KEY, LogTime INTEGER, PosId INTEGER, EventRuleId INTEGER, "
        "EventRuleName TEXT, Description TEXT, CameraId TEXT);"
        "CREATE TABLE R(m, p, t, d, c); INSERT INTO R VALUES (0, 1, 300, 'sale 17', '1:0'), (1, 2, 302, 'drawer', "
        "'1:1, 1:2'), (2, 7, 314, 'rule', ''), (3, 1, 301, 'total 9.50', '1:0');"
        "INSERT INTO PosEventLog (LogTime, PosId, EventRuleId, EventRuleName, Description, CameraId) "
        "SELECT 20240131100000 + m * 100, p, t, 'x', d, c FROM R;";
    store_test::WriteDatabase(this->m_folder.Write("db/EventLog/EventLog_20240131.db", ""), sql);
  }
};

using VantorPosPageTest = PosPageTest<CVantorPosLogPage>;
using NVRPosPageTest = PosPageTest<CNVRPosLogPage>;

TEST_F(VantorPosPageTest, LocalSearchFiltersSortsAndMarksRows) {
  CUserAccount clerk("clerk");
  clerk.SetSourceRights(2, 0);
  context.settings.userAccount = &clerk;
  Create();
  CComboBoxModel& types = *Controls().typeSelector;
  ASSERT_EQ(types.GetCount(), 15);
  EXPECT_EQ(types.GetLBText(0), "All");
  EXPECT_EQ(types.GetLBText(1), "Connection Lost");  // alphabetical below "All"
  EXPECT_EQ(types.GetLBText(14), "User Defined Event Rule 10");
  EXPECT_EQ(Controls().secondSelector->GetCount(), 2);  // "All" and Till 1: Till 2 is not the clerk's

  page.SetLogDateTime(At(10), At(10, 2));
  page.HostLink().cameras.set(0);
  Controls().dayPicker->UserSetCheck(true);
  EXPECT_EQ(Search(), (Lines{"2024/01/31 10:00:00|Transaction Start|Till 1|1|sale 17#0",
                             "2024/01/31 10:02:00|User Defined Event Rule 10|Unknown||rule#2",
                             "2024/01/31 10:03:00|Transaction End|Till 1|1|total 9.50#2"}));  // after the window
  types.UserSelect(types.FindStringExact(-1, "Transaction End"));
  EXPECT_EQ(Search().size(), 1u);
  types.UserSelect(0);
  Search();
  Controls().list->ClickHeader(2);  // by source name: "Till 1" before "Unknown"
  Controls().list->ClickHeader(2);
  EXPECT_EQ(Controls().list->GetItemText(0, 4), "rule");
}

TEST_F(VantorPosPageTest, OpeningARowAsksTheHostToPlay) {
  Create();
  EXPECT_EQ(Search()[0].back(), '2');  // outside the host's (empty) window
  page.SetLogDateTimeAndSearch(At(10), At(10, 1), VxBitset<128>().set(0).set(1));
  ASSERT_EQ(page.RowCount(), 2u);
  EXPECT_EQ(page.GetItemImage(1), PosLogRaw::kPlayable);  // the drawer on cameras 2 and 3
  page.OpenRow(0);  // not drawn yet, so not known to be playable: nothing
  page.GetItemImage(0);
  page.OpenRow(0);  // shown: the host seeks
  ASSERT_EQ(host.Numbers(), (Numbers{platform::kMsgSeekPlayback}));
  EXPECT_EQ(*reinterpret_cast<const CDateTime*>(host.messages[0].wParam), At(10));

  // The host moved on: the pages move to the listed rows and a minute either
  // side (or to the picked day), with the row's cameras, and the host plays.
  page.HostLink().start = page.HostLink().end = At(23);
  Controls().startPicker->UserSetCheck(false);
  Controls().endPicker->UserSetCheck(false);
  host.messages.clear();
  page.OpenRow(1);
  ASSERT_EQ(context.searches.size(), 1u);
  EXPECT_EQ(context.searches[0].start, At(9, 59));
  EXPECT_EQ(context.searches[0].end, At(10, 2));
  EXPECT_EQ(context.searches[0].cameras, VxBitset<128>().set(1).set(2));
  ASSERT_EQ(host.Numbers(), (Numbers{platform::kMsgStartPlayback}));
  EXPECT_EQ(reinterpret_cast<const PlaybackRequest*>(host.messages[0].wParam)->selectedTime, At(10, 1));
  Controls().dayPicker->UserSetCheck(true);
  page.OpenRow(1);
  ASSERT_EQ(context.searches.size(), 2u);
  EXPECT_EQ(context.searches[1].end - context.searches[1].start, CDateTime::kTicksPerDay);
  EXPECT_EQ(host.Numbers().size(), 2u);  // a second request

  context.settings.modeless = 0;  // the modal viewer plays the first camera
  host.messages.clear();
  page.OpenRow(1);
  ASSERT_EQ(host.Numbers(), (Numbers{platform::kMsgPlayModal}));
  EXPECT_EQ(host.messages[0].wParam, platform::WPARAM{1});
}

TEST_F(NVRPosPageTest, RemoteSearchAndTypes) {
  context.settings.remoteCameraList = 1;
  context.server.posEvents = {{At(10), 2, 304, "", "lost", "1:5 1:6"}, {At(11), 1, 300, "", "sale", "1:0"}};
  Create();
  EXPECT_EQ(Controls().typeSelector->GetCount(), 12);  // up to rule 07
  page.HostLink().noTimeWindow = true;
  page.HostLink().cameras.set(6);
  Controls().secondSelector->UserSelect(2);
  EXPECT_EQ(Search(), (Lines{"2024/01/31|10:00:00|Connection Lost|Till 2|lost#0",
                             "2024/01/31|11:00:00|Transaction Start|Till 1|sale#2"}));
  EXPECT_EQ(context.server.posId, 2u);
  EXPECT_FALSE(context.server.eventNumber.has_value());
  context.server.result = -2;
  EXPECT_EQ(Search(), Lines{});
  EXPECT_TRUE(context.dialog.received.empty() && host.Numbers().empty());
}

}  // namespace
