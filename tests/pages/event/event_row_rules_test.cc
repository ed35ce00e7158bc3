#include "pages/event/event_row_rules.h"

#include <gtest/gtest.h>

#include "shell/event_ranges.h"
#include "shell/user_account.h"

namespace {

// Cameras 11, 12, 13 at positions 0-2.
const std::vector<uint32_t> kCameraIds = {11, 12, 13};
const EdgeEventNames kEdgeEvents = {{30001, "Edge Tripwire"}};

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
  EventRowRulesTest() {
    settings.edgeEvents = &kEdgeEvents;
    settings.deletedCameraText = "[Deleted]";
  }
  // Whether the record is listed; the row it makes is kept in `row`.
  bool List(const EventLogBasket& record, const std::vector<uint32_t>& cameras = kCameraIds) {
    PageRows<EventListItem> rows;
    if (!EventRowRules(settings, cameras).List(record, blocks, rows)) return false;
    row = *rows.back();
    return true;
  }
  // The camera column of a listed record, "dropped" otherwise.
  std::string Camera(const EventLogBasket& record) { return List(record) ? std::string(row.cameraText) : "dropped"; }

  EventRowSettings settings;
  PageRowBlocks<EventListItem> blocks;
  EventListItem row;
};

TEST_F(EventRowRulesTest, ListsOnlyKnownKinds) {
  for (int n : {0, 5, 8, 9, 50, 100, 104, 113, 200, 201, 40001, 40128}) EXPECT_TRUE(List(Record(n, 11))) << n;
  for (int n : {-1, 10, 49, 51, 99, 114, 300, 10005, 40129, 400, 600}) EXPECT_FALSE(List(Record(n, 11))) << n;
  settings.source = EventSearchSource::kRemote;
  EXPECT_TRUE(List(Record(600, 11)));  // a remote server's recurrent events
  EXPECT_FALSE(List(Record(400, 11)));
  settings.nvrMode = true;
  EXPECT_TRUE(List(Record(400, 11)));
  settings.source = EventSearchSource::kLocal;
  EXPECT_TRUE(List(Record(600, 11)));
}

TEST_F(EventRowRulesTest, CameraColumn) {
  EXPECT_EQ(Camera(Record(0, 12)), "02");
  EXPECT_EQ(row.cameraIndex, 1u);
  EXPECT_EQ(Camera(Record(0, 99)), "[Deleted]");  // the camera left the list
  EXPECT_EQ(row.cameraIndex, EventListItem::kNoCamera);
  EXPECT_EQ(Camera(Record(50, 99)), "[Deleted]");
  EXPECT_EQ(Camera(Record(100, 11)), "");  // system events name no camera
  EXPECT_EQ(row.cameraIndex, EventListItem::kNoCamera);
  EXPECT_EQ(Camera(Record(113, 99)), "");
  EXPECT_EQ(Camera(Record(201, 99)), "");  // only kinds below 60 show a gone camera
  EXPECT_EQ(Camera(Record(40077, 99)), "");
  EXPECT_EQ(Camera(Record(40077, 13)), "03");
  EXPECT_EQ(Camera(Record(30001, 99)), "");
}

TEST_F(EventRowRulesTest, DigitalInputs) {
  EXPECT_EQ(Camera(Record(200, 13)), "03");
  EXPECT_EQ(Camera(Record(200, 99)), "");  // an input of no listed camera is not "[Deleted]"
  const std::vector<uint32_t> withNone = {kNoInputDevice, 11};
  EXPECT_TRUE(List(Record(200, kNoInputDevice), withNone));
  EXPECT_EQ(row.cameraText, "");  // -2 is "no device" even when some camera has that id
  EXPECT_EQ(row.cameraIndex, EventListItem::kNoCamera);
}

TEST_F(EventRowRulesTest, EdgeEventsOnlyWhenNamed) {
  EXPECT_EQ(Camera(Record(30001, 12)), "02");
  EXPECT_FALSE(List(Record(30002, 12)));
  settings.variant = EventPageVariant::kRemote;
  settings.edgeEvents = nullptr;  // the remote page names no edge event
  EXPECT_FALSE(List(Record(30001, 12)));
}

TEST_F(EventRowRulesTest, UserRights) {
  CUserAccount user("operator", {{11, 0x1}, {12, 0x2}});
  settings.user = &user;
  EXPECT_TRUE(List(Record(0, 11)));
  EXPECT_FALSE(List(Record(0, 12)));  // listed without the view bit
  EXPECT_TRUE(List(Record(0, 13)));   // not listed: all rights
  CUserAccount nobody("guest");
  settings.user = &nobody;
  EXPECT_FALSE(List(Record(0, 11)));  // an account listing no camera sees nothing
  CUserAccount chief("chief");
  settings.user = &chief;
  EXPECT_TRUE(List(Record(0, 11)));
  settings.user = &nobody;
  settings.source = EventSearchSource::kRemote;  // the server judged the user already
  EXPECT_TRUE(List(Record(0, 11)));
}

TEST_F(EventRowRulesTest, Switches) {
  settings.switches.generalMotion = 0;
  settings.switches.lostRecordDetection = 0;
  EXPECT_FALSE(List(Record(7, 11)));
  EXPECT_FALSE(List(Record(113, 11)));
  EXPECT_TRUE(List(Record(1, 11)));
  settings.genericCameraNames = true;  // a generic local list ignores the switches
  EXPECT_TRUE(List(Record(7, 11)));
  settings.source = EventSearchSource::kRemote;
  settings.recordsCarryCameraIds = false;  // but a remote search never does
  EXPECT_FALSE(List(Record(7, 11)));
  // The remote page has gates of its own.
  settings.variant = EventPageVariant::kRemote;
  EXPECT_TRUE(List(Record(7, 11)));
  EXPECT_TRUE(List(Record(113, 11)));
  settings.switches.recurrent = 0;
  EXPECT_FALSE(List(Record(113, 11)));
  EXPECT_FALSE(List(Record(600, 11)));
}

TEST_F(EventRowRulesTest, CamerasByChannel) {
  settings.genericCameraNames = true;
  EXPECT_EQ(Camera(Record(0, 99, 11)), "12");
  EXPECT_EQ(row.cameraIndex, 11u);
  EXPECT_EQ(Camera(Record(10005, 99, 0)), "1");  // no kind is checked
  EXPECT_EQ(Camera(Record(100, 99, -1)), "");
  EXPECT_EQ(row.cameraIndex, EventListItem::kNoCamera);
  settings.cameraPosition = 2;
  EXPECT_FALSE(List(Record(0, 99, 3)));
  EXPECT_EQ(Camera(Record(0, 99, 2)), "3");
  settings.source = EventSearchSource::kRemote;  // the server filtered by position already
  settings.recordsCarryCameraIds = false;
  EXPECT_EQ(Camera(Record(0, 99, 3)), "4");
  settings.recordsCarryCameraIds = true;
  EXPECT_EQ(Camera(Record(0, 99, 3)), "[Deleted]");
}

TEST_F(EventRowRulesTest, CamerasBeyondTheSet) {
  std::vector<uint32_t> many(200);
  for (uint32_t i = 0; i < many.size(); ++i) many[i] = 1000 + i;
  ASSERT_TRUE(List(Record(3, 1150), many));
  EXPECT_EQ(row.cameraText, "151");
  EXPECT_EQ(row.cameraIndex, 150u);
}

TEST_F(EventRowRulesTest, TimeTexts) {
  ASSERT_TRUE(List(Record(0, 11, 0, "Motion in zone 1")));
  EXPECT_EQ(row.MomentText(), "2024/01/31 23:59:58");
  EXPECT_EQ(row.DateText(), "2024/01/31");
  EXPECT_EQ(row.ClockText(), "23:59:58");
  EXPECT_EQ(row.description, "Motion in zone 1");
  EXPECT_EQ(row.playState, EventListItem::kPlayUnknown);
  row.SetTime(CDateTime::Invalid());
  EXPECT_EQ(row.DateText(), "-001/-1/-1");
  EXPECT_EQ(row.ClockText(), "-1:-1:-1");
  row.SetTime(CDateTime::Null());
  EXPECT_EQ(row.MomentText(), "");
  EXPECT_EQ(row.ClockText(), "");
}

}  // namespace
