// What a client object keeps besides its commands: the playback-client
// registry, the time-sequence lines and the named loggers.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/debug_output.h"
#include "protocol/logger_mgr.h"
#include "protocol/scripted_socket_api.h"
#include "protocol/vxpp_client.h"
#include "protocol/vxpp_rpb_client.h"

namespace {

class FakePlayback : public CVXPPRPBClient {
 public:
  explicit FakePlayback(int* alive) : m_alive(alive) { ++*m_alive; }
  ~FakePlayback() override { --*m_alive; }
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
  std::unique_ptr<IRPBClient> CreatePlaybackClient() override { return std::make_unique<FakePlayback>(&alive); }
  int alive = 0;
};

TEST(ClientStateTest, PlaybackRegistryKeepsSavesAndDestroysClients) {
  ScriptedSocketApi api;
  RegistryClient client(&api);
  const PlaybackClientKey one{1, 2, 3, 4}, two{1, 2, 3, 5};
  PlaybackClientLease lease = client.AcquirePlaybackClient(one);
  IRPBClient* first = lease.get();
  ASSERT_NE(first, nullptr);
  // While the lease lives, no other thread gets at the registry.
  std::atomic<bool> otherGotIn{false};
  std::thread other([&] { otherGotIn = client.AcquirePlaybackClient(two).get() != nullptr; });
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_FALSE(otherGotIn);
  client.ReleasePlaybackClient(lease);
  other.join();
  EXPECT_TRUE(otherGotIn);
  EXPECT_FALSE(lease);
  EXPECT_EQ(client.AcquirePlaybackClient(one).get(), first);
  EXPECT_EQ(client.PlaybackCall(two, "vxpp://s/", 42, CDateTime(), CDateTime(), 0, 0), 42);
  EXPECT_EQ(client.alive, 2);

  client.SavePlaybackClients();
  client.SavePlaybackClients();  // a second save keeps the first copy
  EXPECT_EQ(client.PlaybackCall(one, "vxpp://s/", 7, CDateTime(), CDateTime(), 0, 0), 7);
  EXPECT_EQ(client.alive, 3);
  client.RestorePlaybackClients();
  EXPECT_EQ(client.alive, 2);
  EXPECT_EQ(client.AcquirePlaybackClient(one).get(), first);
  client.DestroyPlaybackClients();
  EXPECT_EQ(client.alive, 0);

  // A plain client makes real playback clients; one whose server is not
  // there fails its set-up, and nothing stays locked.
  CVXPPClient plain(&api);
  EXPECT_NE(dynamic_cast<CVXPPRPBClient*>(plain.AcquirePlaybackClient(one).get()), nullptr);
  EXPECT_EQ(plain.PlaybackCall(one, "vxpp://s/", 1, CDateTime(), CDateTime(), 0, 0), -1);
  std::thread([&] { EXPECT_TRUE(plain.AcquirePlaybackClient(two)); }).join();
}

TEST(ClientStateTest, PlaybackRegistryFromSeveralThreads) {
  ScriptedSocketApi api;
  RegistryClient client(&api);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&client, t] {
      for (int i = 0; i < 300; ++i) {
        const PlaybackClientKey key{t, 1, static_cast<uint64_t>(i % 5), 0};
        if (PlaybackClientLease lease = client.AcquirePlaybackClient(key)) lease->SetupFileInfo("", 1, {}, {}, 0, 0);
        switch ((i + t) % 50) {
          case 0: client.SavePlaybackClients(); break;
          case 17: client.RestorePlaybackClients(); break;
          case 33: client.DestroyPlaybackClients(); break;
          default: EXPECT_EQ(client.PlaybackCall(key, "", 9, {}, {}, 0, 0), 9);
        }
      }
    });
  }
  for (auto& thread : threads) thread.join();
  client.RestorePlaybackClients();
  client.DestroyPlaybackClients();
  EXPECT_EQ(client.alive, 0);
}

TEST(ClientStateTest, HostsTimeSequencesAndLoggers) {
  ScriptedSocketApi api;
  CVXPPClient client(&api);
  EXPECT_EQ(vxpp::HostFromUrl("vxpp://10.1.2.3:99/path/x"), "10.1.2.3:99");
  EXPECT_EQ(vxpp::HostFromUrl("vxpp://host"), "host");

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
  LoggerMgr::Instance().GetLogger("VXPPBackup").Printf("VXPPBackupInit iLength = %d", -1);
  platform::SetDebugSink(nullptr);
  EXPECT_EQ(lines, (std::vector<std::string>{"[VXPPBackup] VXPPBackupInit iLength = -1"}));
}

}  // namespace
