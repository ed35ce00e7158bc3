// The text blocks of the log answers: the lines each writer puts, in their
// order, and what the readers make of blocks that lack or bend a field.
#include <gtest/gtest.h>

#include "protocol/log_record_wire.h"

namespace {

const CDateTime kNoon = CDateTime::FromFields(2024, 3, 5, 12, 30, 15);

TEST(LogRecordWireTest, BlocksAreWrittenLineByLineAndReadBack) {
  EventLogBasket event;
  event.LogTime = kNoon;
  event.EventNumber = -2;
  event.ChannelIndex = 3;
  event.CameraId = 4000000000u;
  event.Description = "door\r\nopen";
  std::string out;
  vxpp::PutEventBlock(&out, event);
  EXPECT_EQ(out, "EventLog-LogTime: 2024/03/05;12:30:15\r\nEventLog-EventNumber: -2\r\nEventLog-ChannelIndex: 3\r\n"
                 "EventLog-CameraId: 4000000000\r\nEventLog-Description: door\r\n\r\n");
  EXPECT_EQ(vxpp::ReadEventBlock(out).CameraId, 4000000000u);

  CounterLog counts;
  counts.LogTime = CDateTime::Null();
  counts.ChannelIndex = 1;
  counts.CameraId = 9;
  counts.CountIn = 5;
  counts.CountOut = -6;
  out.clear();
  vxpp::PutCountingBlock(&out, counts);
  EXPECT_EQ(out, "CountingLog-LogTime: null\r\nCountingLog-ChannelIndex: 1\r\nCountingLog-CameraId: 9\r\n"
                 "CountingLog-Count_in: 5\r\nCountingLog-Count_out: -6\r\n\r\n");

  IVSCounterLog ivs;
  ivs.LogTime = kNoon;
  ivs.IVSDeviceId = 1;
  ivs.DeviceId = 2;
  ivs.CounterId = 3;
  ivs.CounterName = "Gate";
  ivs.CounterType = 1;
  ivs.CounterResult = -4;
  ivs.Reset = 1;
  out.clear();
  vxpp::PutIvsCountingBlock(&out, ivs);
  EXPECT_EQ(out, "IVSCountingLog-LogTime: 2024/03/05;12:30:15\r\nIVSCountingLog-IVSDeviceID: 1\r\n"
                 "IVSCountingLog-DeviceID: 2\r\nIVSCountingLog-CounterID: 3\r\nIVSCountingLog-CounterType: 1\r\n"
                 "IVSCountingLog-CounterResult: -4\r\nIVSCountingLog-Reset: 1\r\n"
                 "IVSCountingLog-CounterName: Gate\r\n\r\n");

  CombinedCounterLog combined;
  combined.LogTime = kNoon;
  combined.CounterID = 7;
  combined.CounterResult = -8;
  out.clear();
  vxpp::PutCombinedCountingBlock(&out, combined);
  EXPECT_EQ(out, "LogTime: 2024/03/05;12:30:15\r\nCounterID: 7\r\nCounterResult: -8\r\n\r\n");

  EdgeRecordLogBasket edge;
  edge.LogTime = kNoon;
  edge.LogType = 2;
  edge.CameraId = 12;
  out.clear();
  vxpp::PutEdgeRecordBlock(&out, edge);
  EXPECT_EQ(out, "EventLog-LogTime: 2024/03/05;12:30:15\r\nEventLog-EventNumber: 2\r\nEventLog-CameraId: 12\r\n\r\n");
}

TEST(LogRecordWireTest, MissingOrOddFieldsKeepAFreshRecord) {
  const EventLogView event = vxpp::ReadEventBlock("Other: 1\r\nEventLog-EventNumber: x\r\n\r\n");
  EXPECT_EQ(event.LogTime.GetStatus(), CDateTime::kNull);
  EXPECT_EQ(event.EventNumber, 0);
  EXPECT_EQ(event.CameraId, 0u);
  EXPECT_TRUE(event.Description.empty());
  // A combined counter without its id is no counter at all.
  EXPECT_EQ(vxpp::ReadCombinedCountingBlock("LogTime: null\r\n\r\n").CounterID, CombinedCounterLog::kNoCounter);
  // Signed fields are read as "%u" reads them, a combined result as "%d".
  EXPECT_EQ(vxpp::ReadCountingBlock("CountingLog-Count_in: -99999999999999999999\r\n\r\n").CountIn, -1);
  EXPECT_EQ(vxpp::ReadCombinedCountingBlock("CounterResult: -99999999999999999999\r\n\r\n").CounterResult, 0);
  EXPECT_EQ(vxpp::ReadCombinedCountingBlock("CounterResult: -3\r\n\r\n").CounterResult, -3);
  // An edge record's description is the text of its camera line.
  const EdgeRecordLogBasket edge = vxpp::ReadEdgeRecordBlock("EventLog-CameraId: 12 (lobby)\r\n\r\n");
  EXPECT_EQ(edge.CameraId, 12u);
  EXPECT_EQ(edge.Description, "12 (lobby)");
  EXPECT_TRUE(vxpp::ReadEdgeRecordBlock("EventLog-LogTime: null\r\n\r\n").Description.empty());
}

TEST(LogRecordWireTest, EventBlocksReadLineByLineAgreeWithTheNameSearch) {
  const std::string head = "EventLog-LogTime: 2024/03/05;12:30:15\r\nEventLog-EventNumber: 7\r\n";
  const std::string tail = "EventLog-ChannelIndex: 3\r\nEventLog-CameraId: 4000000000\r\n";
  for (const std::string& block : {
           head + tail + "EventLog-Description: door\r\n\r\n",
           head + tail + "EventLog-Description:  \t EventLog-CameraId: 9\nrest\r\n\r\n",
           head + tail + "EventLog-Description:\r\n\r\n",
           "EventLog-LogTime: null\r\nEventLog-EventNumber: -2\r\n" + tail + "EventLog-Description: x\r\n\r\n",
           "EventLog-LogTime: 2024/3/5;12:30:15\r\nEventLog-EventNumber:  99999999999999999999\r\n" + tail +
               "EventLog-Description: x\r\n\r\n",
           tail + head + "EventLog-Description: x\r\n\r\n",
           "EventLog-LogTime: 2024/0:/05;12:30:15\r\nEventLog-EventNumber: 7\r\n" + tail + "EventLog-Description: x\r\n\r\n",
           head + "EventLog-ChannelIndex: 3\nEventLog-CameraId: 5\r\n\r\n",
           head + "EventLog-ChannelIndex: -1\r\nEventLog-CameraId: -1234567890123456789\r\nEventLog-Description: x\r\n\r\n",
           head + "EventLog-ChannelIndex: -\r\nEventLog-CameraId: 12345678901234567890\r\nEventLog-Description: x\r\n\r\n",
       }) {
    EXPECT_EQ(vxpp::ReadEventBlock(block), vxpp::SearchEventBlock(block)) << block;
  }
  const std::string block = head + tail + "EventLog-Description: door\r\n\r\n";
  const EventLogView event = vxpp::ReadEventBlock(block);  // its description views the block
  EXPECT_EQ(event.LogTime, kNoon);
  EXPECT_EQ(event.EventNumber, 7);
  EXPECT_EQ(event.CameraId, 4000000000u);
  EXPECT_EQ(event.Description, "door");
  // The system's own records carry channel -1 and camera -2, read as "%u" reads them.
  const std::string systemBlock = head + "EventLog-ChannelIndex: -1\r\nEventLog-CameraId: -2\r\nEventLog-Description: x\r\n\r\n";
  const EventLogView system = vxpp::ReadEventBlock(systemBlock);
  EXPECT_EQ(system.ChannelIndex, -1);
  EXPECT_EQ(system.CameraId, 4294967294u);
}

}  // namespace
