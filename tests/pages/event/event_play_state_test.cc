#include "pages/event/event_play_state.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CDateTime At(int hour, int minute = 0) { return CDateTime::FromFields(2024, 1, 31, hour, minute); }

class EventPlayStateTest : public ::testing::Test {
 protected:
  EventPlayStateTest() {
    host.start = At(8);
    host.end = At(9);
    host.cameras.set(2);
    row.cameraIndex = 2;
    row.SetTime(At(8, 30));
  }
  int32_t Remote() { return RemoteSearchPlayState(row, host, Ask()); }
  int32_t Local(bool modeless, bool remotePage = false) {
    return LocalSearchPlayState(row, host, modeless, remotePage, Ask());
  }
  CanPlay Ask() {
    return [this](uint32_t camera, const CDateTime& time) {
      asked.push_back(camera);
      EXPECT_EQ(time, row.time);
      return hostCanPlay;
    };
  }

  HostView host;
  EventListItem row;
  bool hostCanPlay = true;
  std::vector<uint32_t> asked;
};

TEST_F(EventPlayStateTest, RemoteSearchRows) {
  EXPECT_EQ(Remote(), EventListItem::kPlayable);
  host.cameras.reset(2);
  EXPECT_EQ(Remote(), EventListItem::kNotPlayable);
  EXPECT_EQ(asked.size(), 2u);
  row.SetTime(At(10));  // outside the window: the host is not asked
  EXPECT_EQ(Remote(), EventListItem::kNotPlayable);
  EXPECT_EQ(asked.size(), 2u);
  host.noTimeWindow = true;
  host.cameras.set(2);
  EXPECT_EQ(Remote(), EventListItem::kPlayable);
  row.cameraIndex = EventListItem::kNoCamera;
  EXPECT_EQ(Remote(), EventListItem::kNotPlayable);
  EXPECT_EQ(asked.size(), 3u);
}

TEST_F(EventPlayStateTest, LocalSearchRows) {
  EXPECT_EQ(Local(true), EventListItem::kPlayable);
  hostCanPlay = false;
  EXPECT_EQ(Local(true), EventListItem::kNotPlayable);
  hostCanPlay = true;
  row.SetTime(At(10));
  EXPECT_EQ(Local(true), EventListItem::kNotPlayable);
  EXPECT_EQ(Local(false), EventListItem::kPlayable);  // the modal viewer has no window
  EXPECT_EQ(asked.size(), 4u);
  EXPECT_EQ(Local(false, true), EventListItem::kNotPlayable);  // the remote page asks inside only
  EXPECT_EQ(asked.size(), 4u);
  row.cameraIndex = EventListItem::kNoCamera;
  EXPECT_EQ(Local(false), EventListItem::kNotPlayable);
  EXPECT_EQ(asked.back(), EventListItem::kNoCamera);
  // A camera beyond the set's 128 places is listed but never in the set.
  row.SetTime(At(8, 30));
  row.cameraIndex = 150;
  host.cameras.set();
  EXPECT_EQ(Local(true), EventListItem::kNotPlayable);
  EXPECT_FALSE(CameraSetHolds(host.cameras, 128));
  EXPECT_TRUE(CameraSetHolds(host.cameras, 127));
}

TEST(ReadOpenedRow, ReadsWhatTheListShows) {
  const auto opened = ReadOpenedRow("05", "2024/01/31 08:30:00");
  ASSERT_TRUE(opened);
  EXPECT_EQ(opened->cameraNumber, 5);
  EXPECT_EQ(opened->time, At(8, 30));
  EXPECT_FALSE(ReadOpenedRow("[Deleted]", "2024/01/31 08:30:00"));
  EXPECT_FALSE(ReadOpenedRow("", "2024/01/31 08:30:00"));
  EXPECT_FALSE(ReadOpenedRow("3", "08:30:00"));
}

}  // namespace
