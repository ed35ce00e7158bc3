#include <gtest/gtest.h>

#include <cstring>

#include "vocabulary/event_catalogue.h"
#include "vocabulary/log_status.h"
#include "vocabulary/recording_layout.h"
#include "vocabulary/string_table.h"
#include "vocabulary/user_account.h"

namespace {

TEST(EventCatalogueTest, CatalogueWinsOverEdgeNames) {
  const EventCatalogue local = LocalEventCatalogue();
  // Catalogue first, then the edge names; the catalogue wins a shared number.
  const EdgeEventNames edge = {{30001, "Edge Tripwire"}, {50, "Edge Loss"}};
  EXPECT_EQ(EventText(local, 7, edge), "General Motion");
  EXPECT_EQ(EventText(local, 40077, edge), "Compound Event");
  EXPECT_EQ(EventText(local, 50, edge), "Signal Lost");
  EXPECT_EQ(EventText(local, 30001, edge), "Edge Tripwire");
  EXPECT_EQ(EventText(local, 30002, edge), "");
  EXPECT_EQ(EventText(local, 999, {}), "");
  EXPECT_EQ(EventText(RemoteEventCatalogue(), 50, edge), "Connection Lost");
}

TEST(LogStatusTest, SwitchesInEffect) {
  // All switches off count only in remote mode; ungated numbers always pass.
  const int32_t zeros[17] = {};
  EventLogStatus none;
  std::memcpy(&none, zeros, sizeof none);
  EXPECT_TRUE(EventTypeOn(EventSwitchesInEffect(none, false), 6));
  EXPECT_FALSE(EventTypeOn(EventSwitchesInEffect(none, true), 6));
  EXPECT_TRUE(EventTypeOn(none, 10005));
  SystemLogStatus system;
  system.wardix = 0;
  EXPECT_FALSE(SystemTypeOn(SystemSwitchesInEffect(system, true), 13));
  EXPECT_TRUE(SystemTypeOn(SystemSwitchesInEffect(system, false), 13));

  // Hosts pass the switches as consecutive 32-bit integers in field order.
  const int32_t words[17] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 0};
  std::memcpy(&none, words, sizeof none);
  EXPECT_EQ(none.compoundEvent, 7);
}

TEST(StringTableTest, TextsThatAreEasyToGetWrong) {
  EXPECT_STREQ(LoadStringText(79), "Exceed the playback maximun channels.");
  EXPECT_STREQ(LoadStringText(103),
               "Maximum log period you can search is %d days, . End date time is revised to %s.");
  EXPECT_STREQ(LoadStringText(109), "Post Processsing Tool");
  EXPECT_STREQ(LoadStringText(97),
               "Log viewer database is now occupied by wardix / counting application. It is "
               "recommended to shut down your wardix / counting application for accurate search "
               "results.");
  EXPECT_STREQ(LoadStringText(129), "Cnt Line - Dir A");
  EXPECT_STREQ(LoadStringText(202), "Combined Counting");
  EXPECT_STREQ(LoadStringText(5035), "Auto Backup");
  EXPECT_STREQ(LoadStringText(0), "");
  EXPECT_STREQ(LoadStringText(203), "");
  for (int n = kFirstStringNumber; n <= kLastStringNumber; ++n)
    EXPECT_NE(LoadStringText(n)[0], '\0') << n;
}

TEST(UserAccountTest, CameraRights) {
  EXPECT_EQ(CUserAccount("chief", {{3, 0}}).RightsOfCamera(3), 65535u);
  EXPECT_EQ(CUserAccount("alice").RightsOfCamera(1), 0u);
  const CUserAccount listed("alice", {{3, 0}, {4, 6}});
  EXPECT_EQ(listed.RightsOfCamera(3), 0u);
  EXPECT_EQ(listed.RightsOfCamera(4), 6u);
  EXPECT_EQ(listed.RightsOfCamera(5), 65535u);
  EXPECT_EQ(CUserAccount("Chief").RightsOfCamera(1), 0u);  // the name compares exactly
}

TEST(RecordingLayoutTest, PathsRoundTripAndStrayNamesAreIgnored) {
  const recording::RecordingFile file{11, CDateTime::FromFields(2026, 12, 5, 14)};
  EXPECT_EQ(recording::RelativePath(file), "20261205/Cam12/Video/140000.264");
  recording::RecordingFile read;
  ASSERT_TRUE(recording::ParseRelativePath("20261205/Cam12/Video/140000.264", &read));
  EXPECT_EQ(read.cameraIndex, 11u);
  EXPECT_EQ(read.start, file.start);
  ASSERT_TRUE(recording::ParseRelativePath("20261205/Cam128/Video/235959.264", &read));
  EXPECT_EQ(read.cameraIndex, 127u);
  for (const char* stray : {"20261205/Cam1/Video/140000.264", "20261205/Cam00/Video/140000.264",
                            "20261205/Cam12/Video/140000.265", "20261205/Cam12/Video/240000.264",
                            "20260230/Cam12/Video/140000.264", "20261205/Cam12/Audio/140000.264",
                            "20261205/Cam12/Video/140000.264x", "2026120/Cam12/Video/140000.264", ""})
    EXPECT_FALSE(recording::ParseRelativePath(stray, &read)) << stray;
}

}  // namespace
