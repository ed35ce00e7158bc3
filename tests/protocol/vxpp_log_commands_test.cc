// The log queries of the client against scripted servers: the requests
// byte for byte, the answer rules (status version, "Error:", counts, the
// text-format flag), records in both forms cut into random pieces, the POS
// version choice and the failures that must keep the records before them.
#include <gtest/gtest.h>

#include "protocol/log_record_wire.h"
#include "protocol/result_codes.h"
#include "protocol/scripted_socket_api.h"
#include "protocol/vxpp_client.h"

namespace {

using End = ScriptedSocketApi::End;

const std::string kUrl = "vxpp://server/";
const CDateTime kNoon = CDateTime::FromFields(2024, 3, 5, 12, 30, 15);

EventLogBasket Event(int number, const std::string& description) {
  EventLogBasket r;
  r.LogTime = kNoon;
  r.EventNumber = number;
  r.ChannelIndex = 3;
  r.CameraId = 7;
  r.Description = description;
  return r;
}

class LogCommandsTest : public ::testing::Test {
 protected:
  LogCommandsTest() { m_api.SetMaxPiece(7); }
  ~LogCommandsTest() override { EXPECT_EQ(m_api.OpenSockets(), 0u) << "a command left a socket open"; }

  ScriptedSocketApi::Peer& Answer(const std::string& head, const std::string& body = "", End end = End::kClose) {
    ScriptedSocketApi::Peer& peer = m_api.AddAnswer(head + "\r\n" + body);
    peer.end = end;
    return peer;
  }
  const std::string& Sent(size_t connection) { return m_api.PeerAt(connection).received; }
  int Events(EventLogRecords& records, int* text) {
    return m_client.EventLog(kUrl, 1, nullptr, nullptr, CDateTime::Null(), CDateTime::Null(), records, nullptr, text);
  }

  ScriptedSocketApi m_api{11};
  CVXPPClient m_client{&m_api};
};

TEST_F(LogCommandsTest, RequestsAreSentByteForByte) {
  for (int i = 0; i < 9; ++i) Answer("VXPP/1.0 200 OK\r\nLog-Count: 0\r\n");
  const int number = 2, rule = 5;
  const uint32_t camera = 7, channel = 1, device = 4, pos = 3, counter = 9;
  EventLogRecords events;
  std::vector<SystemLogRecord> system;
  std::vector<CounterLog> counts;
  std::vector<IVSCounterLog> ivsCounts;
  std::vector<CombinedCounterLog> combined;
  std::vector<PosEventLogBasket> pos2;
  std::vector<EdgeRecordLogBasket> edge;
  int text = 0;
  const CDateTime end = CDateTime::FromFields(2024, 3, 6, 8, 0, 5);
  m_client.EventLog(kUrl, 77, nullptr, nullptr, CDateTime::Null(), CDateTime::Null(), events, nullptr, &text);
  m_client.EventLog(kUrl, 77, &number, &camera, kNoon, end, events, &channel, &text);
  m_client.SystemLog(kUrl, 77, nullptr, kNoon, CDateTime::Null(), system);
  m_client.CountingLog(kUrl, 77, &camera, CDateTime::Null(), end, counts, nullptr, &text);
  m_client.IVSCountingLog(kUrl, 77, &device, kNoon, end, ivsCounts, &channel, &text);
  m_client.CombinedCountingLog(kUrl, 77, nullptr, kNoon, end, combined);
  m_client.PosEventLog2(kUrl, 77, &number, &pos, kNoon, end, pos2);
  m_client.IVSEventLog(kUrl, 77, nullptr, &rule, kNoon, end, events, &text);
  m_client.EdgeRecordLog(kUrl, 77, nullptr, &camera, kNoon, end, edge, &text);
  const std::string range = "Start-Date-Time: 2024/03/05;12:30:15\r\nEnd-Date-Time: 2024/03/06;08:00:05\r\n";
  EXPECT_EQ(Sent(0),
            "EVENTLOG vxpp://server/ VXPP/1.0\r\nCSeq: 0\r\nUser-Session-No: 77\r\nEvent-Number: -1\r\n"
            "Channel-Index: 4294967295\r\nCamera-ID: 4294967295\r\nStart-Date-Time: null\r\nEnd-Date-Time: null\r\n"
            "VXPP-Version: 2.0\r\n\r\n");
  EXPECT_EQ(Sent(1), "EVENTLOG vxpp://server/ VXPP/1.0\r\nCSeq: 1\r\nUser-Session-No: 77\r\nEvent-Number: 2\r\n"
                     "Channel-Index: 1\r\nCamera-ID: 7\r\n" + range + "VXPP-Version: 2.0\r\n\r\n");
  EXPECT_EQ(Sent(2), "SYSTEMLOG vxpp://server/ VXPP/1.0\r\nCSeq: 2\r\nUser-Session-No: 77\r\nSystem-Log-Number: -1\r\n"
                     "Start-Date-Time: 2024/03/05;12:30:15\r\nEnd-Date-Time: null\r\n\r\n");
  EXPECT_EQ(Sent(3), "COUNTINGLOG vxpp://server/ VXPP/1.0\r\nCSeq: 3\r\nUser-Session-No: 77\r\n"
                     "Channel-Index: 4294967295\r\nCamera-ID: 7\r\nStart-Date-Time: null\r\n"
                     "End-Date-Time: 2024/03/06;08:00:05\r\nVXPP-Version: 2.0\r\n\r\n");
  EXPECT_EQ(Sent(4), "IVSCOUNTINGLOG vxpp://server/ VXPP/1.0\r\nCSeq: 4\r\nUser-Session-No: 77\r\nChannel-Index: 1\r\n"
                     "IVSDevice-ID: 4\r\n" + range + "VXPP-Version: 2.0\r\n\r\n");
  EXPECT_EQ(Sent(5), "COMBINEDCOUNTINGLOG vxpp://server/ VXPP/2.0\r\nCSeq: 5\r\nUser-Session-No: 77\r\n"
                     "CounterID: 4294967295\r\n" + range + "VXPP-Version: 2.0\r\n\r\n");
  EXPECT_EQ(Sent(6), "POSEVENTLOG2 vxpp://server/ VXPP/1.0\r\nCSeq: 6\r\nUser-Session-No: 77\r\nEvent-Number: 2\r\n"
                     "POS-Index: 3\r\nPOS-ID: 3\r\n" + range + "VXPP-Version: 2.0\r\n\r\n");
  EXPECT_EQ(Sent(7), "IVSEVENTLOG vxpp://server/ VXPP/1.0\r\nCSeq: 7\r\nUser-Session-No: 77\r\n"
                     "IVSDevice-ID: 4294967295\r\nIVSRule-Type: 5\r\n" + range + "VXPP-Version: 2.0\r\n\r\n");
  EXPECT_EQ(Sent(8), "EDGERECORDLOG vxpp://server/ VXPP/2.0\r\nCSeq: 8\r\nUser-Session-No: 77\r\nEvent-Number: -1\r\n"
                     "Camera-ID: 7\r\n" + range + "VXPP-Version: 2.0\r\n\r\n");

  // Each answer is looked for under its own protocol text: EDGERECORDLOG's
  // under VXPP/1.0 although it asks with 2.0, COMBINEDCOUNTINGLOG's under 2.0.
  Answer("VXPP/2.0 200 OK\r\nLog-Count: 0\r\n");
  EXPECT_EQ(m_client.EdgeRecordLog(kUrl, 1, nullptr, nullptr, kNoon, kNoon, edge, &text), vxpp::kResultFailure);
  Answer("VXPP/1.0 200 OK\r\nLog-Count: 0\r\n");
  EXPECT_EQ(m_client.CombinedCountingLog(kUrl, 1, nullptr, kNoon, kNoon, combined), vxpp::kResultFailure);
  Answer("VXPP/2.0 200 OK\r\nLog-Count: 0\r\n");
  EXPECT_EQ(m_client.CombinedCountingLog(kUrl, 1, &counter, kNoon, kNoon, combined), vxpp::kResultSuccess);
  Answer("VXPP/1.0 404 Not Found\r\nLog-Count: 0\r\n");
  EXPECT_EQ(Events(events, &text), vxpp::kResultFailure);
}

TEST_F(LogCommandsTest, CountsErrorsAndTheTextFormatFlag) {
  std::string binary;
  vxpp::PutEventRecord(&binary, Event(4, "binary"), false);
  EventLogRecords records;
  int text = 0;

  // No count reads no records; a negative count or length fails.
  Answer("VXPP/1.0 200 OK\r\n", binary);
  EXPECT_EQ(Events(records, &text), vxpp::kResultSuccess);
  EXPECT_TRUE(records.empty());
  Answer("VXPP/1.0 200 OK\r\nLog-Count: -1\r\n");
  EXPECT_EQ(Events(records, &text), vxpp::kResultFailure);
  Answer("VXPP/1.0 200 OK\r\nLog-Count: 1\r\nContent-Length: -5\r\n", binary);
  EXPECT_EQ(Events(records, &text), vxpp::kResultFailure);
  EXPECT_TRUE(records.empty());
  // "Error:" with a word is the server's refusal; an empty one is none.
  Answer("VXPP/1.0 200 OK\r\nError: Busy now\r\nLog-Count: 1\r\n", binary);
  EXPECT_EQ(Events(records, &text), vxpp::kResultServerError);
  EXPECT_TRUE(records.empty());
  Answer("VXPP/1.0 200 OK\r\nError: \r\nLog-Count: 1\r\n", binary);
  text = 0;
  EXPECT_EQ(Events(records, &text), vxpp::kResultSuccess);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].Description, "binary");
  EXPECT_EQ(records[0].CameraId, 0u);  // binary event records carry none
  EXPECT_EQ(text, 0);

  // A version that is no number counts as 0.
  text = 0;
  Answer("VXPP/1.0 200 OK\r\nLog-Count: 1\r\nVXPP-Version: new\r\n", binary);
  EXPECT_EQ(Events(records, &text), vxpp::kResultSuccess);
  EXPECT_EQ(records.back().Description, "binary");

  // Without the header and with the flag 0, a kind without a binary form is not read.
  std::vector<EdgeRecordLogBasket> edge;
  Answer("VXPP/1.0 200 OK\r\nLog-Count: 3\r\n", "garbage");
  EXPECT_EQ(m_client.EdgeRecordLog(kUrl, 1, nullptr, nullptr, kNoon, kNoon, edge, &text), vxpp::kResultSuccess);
  EXPECT_TRUE(edge.empty());
  EXPECT_EQ(text, 0);
}

// Both forms of every log kind are compared with local searches in
// tests/tools; here binary records are cut anywhere, also across segments,
// and a description ends at its first NUL.
TEST_F(LogCommandsTest, BinaryRecordsArriveInAnyPieces) {
  std::string binary;
  std::vector<EventLogBasket> sent;
  for (int i = 0; i < 40; ++i) {
    sent.push_back(Event(10000 + i, std::string(static_cast<size_t>(i * 37 % 300), 'a' + i % 26)));
    if (i % 10 == 3) sent.back().Description[sent.back().Description.size() / 2] = '\0';
    sent.back().CameraId = static_cast<uint32_t>(i);
    vxpp::PutEventRecord(&binary, sent.back(), true);
  }
  for (size_t piece : {1, 13, 4096, 70000}) {
    m_api.SetMaxPiece(piece);
    EventLogRecords events;
    int text = 0;
    m_api.AddPeer()
        .Then("VXPP/1.0 200 OK\r\nLog-Count: 40\r\n\r\n" + binary.substr(0, 1000))
        .Then(binary.substr(1000), 10);
    ASSERT_EQ(m_client.IVSEventLog(kUrl, 1, nullptr, nullptr, kNoon, kNoon, events, &text), vxpp::kResultSuccess);
    ASSERT_EQ(events.size(), 40u) << piece;
    for (size_t i = 0; i < 40; ++i) {
      EXPECT_EQ(events[i].CameraId, sent[i].CameraId);
      EXPECT_EQ(events[i].Description, sent[i].Description.c_str());
    }
  }
}

TEST_F(LogCommandsTest, ShortOrBrokenRecordsFailKeepingTheOnesBefore) {
  SystemLogRecord record;
  record.LogTime = kNoon;
  record.EventString = "Login";
  std::string two;
  vxpp::PutSystemRecord(&two, record, record.EventString, 65001);
  vxpp::PutSystemRecord(&two, record, record.EventString, 65001);
  // Three announced, two and a part sent, then silence: the call fails
  // after the 5-second wait and keeps the two.
  std::vector<SystemLogRecord> system;
  Answer("VXPP/1.0 200 OK\r\nLog-Count: 3\r\n", two + std::string(100, 'x'), End::kStall);
  uint64_t before = m_api.ElapsedMs();
  EXPECT_EQ(m_client.SystemLog(kUrl, 1, nullptr, kNoon, kNoon, system), vxpp::kResultFailure);
  EXPECT_EQ(m_api.ElapsedMs() - before, 5000u);
  ASSERT_EQ(system.size(), 2u);
  EXPECT_EQ(system[1].EventString, "Login");
  EXPECT_EQ(system[1].Param3, -1);
  // The same with a binary event record whose description stops short, and
  // with one whose length is negative.
  std::string events;
  vxpp::PutEventRecord(&events, Event(1, "complete"), false);
  std::string partial;
  vxpp::PutEventRecord(&partial, Event(1, "never finished"), false);
  EventLogRecords records;
  int text = 0;
  Answer("VXPP/1.0 200 OK\r\nLog-Count: 2\r\n", events + partial.substr(0, partial.size() - 3), End::kStall);
  before = m_api.ElapsedMs();
  EXPECT_EQ(Events(records, &text), vxpp::kResultFailure);
  EXPECT_EQ(m_api.ElapsedMs() - before, 5000u);
  ASSERT_EQ(records.size(), 1u);
  std::string negative = events;
  negative.append(partial, 0, vxpp::kEventHeadBytes);
  negative.append("\xff\xff\xff\xff");
  Answer("VXPP/1.0 200 OK\r\nLog-Count: 2\r\n", negative);
  EXPECT_EQ(Events(records, &text), vxpp::kResultFailure);
  EXPECT_EQ(records.size(), 2u);
  // A peer that closes early fails at once.
  Answer("VXPP/1.0 200 OK\r\nLog-Count: 5\r\n", events + events);
  EXPECT_EQ(Events(records, &text), vxpp::kResultFailure);
  EXPECT_EQ(records.size(), 4u);
}

TEST_F(LogCommandsTest, PosQueryFollowsTheServerVersion) {
  struct Case {
    const char* serverInfo;
    const char* command;
  };
  const Case cases[] = {
      {"VXPP/2.0 200 OK\r\nServer-Type: Vantor\r\nServer-Version: 3,2,0,1\r\n", "POSEVENTLOG2"},
      {"VXPP/2.0 200 OK\r\nServer-Type: Vantor\r\nServer-Version: 4,0,0,0\r\n", "POSEVENTLOG2"},
      {"VXPP/2.0 200 OK\r\nServer-Type: Vantor\r\nServer-Version: 3,1,9,9\r\n", "POSEVENTLOG "},
      {"VXPP/2.0 200 OK\r\nServer-Type: Ravlo\r\nServer-Version: 5,0,0,0\r\n", "POSEVENTLOG "},
      {"VXPP/2.0 500 Error\r\n", "POSEVENTLOG "},
  };
  for (const Case& c : cases) {
    Answer(c.serverInfo);
    Answer("VXPP/1.0 200 OK\r\nLog-Count: 0\r\n");
    const size_t at = m_api.Connections();
    std::vector<PosEventLogBasket> records;
    EXPECT_TRUE(m_client.PosEventLog(kUrl, 1, nullptr, nullptr, kNoon, kNoon, records));
    EXPECT_EQ(Sent(at + 1).rfind(c.command, 0), 0u) << c.serverInfo;
  }
  // A failing POSEVENTLOG2 is a failing POS query.
  Answer(cases[0].serverInfo);
  Answer("VXPP/1.0 200 OK\r\nError: Busy\r\nLog-Count: 1\r\n");
  std::vector<PosEventLogBasket> records;
  EXPECT_FALSE(m_client.PosEventLog(kUrl, 1, nullptr, nullptr, kNoon, kNoon, records));

  // Blocks: line breaks travel as 11 and 14 (read back end to end in
  // tests/tools); a block comes with a length line or as a header block of
  // its own; one longer than the buffer is cut and the next is still read in step.
  PosEventLogBasket receipt;
  receipt.LogTime = kNoon;
  receipt.PosId = 2;
  receipt.EventRuleId = 301;
  receipt.Description = "Total 4.20\r\nPaid\n";
  receipt.CameraId = "1:3, 1:4";
  std::string body;
  vxpp::PutPosEventBlock(&body, receipt);
  EXPECT_NE(body.find("Description: Total 4.20\x0b\x0ePaid\x0e\r\n"), std::string::npos);
  body += "Log-Time: 2024/3/5;1:2:3\r\nPOS-ID: 9\r\nDescription: plain\r\n\r\n";
  const std::string huge = "Log-Time: null\r\nPOS-ID: 5\r\nDescription: " + std::string(20000, 'z') + "\r\n\r\n";
  body += "Content-Length: " + std::to_string(huge.size()) + "\r\n" + huge;
  vxpp::PutPosEventBlock(&body, receipt);
  Answer("VXPP/1.0 200 OK\r\nLog-Count: 4\r\n", body);
  ASSERT_EQ(m_client.PosEventLog2(kUrl, 1, nullptr, nullptr, kNoon, kNoon, records), vxpp::kResultSuccess);
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[1].PosId, 9u);
  EXPECT_EQ(records[1].LogTime, CDateTime::FromFields(2024, 3, 5, 1, 2, 3));
  EXPECT_EQ(records[2].LogTime.GetStatus(), CDateTime::kNull);
  EXPECT_EQ(records[2].Description.size(), vxpp::kPosBlockLimit - std::string("Log-Time: null\r\nPOS-ID: 5\r\nDescription: ").size());
  EXPECT_EQ(records[3].Description, receipt.Description);
}

// Ravlo system strings are converted and fitted end to end in tests/tools.
TEST(FitToBytesTest, CuttingNeverSplitsACharacter) {
  EXPECT_EQ(vxpp::FitToBytes("ab\xC3\xA9", 65001, 3), "ab");
  EXPECT_EQ(vxpp::FitToBytes("ab\xF0\x9F\x98\x80" "c", 65001, 6), "ab\xF0\x9F\x98\x80");
  EXPECT_EQ(vxpp::FitToBytes("abc", 1252, 3), "abc");
}

}  // namespace
