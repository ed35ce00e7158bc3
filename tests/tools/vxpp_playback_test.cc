// A playback end to end: the client of the library against vxpp-server over
// the sample recordings of a demo installation.  The frames that come back
// are decoded and must be the recorded ones: camera, time and number.
#include "protocol/vxpp_rpb_client.h"
#include "tools/server_fixture.h"

namespace {

class PlaybackTest : public ServerFixture {
 protected:
  void SetUp() override {
    DemoOptions demo;
    demo.days = 1;
    demo.eventsPerDay = 50;
    demo.endDate = CDateTime::FromFields(2024, 3, 5);
    WriteDemoSite(demo, m_folder + "/site");
    if (HasFatalFailure()) return;
    StartServerOn(m_folder + "/site");
    ASSERT_EQ(Login("admin", "admin"), vxpp::kLoginSuccess);
    m_made = m_client.CreatePlaybackClient();
    m_playback = static_cast<CVXPPRPBClient*>(m_made.get());
  }

  int Play(uint32_t camera, uint32_t session) {
    return m_playback->SetupFileInfo(kUrl, session, At(1, 0, 2), At(2, 59, 59), camera, 0);
  }
  static CDateTime At(int hour, int minute, int second, int ms = 0) {
    return CDateTime::FromFields(2024, 3, 5, hour, minute, second, ms);
  }
  // The frames' own texts, checked against their heads.
  static std::vector<recording::SampleFrame> Decoded(const CVxShuffleBuffer& frames) {
    std::vector<recording::SampleFrame> decoded;
    for (const auto& frame : frames.frames) {
      decoded.emplace_back();
      EXPECT_TRUE(recording::ParseSampleFrame(frame.bytes, &decoded.back())) << frame.bytes;
      EXPECT_EQ(frame.head.IsKey(), decoded.back().key);
    }
    return decoded;
  }

  std::unique_ptr<IRPBClient> m_made;
  CVXPPRPBClient* m_playback = nullptr;
  CVxShuffleBuffer m_frames;
};

TEST_F(PlaybackTest, SetUpStepSeekAndReachTheEnd) {
  ASSERT_EQ(Play(1, m_session), 2);
  EXPECT_EQ(m_playback->Files()[0].rfind("20240305/Cam02/Video/010000.264;", 0), 0u);
  ASSERT_EQ(m_playback->NextGop(kUrl, m_session, false, m_frames), 1);
  EXPECT_EQ(m_frames.fileChangedTo, "20240305/Cam02/Video/010000.264");
  EXPECT_EQ(m_frames.streamHeader.substr(0, 8), "VXSAMPLE");
  EXPECT_FALSE(m_frames.newCameraName.empty());
  std::vector<recording::SampleFrame> frames = Decoded(m_frames);
  ASSERT_EQ(frames.size(), 10u);
  for (uint32_t i = 0; i < 10; ++i) {
    EXPECT_EQ(frames[i].cameraIndex, 1u);
    EXPECT_EQ(frames[i].number, i);
    EXPECT_EQ(frames[i].time, At(1, 0, 0, static_cast<int>(i) * 500));
    EXPECT_EQ(frames[i].key, i == 0);
  }
  ASSERT_EQ(m_playback->NextGop(kUrl, m_session, true, m_frames), 1);
  EXPECT_TRUE(m_frames.fileChangedTo.empty());
  ASSERT_EQ(Decoded(m_frames).size(), 1u);
  EXPECT_EQ(Decoded(m_frames)[0].number, 10u);

  // To the key frame at or before 02:00:33, in the next file.
  int reached = 0;
  std::string file;
  ASSERT_EQ(m_playback->Seek(kUrl, m_session, 3631, reached, file), 1);
  EXPECT_EQ(reached, 3628);
  EXPECT_EQ(file, "20240305/Cam02/Video/020000.264");
  ASSERT_EQ(m_playback->NextGop(kUrl, m_session, false, m_frames), 1);
  EXPECT_EQ(m_frames.fileChangedTo, file);  // a decoder starts again after a seek
  frames = Decoded(m_frames);
  ASSERT_EQ(frames.size(), 10u);
  EXPECT_EQ(frames[0].time, At(2, 0, 30));
  EXPECT_EQ(frames[0].number, 60u);
  ASSERT_TRUE(m_playback->DropFrame(kUrl, m_session, 1));
  ASSERT_EQ(m_playback->NextGop(kUrl, m_session, false, m_frames), 1);
  EXPECT_EQ(Decoded(m_frames).size(), 1u);
  ASSERT_TRUE(m_playback->DropFrame(kUrl, m_session, 0));
  ASSERT_TRUE(m_playback->DropAudio(kUrl, m_session, 1));

  bool ended = true;
  ASSERT_TRUE(m_playback->EndData(kUrl, m_session, ended));
  EXPECT_FALSE(ended);
  size_t rest = 0;
  uint32_t last = 0;
  while (m_playback->NextGop(kUrl, m_session, false, m_frames) == 1) {
    rest += m_frames.frames.size();
    last = Decoded(m_frames).back().number;
  }
  EXPECT_EQ(rest, 49u);
  EXPECT_EQ(last, 119u);
  ASSERT_TRUE(m_playback->EndData(kUrl, m_session, ended));
  EXPECT_TRUE(ended);
  EXPECT_EQ(m_playback->Seek(kUrl, m_session, 20000, reached, file), 0);
  EXPECT_EQ(m_playback->NextCSeq(), 18u);  // all on the one connection it set up
}

TEST_F(PlaybackTest, MetadataRightsAndRecordedDays) {
  std::vector<uint32_t> devices, cameras;
  std::vector<std::string> names;
  ASSERT_TRUE(m_client.GetIVSDeviceInfo(kUrl, m_session, devices, names, cameras));
  ASSERT_FALSE(devices.empty());
  const int device = static_cast<int>(devices[0]);
  ASSERT_EQ(Play(0, m_session), 2);
  EXPECT_EQ(m_playback->PrepareIvsMetadata(kUrl, m_session, 999999, At(1, 0, 0), CDateTime::Null()), -2);
  ASSERT_EQ(m_playback->PrepareIvsMetadata(kUrl, m_session, device, At(1, 0, 0), At(1, 0, 5)), 1);
  std::string body;
  ASSERT_TRUE(m_playback->IvsMetadata(kUrl, m_session, device, At(1, 0, 3), body));
  EXPECT_EQ(body, "device=" + std::to_string(device) + " camera=" + std::to_string(cameras[0]) +
                      " time=2024/03/05 01:00:03 objects=3\n");
  std::vector<std::string> entries;
  ASSERT_TRUE(m_playback->IvsMetadataVec(kUrl, m_session, device, At(1, 0, 3), entries));
  EXPECT_EQ(entries.size(), 3u);  // up to the prepared end
  EXPECT_FALSE(m_playback->IvsMetadata(kUrl, m_session, device, At(1, 0, 6), body));
  uint32_t count = 0;
  ASSERT_EQ(m_playback->PrepareIvsConfig(kUrl, m_session, device, CDateTime::Null(), CDateTime::Null(), count), 1);
  EXPECT_EQ(count, 1u);
  ASSERT_TRUE(m_playback->IvsConfigVec(kUrl, m_session, device, At(1, 0, 0), entries));
  EXPECT_EQ(entries, std::vector<std::string>{"device=" + std::to_string(device) + " name=" + names[0] +
                                              " camera=" + std::to_string(cameras[0]) + "\n"});
  ASSERT_TRUE(m_playback->MdxPrepare(kUrl, m_session, device, At(1, 0, 0)));
  ASSERT_TRUE(m_playback->MdxVec(kUrl, m_session, device, 2, At(1, 0, 0), entries));
  EXPECT_EQ(entries.size(), 10u);

  // A camera without recordings has no files; an unknown camera or a dead
  // session gets no playback at all.
  EXPECT_EQ(Play(17, m_session), 0);
  EXPECT_EQ(Play(99, m_session), -1);
  EXPECT_EQ(Play(1, m_session + 1), -1);

  // The recorded days come from the recording files.
  int days = -1;
  ASSERT_TRUE(m_client.HasVideo(kUrl, m_session, CDateTime::Null(), CDateTime::Null(), 3, 0, days));
  EXPECT_EQ(days, 1);
  ASSERT_TRUE(m_client.HasVideo(kUrl, m_session, CDateTime::Null(), CDateTime::Null(), 4, 0, days));
  EXPECT_EQ(days, 0);
  int result = 0;
  CDateTime start, end;
  ASSERT_TRUE(m_client.GetVideoSpan(kUrl, m_session, 0, 0, result, start, end));
  EXPECT_EQ(start, At(0, 0, 0));
  EXPECT_EQ(end, At(23, 59, 59));
}

}  // namespace
