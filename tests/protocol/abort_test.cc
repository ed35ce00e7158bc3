// Abort from another thread, against real loopback servers that stall: the
// command under way returns its failure within 100 ms (what a window's
// Cancel button needs), and the client stays aborted until ResetAbort.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "protocol/loopback_peer.h"
#include "protocol/result_codes.h"
#include "protocol/scripted_socket_api.h"
#include "protocol/vxpp_client.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The wake-up itself takes well under a millisecond; the rest of the bound
// is slack for a loaded machine and the sanitizers.
constexpr milliseconds kAbortBound{100};

// Runs `command` (which must fail) while another thread aborts `client`
// once the command has had time to block; returns how long the command ran
// on after the abort.
template <typename Command>
Clock::duration RunUntilAborted(CVXPPClient& client, Command command) {
  Clock::time_point abortedAt;
  std::thread aborter([&] {
    std::this_thread::sleep_for(milliseconds(150));
    abortedAt = Clock::now();
    client.Abort();
  });
  EXPECT_TRUE(command());
  const Clock::time_point endedAt = Clock::now();
  aborter.join();
  const Clock::duration late = endedAt - abortedAt;
  ::testing::Test::RecordProperty("abort_latency_us",
                                  std::to_string(std::chrono::duration_cast<std::chrono::microseconds>(late).count()));
  return late;
}

TEST(AbortTest, AbortEndsAStalledReceiveWithinTheBound) {
  LoopbackPeer peer;
  peer.Serve([](int fd) {
    LoopbackPeer::ReadHeaders(fd);
    LoopbackPeer::Write(fd, "VXPP/1.0 200 OK\r\n");  // part of a header block, then nothing
    char c;
    ::recv(fd, &c, 1, 0);  // until the client closes
  });
  CVXPPClient client;
  client.SetPort(peer.Port());
  EventLogRecords records;
  const Clock::duration late = RunUntilAborted(client, [&] {
    return client.EventLog("vxpp://127.0.0.1/", 1, nullptr, nullptr, CDateTime::Null(), CDateTime::Null(), records,
                           nullptr, nullptr) == vxpp::kResultFailure;
  });
  EXPECT_LT(late, kAbortBound);
}

TEST(AbortTest, AbortEndsAStalledConnectWithinTheBound) {
  LoopbackPeer full(0);
  ASSERT_TRUE(full.FillAcceptQueue());
  CVXPPClient client;
  client.SetPort(full.Port());
  client.SetConnectTimeout(0);  // without the abort, this connect would wait for minutes
  const Clock::duration late = RunUntilAborted(client, [&] { return !client.UserLogout("vxpp://127.0.0.1/", 1); });
  EXPECT_LT(late, kAbortBound);
}

TEST(AbortTest, AnAbortHoldsUntilResetAbort) {
  ScriptedSocketApi api;
  CVXPPClient client(&api);
  api.AddAnswer("VXPP/1.0 200 OK\r\n\r\n");
  EXPECT_TRUE(client.Abort());
  // Every command fails at once, without a connection or a CSeq.
  EXPECT_FALSE(client.UserLogout("vxpp://server/", 1));
  EXPECT_FALSE(client.UserLogout("vxpp://server/", 1));
  EXPECT_EQ(api.Connections(), 0u);
  EXPECT_EQ(client.NextCSeq(), 0u);
  EXPECT_TRUE(client.ResetAbort());
  EXPECT_TRUE(client.UserLogout("vxpp://server/", 1));
  EXPECT_EQ(api.OpenSockets(), 0u);
}

}  // namespace
