#include "pages/event/event_types.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<int32_t> Values(const std::vector<EventTypeChoice>& choices) {
  std::vector<int32_t> values;
  for (const auto& c : choices) values.push_back(c.value);
  return values;
}

TEST(EventTypes, LocalChoices) {
  const EdgeEventNames edge = {{30002, "Edge Perimeter"}, {30001, "Edge Tripwire"}};
  const auto choices = LocalEventTypeChoices(EventLogStatus{}, edge);
  EXPECT_EQ(Values(choices), (std::vector<int32_t>{-1, 0, 1, 2, 3, 4, 50, 100, 101, 102, 103, 200, 9, 112, 113,
                                                   40001, 30001, 30002}));
  EXPECT_EQ(choices.front(), (EventTypeChoice{"All", -1}));
  EXPECT_EQ(choices[1].text, "General Motion");
  EXPECT_EQ(choices[15].text, "Compound Event");
  EXPECT_EQ(choices.back().text, "Edge Perimeter");

  EventLogStatus off;
  off.generalMotion = 0;
  off.edgeEvent = 0;
  off.compoundEvent = 0;
  off.cameraMotion = 0;
  const auto fewer = Values(LocalEventTypeChoices(off, edge));
  for (int32_t gone : {0, 9, 40001, 30001, 30002})
    EXPECT_EQ(std::count(fewer.begin(), fewer.end(), gone), 0) << gone;
  EXPECT_EQ(fewer.size(), 13u);
}

TEST(EventTypes, RemoteChoices) {
  EXPECT_EQ(Values(RemoteEventTypeChoices(EventLogStatus{})), (std::vector<int32_t>{-1, 400, 50, 200, 600}));
  EventLogStatus off;
  off.recurrent = 0;
  off.signalLost = 0;
  off.generalMotion = 0;  // gates nothing on the remote page
  const auto choices = RemoteEventTypeChoices(off);
  EXPECT_EQ(Values(choices), (std::vector<int32_t>{-1, 400, 200}));
  EXPECT_EQ(choices[1].text, "Camera Motion");
}

TEST(EventTypes, CameraSelectorFollowsType) {
  for (int32_t v : {-1, 0, 4, 9, 50, 400, 30000, 40000}) EXPECT_TRUE(TypeTakesCamera(v)) << v;
  for (int32_t v : {51, 100, 113, 200, 600, 29999, 40001}) EXPECT_FALSE(TypeTakesCamera(v)) << v;
}

}  // namespace
