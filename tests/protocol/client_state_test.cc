// What a client object keeps besides its commands: the playback-client
// registry, the time-sequence lines and the named loggers.
#include <gtest/gtest.h>

#include "platform/debug_output.h"
#include "protocol/logger_mgr.h"
#include "protocol/scripted_socket_api.h"
#include "protocol/vxpp_client.h"

namespace {

class FakePlayback : public IRPBClient {
 public:
  explicit FakePlayback(int* alive) : m_alive(alive) { ++*m_alive; }
  ~FakePlayback() override { --*m_alive; }
  void SetPort(uint32_t) override {}
  void SetStreamOption(uint32_t) override {}
  void SetSelectTimeSeq(int, int, int, int) override {}
  int SetupFileInfo(const std::string&, uint32_t session, const CDateTime&, const CDateTime&, uint32_t,
                    uint32_t) override {
    return static_cast<int>(session);
  }

 private:
  int* m_alive;
};

class RegistryClient : public CVXPPClient {
 public:
  explicit RegistryClient(vxpp::SocketApi* api) : CVXPPClient(api) {}
  ~RegistryClient() override { DestroyPlaybackClients(); }
  IRPBClient* CreatePlaybackClient() override { return new FakePlayback(&alive); }
  int alive = 0;
};

TEST(ClientStateTest, PlaybackRegistryKeepsSavesAndDestroysClients) {
  ScriptedSocketApi api;
  RegistryClient client(&api);
  const PlaybackClientKey one{1, 2, 3, 4}, two{1, 2, 3, 5};
  IRPBClient* first = client.AcquirePlaybackClient(one);
  IRPBClient* held = first;
  client.ReleasePlaybackClient(held);
  EXPECT_EQ(held, nullptr);
  IRPBClient* again = client.AcquirePlaybackClient(one);
  EXPECT_EQ(again, first);
  client.ReleasePlaybackClient(again);
  EXPECT_EQ(client.PlaybackCall(two, "vxpp://s/", 42, CDateTime(), CDateTime(), 0, 0), 42);
  EXPECT_EQ(client.alive, 2);

  client.SavePlaybackClients();
  client.SavePlaybackClients();  // a second save keeps the first copy
  EXPECT_EQ(client.PlaybackCall(one, "vxpp://s/", 7, CDateTime(), CDateTime(), 0, 0), 7);
  EXPECT_EQ(client.alive, 3);
  client.RestorePlaybackClients();
  EXPECT_EQ(client.alive, 2);
  IRPBClient* restored = client.AcquirePlaybackClient(one);
  EXPECT_EQ(restored, first);
  client.ReleasePlaybackClient(restored);
  client.DestroyPlaybackClients();
  EXPECT_EQ(client.alive, 0);

  // Without playback clients, a call fails.
  CVXPPClient plain(&api);
  EXPECT_EQ(plain.AcquirePlaybackClient(one), nullptr);
  EXPECT_EQ(plain.PlaybackCall(one, "vxpp://s/", 1, CDateTime(), CDateTime(), 0, 0), -1);
}

TEST(ClientStateTest, InitialValuesTimeSequencesAndLoggers) {
  ScriptedSocketApi api;
  CVXPPClient client(&api);
  EXPECT_EQ(client.Port(), 5160u);
  EXPECT_EQ(client.ConnectTimeout(), 1000u);
  EXPECT_EQ(client.ServerKind(), -1);
  EXPECT_EQ(client.NextCSeq(), 0u);
  EXPECT_TRUE(client.ReferenceTime().IsValid());
  EXPECT_TRUE(client.BackupNoop());
  EXPECT_TRUE(client.Abort());
  EXPECT_TRUE(client.AbortSignalled());
  EXPECT_TRUE(client.ResetAbort());
  EXPECT_FALSE(client.AbortSignalled());
  EXPECT_EQ(CVXPPClient::HostFromUrl("vxpp://10.1.2.3:99/path/x"), "10.1.2.3:99");
  EXPECT_EQ(CVXPPClient::HostFromUrl("vxpp://host"), "host");
  EXPECT_EQ(CVXPPClient::HostFromUrl("host/"), "");

  auto& sequences = client.SelectedTimeSequences();
  sequences.inUse[0] = 1;
  sequences.start[0] = 10;
  sequences.end[0] = 20;
  sequences.inUse[5] = 2;  // only 1 counts
  sequences.inUse[127] = 1;
  sequences.start[127] = 0xFFFFFFFF;
  EXPECT_EQ(client.TimeSequenceLines(), "Select-Time-Seq_0: 10-20\r\nSelect-Time-Seq_127: -1-0\r\n");

  std::vector<std::string> lines;
  platform::SetDebugSink([&](const std::string& line) { lines.push_back(line); });
  CLogger& logger = LoggerMgr::Instance().GetLogger("VXPPBackup");
  EXPECT_EQ(&logger, &LoggerMgr::Instance().GetLogger("VXPPBackup"));
  logger.Printf("VXPPBackupInit iLength = %d", -1);
  platform::SetDebugSink(nullptr);
  EXPECT_EQ(lines, (std::vector<std::string>{"[VXPPBackup] VXPPBackupInit iLength = -1"}));
  EXPECT_EQ(LoggerMgr::Instance().LogDirectory().back(), '/');
}

}  // namespace
