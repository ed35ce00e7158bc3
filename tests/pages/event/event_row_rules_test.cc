#include "pages/event/event_row_rules.h"

#include <gtest/gtest.h>

#include "vocabulary/event_ranges.h"
#include "vocabulary/user_account.h"

namespace {

EventLogBasket Record(int eventNumber, uint32_t cameraId, int channelIndex = 0, std::string description = "d") {
  EventLogBasket r;
  r.LogTime = CDateTime::FromFields(2024, 1, 31, 23, 59, 58);
  r.EventNumber = eventNumber;
  r.CameraId = cameraId;
  r.ChannelIndex = channelIndex;
  r.Description = std::move(description);
  return r;
}

class EventRowRulesTest : public ::testing::Test {
 protected:
  // The camera column of the record's row, "dropped" when it is not listed.
  std::string Camera(const EventLogBasket& record, const std::vector<uint32_t>& cameras = {11, 12, 13}) {
    settings.deletedCameraText = "[Deleted]";
    if (!EventRowRules(settings, cameras).List(ViewOf(record), blocks, rows)) return "dropped";
    return std::string(rows.back()->cameraText);
  }
  bool Listed(int eventNumber) { return Camera(Record(eventNumber, 11)) != "dropped"; }

  EventRowSettings settings;
  PageRowBlocks<EventListItem> blocks;
  PageRows<EventListItem> rows;
};

TEST_F(EventRowRulesTest, KindsAndCameras) {
  for (int n : {0, 5, 8, 9, 50, 104, 113, 200, 201, 40001, 40128}) EXPECT_TRUE(Listed(n)) << n;
  for (int n : {-1, 10, 49, 51, 114, 10005, 30001, 40129, 400, 600}) EXPECT_FALSE(Listed(n)) << n;
  settings.nvrMode = true;
  EXPECT_TRUE(Listed(400) && Listed(600));
  EXPECT_EQ(Camera(Record(113, 11)), "");  // system events name no camera
  EXPECT_EQ(Camera(Record(201, 99)), "");  // only kinds below 60 show a gone camera
  EXPECT_EQ(Camera(Record(40077, 99)), "");
  EXPECT_EQ(Camera(Record(200, kNoInputDevice), {kNoInputDevice}), "");  // -2 is no device, whatever is listed
  // A camera beyond the set's 128 places is listed like any other.
  std::vector<uint32_t> many(200);
  for (uint32_t i = 0; i < many.size(); ++i) many[i] = 1000 + i;
  EXPECT_EQ(Camera(Record(3, 1150), many), "151");
  EXPECT_EQ(rows.back()->cameraIndex, 150u);
}

TEST_F(EventRowRulesTest, RemoteSearches) {
  settings.source = EventSearchSource::kRemote;
  EXPECT_TRUE(Listed(600));  // a remote server's recurrent events
  settings.recordsCarryCameraIds = false;  // binary records: cameras by channel
  settings.cameraPosition = 2;             // the server filtered already
  settings.switches.generalMotion = 0;     // but the switches hold, before anything else
  const CUserAccount nobody("guest");
  settings.user = &nobody;  // the server judged the user
  EXPECT_EQ(Camera(Record(1, 99, 3)), "4");
  EXPECT_EQ(Camera(Record(7, 99, 3)), "dropped");
  // The remote page gates by its own switches and names no edge event.
  settings.variant = EventPageVariant::kRemote;
  settings.recordsCarryCameraIds = true;
  EXPECT_EQ(Camera(Record(7, 99)), "[Deleted]");
  EXPECT_TRUE(Listed(113));
  settings.switches.recurrent = 0;
  EXPECT_FALSE(Listed(113));
}

TEST_F(EventRowRulesTest, TextsAreFormattedOnceAndKept) {
  const std::string longText(100000, 'x');  // longer than a block's text chunk
  ASSERT_NE(Camera(Record(0, 11, 0, longText)), "dropped");
  blocks = PageRowBlocks<EventListItem>();  // rows keep their block
  EXPECT_EQ(rows.back()->description, longText);
  // The list form, written digit by digit, is what the system's format gives.
  EventListItem row;
  for (int year : {1601, 999, 0, 9999, 10000, -5}) {
    const CDateTime time = CDateTime::FromFields(year, 12, 31, 23, 5, 9);
    row.SetTime(time);
    EXPECT_EQ(row.MomentText(), time.FormatListCell()) << year;
    EXPECT_EQ(std::string(row.DateText()) + " " + std::string(row.ClockText()), time.FormatListCell());
  }
  row.SetTime(CDateTime::Invalid());
  EXPECT_EQ(row.ClockText(), "-1:-1:-1");
  row.SetTime(CDateTime::Null());
  EXPECT_EQ(row.ClockText(), "");
}

}  // namespace
