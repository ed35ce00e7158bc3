// The client against servers that stall, drip, lie about lengths or never
// end a block.  Pace and ceiling run on the scripted socket's virtual clock
// with the client's default limits; memory is measured on loopback in a
// child process, whose peak resident size may grow by less than 64 MiB
// while the command fails.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <functional>

#include "platform/debug_output.h"
#include "protocol/loopback_peer.h"
#include "protocol/result_codes.h"
#include "protocol/scripted_socket_api.h"
#include "protocol/vxpp_client.h"

namespace {

using End = ScriptedSocketApi::End;
using Peer = ScriptedSocketApi::Peer;

const std::string kBinary = "VXPP/1.0 200 OK\r\nLog-Count: 1000000\r\n\r\n";
const std::string kText = "VXPP/1.0 200 OK\r\nLog-Count: 1\r\nVXPP-Version: 2.0\r\n\r\n";
const std::string kHead(24, '\0');  // an event record's head, before its length

int Events(CVXPPClient& client, const char* url = "vxpp://server/") {
  EventLogRecords records;
  int text = 0;
  return client.EventLog(url, 1, nullptr, nullptr, CDateTime::Null(), CDateTime::Null(), records, nullptr, &text);
}

TEST(HostileServerTest, SlowAndLyingServersFailInBoundedTimeSayingWhy) {
  const struct {
    std::function<void(Peer&)> script;
    uint64_t failsAtMs;
    const char* reason;
  } cases[] = {
      {[](Peer& p) { p.end = End::kStall; }, 30000, "delivered 0 bytes in 30000 ms"},
      {[](Peer& p) { p.Then("VXPP/1.0 200 OK\r\nLog-").end = End::kStall; }, 5000, "nothing within"},
      {[](Peer& p) { p.Then(kBinary + kHead).end = End::kStall; }, 5000, "nothing within"},
      {[](Peer& p) { p.Then(kBinary + kHead).end = End::kReset; }, 0, "10054"},
      {[](Peer& p) {
         for (char c : kText + std::string(500, 'a')) p.Then(std::string(1, c), 100);
       },
       30000, "too slow"},
      {[](Peer& p) {
         for (int i = 0; i < 250; ++i) p.Then(i ? std::string(2800, '\0') : kBinary, 4000);
       },
       900000, "ceiling of 900000 ms"},
      {[](Peer& p) { p.Then(kBinary + kHead + "\xff\xff\xff\xff"); }, 0, "cannot be read"},
      {[](Peer& p) { p.Then(kBinary + kHead + "\xff\xff\xff\x7f"); }, 0, "description length 2147483647 (limit 65508)"},
      {[](Peer& p) { p.Then("VXPP/1.0 200 OK\r\nLog-Count: 4194305\r\n\r\n"); }, 0, "Log-Count: 4194305 (limit"},
  };
  std::string debug;
  platform::SetDebugSink([&](const std::string& line) { debug += line; });
  for (const auto& c : cases) {
    ScriptedSocketApi api;
    api.SetMaxPiece(4096);
    c.script(api.AddPeer());
    CVXPPClient client(&api);
    debug.clear();
    EXPECT_EQ(Events(client), vxpp::kResultFailure) << c.reason;
    EXPECT_NEAR(static_cast<double>(api.ElapsedMs()), c.failsAtMs, 100) << c.reason;
    EXPECT_EQ(debug.rfind("[VXPP] EVENTLOG: ", 0), 0u) << debug;
    EXPECT_NE(debug.find(c.reason), std::string::npos) << debug;
  }
  platform::SetDebugSink(nullptr);

  // A long block that ends is taken in a few receives, not byte by byte.
  ScriptedSocketApi api;
  api.SetMaxPiece(1 << 16);
  api.AddAnswer(kText + "EventLog-Description: " + std::string(60000, 'x') + "\r\n\r\n");
  CVXPPClient client(&api);
  EXPECT_EQ(Events(client), vxpp::kResultSuccess);
  EXPECT_LT(api.Receives(), 20u);
}

long PeakKb() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

TEST(HostileServerTest, GreedyServersCostBoundedMemoryAndTime) {
  const std::string cameras =
      std::string("VXPP/2.0 200 OK\r\nContent-Length: 8000000\r\n\r\n") + std::string("\x80\x84\x1e\x00", 4);
  for (const std::string& answer : {std::string("VXPP/1.0 200 OK\r\n"), kBinary + kHead + "\xff\xff\xff\x7f",
                                    kText + "EventLog-Description: ", cameras}) {
    // The command runs in a child (its peak resident size starts afresh at
    // the fork), while the peer sends the answer and then 128 MiB more.
    LoopbackPeer peer;
    const auto start = std::chrono::steady_clock::now();
    int channel[2];
    ASSERT_EQ(::pipe(channel), 0);
    if (::fork() == 0) {
      ::alarm(20);
      const long before = PeakKb();
      CVXPPClient client;
      client.SetPort(peer.Port());
      std::vector<std::string> names;
      std::vector<uint32_t> ids;
      const bool failed = answer == cameras ? !client.GetCamInfo("vxpp://127.0.0.1/", 1, names, ids)
                                            : Events(client, "vxpp://127.0.0.1/") == vxpp::kResultFailure;
      const long growthKb = failed ? PeakKb() - before : -1;
      ::_exit(::write(channel[1], &growthKb, sizeof growthKb) == sizeof growthKb ? 0 : 1);
    }
    peer.Serve([&answer](int fd) {
      LoopbackPeer::ReadHeaders(fd);
      std::string bytes = answer;
      for (int i = 0; i < 2048 && ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) > 0; ++i)
        bytes.assign(1 << 16, 'a');
    });
    long growthKb = -1;
    EXPECT_EQ(::read(channel[0], &growthKb, sizeof growthKb), static_cast<ssize_t>(sizeof growthKb)) << answer;
    ::wait(nullptr);
    ::close(channel[0]);
    ::close(channel[1]);
    EXPECT_GE(growthKb, 0) << answer;  // the command failed
    EXPECT_LT(growthKb, 64 * 1024) << answer;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10)) << answer;
  }
}

}  // namespace
