// The playback client against scripted servers: every request byte for
// byte on one held connection, the answers taken apart, and servers that
// stall or lie about lengths.
#include <gtest/gtest.h>

#include "protocol/scripted_socket_api.h"
#include "protocol/string_list.h"
#include "protocol/vxpp_client.h"
#include "protocol/vxpp_rpb_client.h"
#include "protocol/wire_bytes.h"

namespace {

const std::string kUrl = "vxpp://server/";
const std::string kOk = "VXPP/1.0 200 OK\r\n";

std::string Frame(uint32_t offsetMs, bool key, const std::string& payload) {
  std::string bytes;
  recording::PutFrameHead({static_cast<uint32_t>(payload.size()), offsetMs, key ? recording::kKeyFrameFlag : 0},
                          &bytes);
  return bytes + payload;
}

// A NEXTGOP answer: the stream header comes before the frames and is not
// counted in their length.
std::string Gop(const std::string& extra, const std::string& header, const std::string& frames, int count) {
  return kOk + "Frame-Count: " + std::to_string(count) + "\r\nFrame-Length: " + std::to_string(frames.size()) +
         "\r\nHeader-Length: " + std::to_string(header.size()) + "\r\n" + extra + "\r\n" + header + frames;
}

class RpbClientTest : public ::testing::Test {
 protected:
  RpbClientTest() { m_api.SetMaxPiece(7); }

  // A SETUPFILEINFO answer with one file entry, then `more`.
  ScriptedSocketApi::Peer& Serve(const std::string& more) {
    std::string files;
    vxpp::PutU32(&files, 8);
    return m_api.AddAnswer(kOk + "File-Count: 1\r\nPrivacy-Mask: 0\r\n\r\n" + files + "a.264;99" + more);
  }
  int Play() {
    return m_client->SetupFileInfo(kUrl, 7, CDateTime::FromFields(2024, 3, 5, 1, 2, 3),
                                   CDateTime::FromFields(2024, 3, 5, 2, 0, 0), 4, 0);
  }

  ScriptedSocketApi m_api{3};
  CVXPPClient m_owner{&m_api};
  std::unique_ptr<IRPBClient> m_made = m_owner.CreatePlaybackClient();
  CVXPPRPBClient* m_client = static_cast<CVXPPRPBClient*>(m_made.get());
  CVxShuffleBuffer m_frames;
};

TEST_F(RpbClientTest, EveryCommandByteForByteOnOneConnection) {
  const std::string gop = Frame(0, true, "key") + Frame(500, false, "delta!");
  const std::string list = vxpp::WriteStringList({"one", "two"});
  ScriptedSocketApi::Peer& peer = Serve(
      Gop("Frame-Encrypted: 0\r\nFile-Changed-To: a.264\r\nNew-Camera-Name: Gate\r\nNew-Camera-ID: 11\r\n",
          "HEAD", gop, 2) +
      Gop("", "", "", 0) + kOk + "Seek-Time: 30\r\nSeek-To-File: b.264\r\n\r\n" + kOk + "\r\n" +
      kOk + "\r\n" + kOk + "End-Data: 1\r\n\r\n" + kOk + "Error: NoDevice\r\n\r\n" + kOk +
      "Content-Length: 4\r\n\r\nmeta" + kOk + "Content-Length: " + std::to_string(list.size()) + "\r\n\r\n" +
      list + kOk + "Ivs-Config-Count: 3\r\n\r\n" + kOk + "Content-Length: 0\r\n\r\n" + kOk +
      "Content-Length: 0\r\n\r\n" + kOk + "\r\n" + kOk + "Content-Length: 0\r\n\r\n");
  m_client->SetSelectTimeSeq(2, 60, 120, 1);
  m_client->SetSelectTimeSeq(5, 7, 8, 0);
  m_client->SetSelectTimeSeq(128, 1, 2, 1);
  ASSERT_EQ(Play(), 1);
  EXPECT_EQ(m_client->Files(), std::vector<std::string>{"a.264;99"});
  ASSERT_EQ(m_client->NextGop(kUrl, 7, false, m_frames), 1);
  ASSERT_EQ(m_frames.frames.size(), 2u);
  EXPECT_EQ(m_frames.streamHeader, "HEAD");
  EXPECT_EQ(m_frames.fileChangedTo, "a.264");
  EXPECT_EQ(m_frames.newCameraName, "Gate");
  EXPECT_EQ(m_frames.newCameraId, 11u);
  EXPECT_TRUE(m_frames.frames[0].head.IsKey());
  EXPECT_EQ(m_frames.frames[1].bytes, "delta!");
  EXPECT_EQ(m_frames.frames[1].head.offsetMs, 500u);
  EXPECT_EQ(m_client->NextGop(kUrl, 7, true, m_frames), 0);
  int reached = 0;
  std::string file;
  EXPECT_EQ(m_client->Seek(kUrl, 7, 31, reached, file), 1);
  EXPECT_EQ(reached, 30);
  EXPECT_EQ(file, "b.264");
  EXPECT_TRUE(m_client->DropFrame(kUrl, 7, 1));
  EXPECT_TRUE(m_client->DropAudio(kUrl, 7, 1));
  bool ended = false;
  EXPECT_TRUE(m_client->EndData(kUrl, 7, ended));
  EXPECT_TRUE(ended);
  const CDateTime at = CDateTime::FromFields(2024, 3, 5, 1, 2, 3, 45);
  EXPECT_EQ(m_client->PrepareIvsMetadata(kUrl, 7, 3, at, CDateTime::Null()), -2);
  std::string body;
  std::vector<std::string> entries;
  EXPECT_TRUE(m_client->IvsMetadata(kUrl, 7, 3, at, body));
  EXPECT_EQ(body, "meta");
  EXPECT_TRUE(m_client->IvsMetadataVec(kUrl, 7, 3, at, entries));
  EXPECT_EQ(entries, (std::vector<std::string>{"one", "two"}));
  uint32_t count = 0;
  EXPECT_EQ(m_client->PrepareIvsConfig(kUrl, 7, 3, at, at, count), 1);
  EXPECT_EQ(count, 3u);
  EXPECT_TRUE(m_client->IvsConfig(kUrl, 7, 3, at, body));
  EXPECT_TRUE(m_client->IvsConfigVec(kUrl, 7, 3, at, entries));
  EXPECT_TRUE(m_client->MdxPrepare(kUrl, 7, 3, at));
  EXPECT_TRUE(m_client->MdxVec(kUrl, 7, 3, 2, at, entries));
  EXPECT_EQ(m_api.Connections(), 1u);

  const auto request = [&](const std::string& word, int cseq, const std::string& lines) {
    return word + " vxpp://server/ VXPP/1.0\r\nCSeq: " + std::to_string(cseq) + "\r\nUser-Session-No: 7\r\n" +
           lines + "\r\n";
  };
  const auto nextRequest = [](const char* word, int cseq) {
    std::string text(word);
    text += " vxpp://server/ VXPP/1.0\r\nCSeq: ";
    text += std::to_string(cseq);
    text += "\r\nDetect-File-Changed: 1\r\nSupportStreamEncryptType: 1\r\nUser-Session-No: 7\r\n\r\n";
    return text;
  };
  const std::string range = "Device-Id: 3\r\nStart-Date-Time: 2024/3/5;1:2:3:45\r\nEnd-Date-Time: ";
  const std::string current = "Device-Id: 3\r\nCurrent-Date-Time: 2024/3/5;1:2:3:45\r\n";
  EXPECT_EQ(peer.received,
            request("SETUPFILEINFO", 0,
                    "Start-Date-Time: 2024/3/5;1:2:3\r\nEnd-Date-Time: 2024/3/5;2:0:0\r\nPrivacy-Mask: 1\r\n"
                    "Camera-Index: 4\r\nRecord-Index: 0\r\nSelect-Time-Seq: 60-120\r\n") +
                nextRequest("NEXTGOP", 1) + nextRequest("NEXTFRAME", 2) +
                request("SEEK", 3, "Get-Seek-To-File: 1\r\nSeek-Time: 31\r\n") +
                request("DROPFRAME", 4, "Drop-Mode: 1\r\n") + request("DROPAUDIO", 5, "Drop-Audio: 1\r\n") +
                request("ENDDATA", 6, "") + request("PREPAREIVSMETADATA", 7, range + "null\r\n") +
                request("IVSMETADATA", 8, current) + request("IVSMETADATAVEC", 9, current) +
                request("PREPAREIVSCONFIG", 10, range + "2024/3/5;1:2:3:45\r\n") +
                request("IVSCONFIG", 11, current) + request("IVSCONFIGVEC", 12, current) +
                request("MDXPREPARE", 13, "Device-Id: 3\r\nStart-Date-Time: 2024/3/5;1:2:3:45\r\n") +
                request("MDXVEC", 14, "Device-Id: 3\r\nPos-Id: 2\r\nStart-Date-Time: 2024/3/5;1:2:3:45\r\n"));
}

TEST_F(RpbClientTest, StalledOrLyingServersFailInBoundedTimeAndDropTheConnection) {
  // Before any set-up nothing is sent.
  EXPECT_EQ(m_client->NextGop(kUrl, 7, false, m_frames), -1);
  EXPECT_EQ(m_api.Connections(), 0u);

  // A server that stops half-way through a frame.
  Serve(kOk + "Frame-Count: 1\r\nFrame-Length: 112\r\n\r\n" + Frame(0, true, std::string(100, 'k')).substr(0, 40))
      .end = ScriptedSocketApi::End::kStall;
  ASSERT_EQ(Play(), 1);
  const uint64_t before = m_api.ElapsedMs();
  EXPECT_EQ(m_client->NextGop(kUrl, 7, false, m_frames), -1);
  EXPECT_EQ(m_api.ElapsedMs() - before, CVXPPRPBClient::kFrameTimeoutMs);
  EXPECT_TRUE(m_frames.frames.empty());
  EXPECT_FALSE(m_client->Connected());
  bool ended = false;
  EXPECT_FALSE(m_client->EndData(kUrl, 7, ended));
  EXPECT_EQ(m_api.Connections(), 1u);

  // Lengths past the limits are refused before anything is spent on them.
  const std::string overCount = "Frame-Count: " + std::to_string(vxpp::kMaxGopFrames + 1) + "\r\nFrame-Length: 0\r\n";
  std::string hugeHead;
  recording::PutFrameHead({static_cast<uint32_t>(vxpp::kMaxFrameBytes + 1), 0, 1}, &hugeHead);
  const std::string hugeFrame = "Frame-Count: 1\r\nFrame-Length: 1000\r\n\r\n" + hugeHead;
  // A frame that runs past the answer's Frame-Length.
  const std::string overrun = "Frame-Count: 1\r\nFrame-Length: 13\r\n\r\n" + Frame(0, true, "ab");
  for (const std::string& answer : {overCount + "\r\n", hugeFrame, overrun}) {
    Serve(kOk + answer);
    ASSERT_EQ(Play(), 1);
    EXPECT_EQ(m_client->NextGop(kUrl, 7, false, m_frames), -1) << answer;
  }
  m_api.AddAnswer(kOk + "File-Count: " + std::to_string(vxpp::kMaxPlaybackFiles + 1) + "\r\n\r\n");
  EXPECT_EQ(Play(), -1);
  std::string longEntry;
  vxpp::PutU32(&longEntry, static_cast<uint32_t>(vxpp::kMaxPlaybackFileEntryBytes + 1));
  m_api.AddAnswer(kOk + "File-Count: 1\r\n\r\n" + longEntry);
  EXPECT_EQ(Play(), -1);
  // A server that never answers the set-up: ten minutes, not for ever.
  m_api.AddPeer().end = ScriptedSocketApi::End::kStall;
  const uint64_t start = m_api.ElapsedMs();
  EXPECT_EQ(Play(), -1);
  EXPECT_EQ(m_api.ElapsedMs() - start, CVXPPRPBClient::kSetupAnswerWaitMs);
}

}  // namespace
