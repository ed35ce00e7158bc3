// The device, settings and recording commands of the client against
// scripted servers: requests byte for byte, the list rules of the camera
// and analytics device answers, the POS settings exchange with its
// acknowledgements, and the files the downloads write.
#include <gtest/gtest.h>

#include "platform/code_page.h"
#include "protocol/result_codes.h"
#include "protocol/scripted_socket_api.h"
#include "protocol/string_list.h"
#include "protocol/vxpp_client.h"
#include "temp_folder.h"

namespace {

using End = ScriptedSocketApi::End;

const std::string kUrl = "vxpp://server/";

class DeviceCommandsTest : public ::testing::Test {
 protected:
  DeviceCommandsTest() { m_api.SetMaxPiece(5); }
  ~DeviceCommandsTest() override { EXPECT_EQ(m_api.OpenSockets(), 0u) << "a command left a socket open"; }

  void Answer(const std::string& head, const std::string& body = "") { m_api.AddAnswer(head + "\r\n" + body); }
  const std::string& Sent(size_t connection) { return m_api.PeerAt(connection).received; }
  bool CamInfo(const std::string& head, const std::string& body) {
    Answer(head, body);
    m_names.clear();
    m_ids.clear();
    return m_client.GetCamInfo(kUrl, 1, m_names, m_ids);
  }

  ScriptedSocketApi m_api{5};
  CVXPPClient m_client{&m_api};
  std::vector<std::string> m_names;
  std::vector<uint32_t> m_ids;
};

TEST_F(DeviceCommandsTest, RequestsAreSentByteForByte) {
  for (int i = 0; i < 17; ++i) Answer(i == 9 || i == 10 || i == 16 ? "VXPP/1.0 200 OK\r\n" : "VXPP/2.0 200 OK\r\n");
  std::vector<std::string> texts, days;
  std::vector<uint32_t> ids, more;
  std::map<uint32_t, std::string> counters;
  std::vector<EPOS_Setting> settings;
  std::string text;
  int number = 0;
  CDateTime start = CDateTime::FromFields(2024, 3, 5, 1, 2, 3), end = CDateTime::Null();
  TempFolder folder;
  m_client.GetCamInfo(kUrl, 9, texts, ids);
  m_client.GetIVSDeviceInfo(kUrl, 9, ids, texts, more);
  m_client.GetCombinedCounterInfo(kUrl, 9, counters);
  m_client.SupportedEdgeEventListOfDP(kUrl, 9, folder.Path(), "List.ini");
  m_client.QueryPosSetting(kUrl, 9, settings);
  m_client.LangPackGetVersion(kUrl, 9, text);
  m_client.LangPackGetFile(kUrl, 9, "ENG/Pack.xml", folder.Path());
  m_client.HasVideo(kUrl, 9, start, end, 3, -1, number);
  m_client.GetDayLogs2(kUrl, 9, text);
  m_client.GetVideoSpan(kUrl, 9, 3, 0, number, start, end);
  m_client.AddBookmark(kUrl, 9, "Bookmark-ID: 1\r\n\r\n");
  m_client.GetRecLog(kUrl, 9, CDateTime::FromFields(2024, 3, 5, 13), {0, 4}, 1, text);
  m_client.GetRecLog2(kUrl, 9, CDateTime::FromFields(2024, 3, 5), text);
  std::vector<PosRecordEntry> posRecords;
  bool tooMuch = true;
  m_client.PosRecord(kUrl, 9, "coffee", 0, {1, 3}, start, end, posRecords, tooMuch);
  std::vector<MetadataRecordEntry> metadata;
  m_client.MetadataRecord(kUrl, 9, "tea", 1, {2}, start, end, metadata);
  m_client.AddSystemLog(kUrl, 9, 34, {"\\\\pc;C:\\export", "(3)"});
  m_client.GetDayLogs(kUrl, 9, days);  // read back from a server's numbered bodies in tests/tools
  const std::pair<size_t, std::string> expected[] = {
      {0, "GETCAMINFO vxpp://server/ VXPP/2.0\r\nCSeq: 0\r\nUser-Session-No: 9\r\nVXPP-Version: 2.0\r\n"
          "Support-Channel-Count: 128\r\n\r\n"},
      {1, "GETIVSDEVICEINFO vxpp://server/ VXPP/2.0\r\nCSeq: 1\r\nUser-Session-No: 9\r\nVXPP-Version: 2.0\r\n\r\n"},
      {2, "GETCOMBINEDCOUNTERINFO vxpp://server/ VXPP/2.0\r\nCSeq: 2\r\nUser-Session-No: 9\r\nVXPP-Version: 2.0\r\n\r\n"},
      {3, "SUPPORTEDEDGEEVENTLISTOFDP vxpp://server/ VXPP/2.0\r\nCSeq: 3\r\nUser-Session-No: 9\r\n"
          "SupportedEdgeEventListOfDP: List.ini\r\n\r\n"},
      {4, "QUERYPOSSETTING vxpp://server/ VXPP/2.0\r\nCSeq: 4\r\nUser-Session-No: 9\r\n\r\n"},
      {5, "LANGPACKGETVERSION vxpp://server/ VXPP/2.0\r\nCSeq: 5\r\nUser-Session-No: 9\r\n\r\n"},
      {6, "LANGPACKGETFILE vxpp://server/ VXPP/2.0\r\nCSeq: 6\r\nUser-Session-No: 9\r\n"
          "LangPack-FileName: ENG/Pack.xml\r\n\r\n"},
      {7, "HASVIDEO vxpp://server/ VXPP/2.0\r\nCSeq: 7\r\nUser-Session-No: 9\r\nStart-Date-Time: 2024/03/05;01:02:03\r\n"
          "End-Date-Time: null\r\nCamera-Index: 3\r\nRecord-Index: -1\r\n\r\n"},
      {8, "GETDAYLOGS vxpp://server/ VXPP/2.0\r\nCSeq: 8\r\nSupport-Record2: 1\r\nSupport-Channel-Count: 128\r\n"
          "User-Session-No: 9\r\n\r\n"},
      {9, "GETVIDEOSPAN vxpp://server/ VXPP/1.0\r\nCSeq: 9\r\nUser-Session-No: 9\r\nCamera-Index: 3\r\n"
          "Record-Index: 0\r\n\r\n"},
      {10, "ADDBOOKMARK vxpp://server/ VXPP/1.0\r\nCSeq: 10\r\nUser-Session-No: 9\r\nContent-Length: 18\r\n\r\n"
           "Bookmark-ID: 1\r\n\r\n"},
      {11, "GETRECLOG vxpp://server/ VXPP/2.0\r\nCSeq: 11\r\nUser-Session-No: 9\r\nSupport-Record2: 1\r\n"
           "Support-Channel-Count: 128\r\nSupport-SequenceNum: 1\r\nSupport-RecordIndex: 1\r\nDate: 2024/3/5\r\n"
           "Channel-List: 0, 4\r\n\r\n"},
      {12, "GETRECLOG2 vxpp://server/ VXPP/2.0\r\nCSeq: 12\r\nUser-Session-No: 9\r\nDate: 2024/3/5\r\n\r\n"},
      {13, "POSRECORD vxpp://server/ VXPP/2.0\r\nCSeq: 13\r\nUser-Session-No: 9\r\nKey-Word: coffee\r\nUsing-RE: 0\r\n"
           "Pos-ID: 1,3,\r\nStart-Date-Time: 2024/03/05;01:02:03\r\nEnd-Date-Time: null\r\n\r\n"},
      {14, "METADATARECORD vxpp://server/ VXPP/2.0\r\nCSeq: 14\r\nEnd-Date-Time: null\r\nKey-Word: tea\r\n"
           "Pos-ID: 2,\r\nStart-Date-Time: 2024/03/05;01:02:03\r\nUser-Session-No: 9\r\nUsing-RE: 1\r\n\r\n"},
      {15, "ADDSYSTEMLOG vxpp://server/ VXPP/2.0\r\nCSeq: 15\r\nUser-Session-No: 9\r\nLogType: 34\r\nLogCount:2\r\n"
           "LogInfo0000: \\\\pc;C:\\export\r\nLogInfo0001: (3)\r\n\r\n"},
      {16, "GETDAYLOGS vxpp://server/ VXPP/1.0\r\nCSeq: 16\r\nUser-Session-No: 9\r\n\r\n"},
  };
  for (const auto& [connection, request] : expected) EXPECT_EQ(Sent(connection), request);
  EXPECT_FALSE(tooMuch);  // the answer said nothing of it: 0
}

// The versions and the normal lists are checked against a real server in
// tests/tools; here the flags and lengths that only a scripted one bends.
TEST_F(DeviceCommandsTest, CameraListsFollowTheirFlagsAndLengths) {
  const std::string names = vxpp::WriteStringList({"Gate", "Hall"});
  const std::string ids = vxpp::WriteStringList({"11", "12"});
  const std::string head = "VXPP/2.0 200 OK\r\nVXPP-Version: 2.0\r\nContent-Length: " + std::to_string(names.size());
  const std::string lengths = head + "\r\nCamera-ID-Content-Length: " + std::to_string(ids.size()) + "\r\n";
  // Without "Include-Camera-ID" the ids block is received and dropped.
  EXPECT_TRUE(CamInfo(lengths, names + ids));
  EXPECT_EQ(m_names, (std::vector<std::string>{"Gate", "Hall"}));
  EXPECT_TRUE(m_ids.empty());
  // A negative ids length fails the call; an ids block that never comes too.
  EXPECT_FALSE(CamInfo(head + "\r\nCamera-ID-Content-Length: -1\r\n", names));
  EXPECT_FALSE(CamInfo(lengths, names));
  // Combined counters are added to what the caller holds.
  std::map<uint32_t, std::string> counters = {{1, "kept"}};
  Answer("VXPP/2.0 200 OK\r\nCounterNumbers: 2\r\n",
         "CounterID: 1\r\nCounterName: Total\r\n\r\nCounterID: 3\r\nCounterName: Shop Floor\r\n\r\n");
  ASSERT_TRUE(m_client.GetCombinedCounterInfo(kUrl, 1, counters));
  EXPECT_EQ(counters, (std::map<uint32_t, std::string>{{1, "kept"}, {3, "Shop Floor"}}));
}

TEST_F(DeviceCommandsTest, PosSettingsAreAcknowledgedOneByOne) {
  auto block = [](const std::string& lines) {
    return "Content-Length: " + std::to_string(lines.size()) + "\r\n\r\n" + lines;
  };
  const std::string first = block("PosId: 1\r\nName: Register 1\r\nPort: 4100\r\nMetaSourceID: 4294967295\r\n"
                                  "Association-Count: 2\r\n") +
                            block("CameraId: 11\r\nbUseDefault: 1\r\nTop: 2\r\nBottom: 40\r\nLeft: 3\r\nRight: 320\r\n") +
                            block("CameraId: 12\r\n");
  const std::string second = block("PosId: 2\r\nStatus: Deleted\r\n");
  // Each source comes after the client's acknowledgement of the one before.
  m_api.AddPeer().Then("VXPP/2.0 200 OK\r\nPos-Count: 2\r\n\r\n").Then(first, 100).Then(second, 100);
  std::vector<EPOS_Setting> settings;
  ASSERT_TRUE(m_client.QueryPosSetting(kUrl, 1, settings));
  EXPECT_EQ(Sent(0).substr(Sent(0).find("\r\n\r\n") + 4),
            "VXPP/2.0 200 OK\r\nCSeq: 1\r\n\r\nVXPP/2.0 200 OK\r\nCSeq: 1\r\n\r\n");
  ASSERT_EQ(settings.size(), 2u);
  EXPECT_EQ(settings[0].Name, "Register");  // token values end at a blank
  EXPECT_EQ(settings[0].MetaSourceID, -1);
  ASSERT_EQ(settings[0].associations.size(), 2u);
  EXPECT_EQ(settings[0].associations[0].Right, 320);
  EXPECT_EQ(settings[0].associations[1].Right, 0);
  EXPECT_TRUE(settings[1].associations.empty());

  // A server that stops in the middle waits 30 seconds per byte, then
  // fails; the sources that came stay.
  m_api.AddPeer().Then("VXPP/2.0 200 OK\r\nPos-Count: 2\r\n\r\n" + first).end = End::kStall;
  const uint64_t before = m_api.ElapsedMs();
  EXPECT_FALSE(m_client.QueryPosSetting(kUrl, 1, settings));
  EXPECT_EQ(m_api.ElapsedMs() - before, 30000u);
  EXPECT_EQ(settings.size(), 3u);
}

// Downloads, POS and metadata records against a real server are in tests/tools.
TEST_F(DeviceCommandsTest, DownloadFailuresAndRecordsInTheServersCodePage) {
  TempFolder folder;
  // A folder longer than a path may be, or one that cannot be written, fails.
  EXPECT_FALSE(m_client.SupportedEdgeEventListOfDP(kUrl, 1, std::string(260, 'd'), "List.ini"));
  Answer("VXPP/2.0 200 OK\r\nContent-Length: 5\r\n", "fresh");
  EXPECT_FALSE(m_client.SupportedEdgeEventListOfDP(kUrl, 1, folder.File("missing"), "List.ini"));

  // POS record descriptions of a stated length, in the code page they name.
  platform::SetSystemCodePage(1252);
  Answer("VXPP/2.0 200 OK\r\nPos-Record-Count: 2\r\nQuery-Too-Much: 1\r\n",
         "Date-Time: 2024/03/05;10:00:00\r\nPos-ID: 2\r\nCodepage: 65001\r\nDescription-Length: 9\r\n"
         "Description: Caf\xC3\xA9\r\nx2\r\nCamera-ID: 1:4\r\n"
         "Date-Time: null\r\nPos-ID: 3\r\nCodepage: 1252\r\nDescription-Length: 0\r\nDescription: \r\nCamera-ID: \r\n");
  std::vector<PosRecordEntry> records;
  bool tooMuch = false;
  ASSERT_EQ(m_client.PosRecord(kUrl, 1, "", 0, {}, CDateTime::Null(), CDateTime::Null(), records, tooMuch),
            vxpp::kResultSuccess);
  platform::SetSystemCodePage(0);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_TRUE(tooMuch);
  EXPECT_EQ(records[0].description, "Caf\xE9\r\nx2");
  EXPECT_EQ(records[0].cameraIds, "1:4");
  EXPECT_EQ(records[1].time.GetStatus(), CDateTime::kNull);

  // A metadata answer without its multipart type fails.
  std::vector<MetadataRecordEntry> metadata;
  Answer("VXPP/2.0 200 OK\r\n", "Other: 1\r\n\r\n--B\r\n");
  EXPECT_EQ(m_client.MetadataRecord(kUrl, 1, "", 0, {}, CDateTime::Null(), CDateTime::Null(), metadata),
            vxpp::kResultFailure);
}

}  // namespace
