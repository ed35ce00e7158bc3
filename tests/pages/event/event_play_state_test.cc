#include "pages/event/event_play_state.h"

#include <gtest/gtest.h>

#include "fake_host.h"

namespace {

CDateTime At(int hour, int minute = 0) { return CDateTime::FromFields(2024, 1, 31, hour, minute); }

class EventPlayStateTest : public ::testing::Test {
 protected:
  EventPlayStateTest() {
    link.window = &host;
    link.start = At(8);
    link.end = At(9);
    link.cameras.set(2);
    row.cameraIndex = 2;
    row.SetTime(At(8, 30));
  }
  int32_t Remote() { return RemoteSearchPlayState(row, link); }
  int32_t Local(bool modeless, bool remotePage = false) {
    return LocalSearchPlayState(row, link, modeless, remotePage);
  }
  size_t Asked() { return host.Messages().size(); }

  FakeHost host;
  CHostLink link;
  EventListItem row;
};

TEST_F(EventPlayStateTest, RemoteSearchRows) {
  EXPECT_EQ(Remote(), EventListItem::kPlayable);
  ASSERT_EQ(Asked(), 1u);
  EXPECT_EQ(host.messages[0].wParam, 2u);
  EXPECT_EQ(*reinterpret_cast<const CDateTime*>(host.messages[0].lParam), At(8, 30));
  link.cameras.reset(2);
  EXPECT_EQ(Remote(), EventListItem::kNotPlayable);
  row.SetTime(At(10));  // outside the window: the host is not asked
  EXPECT_EQ(Remote(), EventListItem::kNotPlayable);
  EXPECT_EQ(Asked(), 2u);
  link.noTimeWindow = true;
  link.cameras.set(2);
  EXPECT_EQ(Remote(), EventListItem::kPlayable);
  row.cameraIndex = EventListItem::kNoCamera;
  EXPECT_EQ(Remote(), EventListItem::kNotPlayable);
  EXPECT_EQ(Asked(), 3u);
}

TEST_F(EventPlayStateTest, LocalSearchRows) {
  EXPECT_EQ(Local(true), EventListItem::kPlayable);
  host.canPlay = false;
  EXPECT_EQ(Local(true), EventListItem::kNotPlayable);
  host.canPlay = true;
  row.SetTime(At(10));
  EXPECT_EQ(Local(true), EventListItem::kNotPlayable);
  EXPECT_EQ(Local(false), EventListItem::kPlayable);  // the modal viewer has no window
  EXPECT_EQ(Asked(), 4u);
  EXPECT_EQ(Local(false, true), EventListItem::kNotPlayable);  // the remote page asks inside only
  EXPECT_EQ(Asked(), 4u);
  row.cameraIndex = EventListItem::kNoCamera;
  EXPECT_EQ(Local(false), EventListItem::kNotPlayable);
  EXPECT_EQ(host.messages.back().wParam, EventListItem::kNoCamera);
  // A camera beyond the set's 128 places is listed but never in the set.
  row.SetTime(At(8, 30));
  row.cameraIndex = 150;
  link.cameras.set();
  EXPECT_EQ(Local(true), EventListItem::kNotPlayable);
  EXPECT_FALSE(CameraSetHolds(link.cameras, 128));
  EXPECT_TRUE(CameraSetHolds(link.cameras, 127));
  link.window = nullptr;  // no host: nothing can be played
  EXPECT_EQ(Local(false), EventListItem::kNotPlayable);
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
