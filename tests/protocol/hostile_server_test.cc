// The client against servers that stall, drip, lie about lengths or never
// end a block.  Pace and ceiling run on the scripted socket's virtual clock
// with the client's default limits; memory is measured on loopback in a
// child process, whose peak resident size may grow by less than 64 MiB.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <climits>
#include <cstdio>
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
  std::vector<EventLogBasket> records;
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

  // The ceiling is the client's to set; a long block that ends is taken in
  // a few receives, not one byte at a time.
  ScriptedSocketApi api;
  api.SetMaxPiece(1 << 16);
  Peer& steady = api.AddPeer().Then(kBinary);
  for (int i = 0; i < 10; ++i) steady.Then(std::string(2800, '\0'), 4000);
  api.AddAnswer(kText + "EventLog-Description: " + std::string(60000, 'x') + "\r\n\r\n");
  CVXPPClient client(&api);
  client.SetTransferLimits({30000, 1024, 20000});
  EXPECT_EQ(Events(client), vxpp::kResultFailure);
  EXPECT_EQ(api.ElapsedMs(), 20000u);
  const size_t before = api.Receives();
  EXPECT_EQ(Events(client), vxpp::kResultSuccess);
  EXPECT_LT(api.Receives() - before, 20u);
}

// Runs `command` in a child process while `peer` sends `answer` and then
// 128 MiB more; the command's result, or -100 when the child died.
int RunInChild(LoopbackPeer& peer, const std::string& answer, const std::function<int()>& command, long* growthKb) {
  int channel[2];
  if (::pipe(channel) != 0) return -100;
  if (::fork() == 0) {
    ::alarm(20);
    long pages = 0, resident = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    const bool measured = statm != nullptr && std::fscanf(statm, "%ld %ld", &pages, &resident) == 2;
    if (statm != nullptr) std::fclose(statm);
    long report[2] = {command(), 0};
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    report[1] = measured ? usage.ru_maxrss - resident * (::sysconf(_SC_PAGESIZE) / 1024) : LONG_MAX;
    ::_exit(::write(channel[1], report, sizeof report) == sizeof report ? 0 : 1);
  }
  peer.Serve([&answer](int fd) {
    LoopbackPeer::ReadHeaders(fd);
    std::string bytes = answer;
    for (int i = 0; i < 2048 && ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) > 0; ++i)
      bytes.assign(1 << 16, 'a');
  });
  long report[2] = {-100, 0};
  const bool read = ::read(channel[0], report, sizeof report) == sizeof report;
  ::wait(nullptr);
  ::close(channel[0]);
  ::close(channel[1]);
  *growthKb = report[1];
  return read ? static_cast<int>(report[0]) : -100;
}

TEST(HostileServerTest, GreedyServersCostBoundedMemoryAndTime) {
  const std::string cameras =
      std::string("VXPP/2.0 200 OK\r\nContent-Length: 8000000\r\n\r\n") + std::string("\x80\x84\x1e\x00", 4);
  for (const std::string& answer : {std::string("VXPP/1.0 200 OK\r\n"), kBinary + kHead + "\xff\xff\xff\x7f",
                                    kText + "EventLog-Description: ", cameras}) {
    LoopbackPeer peer;
    const auto start = std::chrono::steady_clock::now();
    long growthKb = 0;
    const int result = RunInChild(
        peer, answer,
        [&] {
          CVXPPClient client;
          client.SetPort(peer.Port());
          std::vector<std::string> names;
          std::vector<uint32_t> ids;
          if (answer != cameras) return Events(client, "vxpp://127.0.0.1/");
          return client.GetCamInfo("vxpp://127.0.0.1/", 1, names, ids) ? 1 : -1;
        },
        &growthKb);
    EXPECT_EQ(result, -1) << answer;
    EXPECT_LT(growthKb, 64 * 1024) << answer;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10)) << answer;
  }
}

}  // namespace
