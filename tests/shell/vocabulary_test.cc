#include <gtest/gtest.h>

#include <cstring>

#include "shell/event_catalogue.h"
#include "shell/event_ranges.h"
#include "shell/log_status.h"
#include "shell/string_table.h"
#include "shell/user_account.h"

namespace {

std::string LocalText(int number, const EdgeEventNames& edge = {}) {
  return EventText(LocalEventCatalogue(), number, edge);
}

TEST(EventCatalogueTest, LocalOrderAndTexts) {
  const EventCatalogue local = LocalEventCatalogue();
  ASSERT_EQ(local.size(), 146u);
  const int head[] = {0, 1, 2, 3, 4, 50, 100, 101, 102, 103, 200, 5, 6, 7, 8, 9, 112, 113};
  for (size_t i = 0; i < std::size(head); ++i) EXPECT_EQ(local[i].number, head[i]) << i;
  EXPECT_EQ(local[18].number, 40001);
  EXPECT_EQ(local[145].number, 40128);
  for (size_t i = 18; i < local.size(); ++i) {
    EXPECT_EQ(local[i].number, 40001 + static_cast<int>(i - 18));
    EXPECT_STREQ(local[i].text, "Compound Event");
  }
  EXPECT_STREQ(local[15].text, "Edge Motion (Any Zone)");
  EXPECT_STREQ(local[10].text, "Digital Input Triggered");

  const EventCatalogue remote = RemoteEventCatalogue();
  ASSERT_EQ(remote.size(), 4u);
  EXPECT_EQ(remote[0].number, 400);
  EXPECT_STREQ(remote[1].text, "Connection Lost");
  EXPECT_EQ(remote[3].number, 600);
  EXPECT_STREQ(remote[3].text, "Recurrent");
}

TEST(EventCatalogueTest, TextLookupOrder) {
  EXPECT_EQ(LocalText(7), "General Motion");
  EXPECT_EQ(LocalText(40077), "Compound Event");
  EXPECT_EQ(LocalText(113), "Lost Record Detection");
  EXPECT_EQ(LocalText(999), "");
  EXPECT_EQ(LocalText(-1), "");

  // The catalogue wins over an edge name under the same number; edge names
  // fill the rest.
  const EdgeEventNames edge = {{30001, "Edge Tripwire"}, {50, "Edge Loss"}};
  EXPECT_EQ(LocalText(30001, edge), "Edge Tripwire");
  EXPECT_EQ(LocalText(50, edge), "Signal Lost");
  EXPECT_EQ(LocalText(30002, edge), "");
  // The remote catalogue names 50 in its own words.
  EXPECT_EQ(EventText(RemoteEventCatalogue(), 50, edge), "Connection Lost");
  EXPECT_EQ(EventText(RemoteEventCatalogue(), 0, edge), "");
}

TEST(EventRangesTest, Boundaries) {
  EXPECT_TRUE(IsGeneralMotion(0) && IsGeneralMotion(8));
  EXPECT_FALSE(IsGeneralMotion(4) || IsGeneralMotion(9));
  EXPECT_FALSE(IsGeneralMotionVariant(0));
  EXPECT_TRUE(IsVideoAnalyticsEvent(9) && IsVideoAnalyticsEvent(1));
  EXPECT_FALSE(IsVideoAnalyticsEvent(5));
  EXPECT_TRUE(IsSystemEvent(113) && IsSystemEvent(112) && IsSystemEvent(100));
  EXPECT_FALSE(IsSystemEvent(104) || IsSystemEvent(111));
  EXPECT_TRUE(IsEdgeEvent(30000) && IsEdgeEvent(40000));
  EXPECT_FALSE(IsEdgeEvent(40001) || IsEdgeEvent(29999));
  EXPECT_TRUE(IsCompoundEvent(40001) && IsCompoundEvent(40128));
  EXPECT_FALSE(IsCompoundEvent(40129));
  EXPECT_TRUE(IsChannelIndexedEvent(10000) && IsChannelIndexedEvent(19999));
  EXPECT_FALSE(IsChannelIndexedEvent(20000));
  EXPECT_TRUE(IsRemoteOnlyEvent(400) && IsRemoteOnlyEvent(600));
}

TEST(LogStatusTest, EventGates) {
  EXPECT_EQ(EventSwitchFor(30000), &EventLogStatus::edgeEvent);
  EXPECT_EQ(EventSwitchFor(40000), &EventLogStatus::edgeEvent);
  EXPECT_EQ(EventSwitchFor(40001), &EventLogStatus::compoundEvent);
  EXPECT_EQ(EventSwitchFor(7), &EventLogStatus::generalMotion);
  EXPECT_EQ(EventSwitchFor(9), &EventLogStatus::cameraMotion);
  EXPECT_EQ(EventSwitchFor(400), &EventLogStatus::cameraMotion);
  EXPECT_EQ(EventSwitchFor(113), &EventLogStatus::lostRecordDetection);
  EXPECT_EQ(EventSwitchFor(112), &EventLogStatus::virtualSizeOverhead);
  EXPECT_EQ(EventSwitchFor(600), &EventLogStatus::recurrent);
  EXPECT_EQ(EventSwitchFor(10005), nullptr);
  EXPECT_EQ(EventSwitchFor(201), nullptr);

  EventLogStatus off;
  off.generalMotion = 0;
  off.compoundEvent = 0;
  EXPECT_FALSE(EventTypeOn(off, 6));
  EXPECT_FALSE(EventTypeOn(off, 40128));
  EXPECT_TRUE(EventTypeOn(off, 1));
  EXPECT_TRUE(EventTypeOn(off, 10005));  // outside every gate: always shown

  // The host's switches take effect only in remote mode.
  const int32_t zeros[17] = {};
  EventLogStatus none;
  std::memcpy(&none, zeros, sizeof none);
  EXPECT_TRUE(EventTypeOn(EventSwitchesInEffect(none, false), 0));
  EXPECT_FALSE(EventTypeOn(EventSwitchesInEffect(none, true), 0));
}

TEST(LogStatusTest, SystemGatesAndLayout) {
  EXPECT_EQ(SystemSwitchFor(12), &SystemLogStatus::wardix);
  EXPECT_EQ(SystemSwitchFor(14), &SystemLogStatus::wardix);
  EXPECT_EQ(SystemSwitchFor(43), &SystemLogStatus::metadata);
  EXPECT_EQ(SystemSwitchFor(27), &SystemLogStatus::eMap);
  EXPECT_EQ(SystemSwitchFor(45), &SystemLogStatus::videoAnalytics);
  EXPECT_EQ(SystemSwitchFor(15), nullptr);
  EXPECT_EQ(SystemSwitchFor(46), nullptr);

  SystemLogStatus status;
  status.wardix = 0;
  EXPECT_FALSE(SystemTypeOn(SystemSwitchesInEffect(status, true), 13));
  EXPECT_TRUE(SystemTypeOn(SystemSwitchesInEffect(status, false), 13));

  // Hosts pass the switches as consecutive 32-bit integers in field order.
  const int32_t words[17] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 0};
  EventLogStatus fromHost;
  std::memcpy(&fromHost, words, sizeof fromHost);
  EXPECT_EQ(fromHost.compoundEvent, 7);
  const int32_t sysWords[9] = {0, 0, 0, 0, 0, 0, 0, 0, 5};
  SystemLogStatus sysFromHost;
  std::memcpy(&sysFromHost, sysWords, sizeof sysFromHost);
  EXPECT_EQ(sysFromHost.videoAnalytics, 5);
}

TEST(StringTableTest, TextsThatAreEasyToGetWrong) {
  EXPECT_STREQ(LoadStringText(1), "Fail to open database");
  EXPECT_STREQ(LoadStringText(79), "Exceed the playback maximun channels.");
  EXPECT_STREQ(LoadStringText(103),
               "Maximum log period you can search is %d days, . End date time is revised to %s.");
  EXPECT_STREQ(LoadStringText(109), "Post Processsing Tool");
  EXPECT_STREQ(LoadStringText(97),
               "Log viewer database is now occupied by wardix / counting application. It is "
               "recommended to shut down your wardix / counting application for accurate search "
               "results.");
  EXPECT_STREQ(LoadStringText(101), "Sync. Microsoft Active Directory User");
  EXPECT_STREQ(LoadStringText(129), "Cnt Line - Dir A");
  EXPECT_STREQ(LoadStringText(178), "Start Adv Intelligent Video Surveillance");
  EXPECT_STREQ(LoadStringText(191), "Abandoned/Removed Object");
  EXPECT_STREQ(LoadStringText(202), "Combined Counting");
  EXPECT_STREQ(LoadStringText(5035), "Auto Backup");
  EXPECT_STREQ(LoadStringText(0), "");
  EXPECT_STREQ(LoadStringText(203), "");
  EXPECT_STREQ(LoadStringText(-5), "");
  for (int n = kFirstStringNumber; n <= kLastStringNumber; ++n)
    EXPECT_NE(LoadStringText(n)[0], '\0') << n;
}

TEST(UserAccountTest, CameraRights) {
  CUserAccount chief("chief", {{3, 0}});
  EXPECT_EQ(chief.RightsOfCamera(3), 65535u);
  EXPECT_EQ(chief.RightsOfCamera(9), 65535u);
  EXPECT_EQ(CUserAccount("chief").RightsOfCamera(1), 65535u);

  CUserAccount empty("alice");
  EXPECT_EQ(empty.RightsOfCamera(1), 0u);

  CUserAccount listed("alice", {{3, 0}, {4, 6}});
  EXPECT_EQ(listed.RightsOfCamera(3), 0u);
  EXPECT_EQ(listed.RightsOfCamera(4), 6u);
  EXPECT_EQ(listed.RightsOfCamera(5), 65535u);
  // The name is compared exactly.
  EXPECT_EQ(CUserAccount("Chief").RightsOfCamera(1), 0u);
}

}  // namespace
