#include "protocol/socket_helper.h"

#include <gtest/gtest.h>

#include <chrono>

#include "protocol/loopback_peer.h"
#include "protocol/scripted_socket_api.h"
#include "protocol/socket_errors.h"

namespace {

// Runs `step` and returns the socket error it threw: 0 for a time-out, -1
// when it threw nothing.
template <typename Step>
int Thrown(Step step) {
  try {
    step();
  } catch (const vxpp::VxppError& error) {
    return error.kind == vxpp::VxppError::kTimeout ? 0 : error.code;
  }
  return -1;
}

class SocketHelperTest : public ::testing::Test {
 protected:
  void Connect() { EXPECT_TRUE(m_net.ConnectTimeout("server", 5160, 1000)); }

  ScriptedSocketApi m_api;
  CNetHelper m_net{&m_api};
};

// Header blocks read in random pieces, with the body right behind them, are
// the daily work of every command test.
TEST_F(SocketHelperTest, ReceiveFaultsAreThrownInWindowsNumbers) {
  // Peer closes in the middle of a header block.
  m_api.AddPeer().Then("VXPP/2.0 200").end = ScriptedSocketApi::End::kClose;
  Connect();
  EXPECT_EQ(Thrown([&] { m_net.RecvHeaders(5000); }), vxpp::kWsaEconnreset);

  // Peer stalls after part of a header block: the wait for the next byte
  // times out and the failure is 0.
  m_api.AddPeer().Then("VXPP/2.0 2").end = ScriptedSocketApi::End::kStall;
  Connect();
  const uint64_t before = m_api.ElapsedMs();
  EXPECT_EQ(Thrown([&] { m_net.RecvHeaders(5000); }), 0);
  EXPECT_EQ(m_api.ElapsedMs() - before, 5000u);

  // A reset, a close inside an exact read, and the default wait.
  m_api.AddPeer().end = ScriptedSocketApi::End::kReset;
  Connect();
  EXPECT_EQ(Thrown([&] { m_net.RecvUntil("\r\n", 100); }), vxpp::kWsaEconnreset);
  m_api.AddPeer().Then("abc");
  Connect();
  char buffer[8];
  EXPECT_EQ(Thrown([&] { m_net.RecvExact(buffer, 8); }), vxpp::kWsaEconnreset);
  m_api.AddPeer().end = ScriptedSocketApi::End::kStall;
  Connect();
  EXPECT_EQ(Thrown([&] { m_net.RecvExact(buffer, 1, CSocketHelper::kDefaultWait); }), 0);
  EXPECT_EQ(m_api.Waits().back(), 5000u);

  // Send failures.
  m_api.AddPeer().sendError = vxpp::kWsaEconnreset;
  Connect();
  std::string text = "x";
  EXPECT_EQ(Thrown([&] { m_net.SendText(text); }), vxpp::kWsaEconnreset);
  EXPECT_EQ(m_api.OpenSockets(), 1u);  // only the helper's current socket
  m_net.Close();
  EXPECT_EQ(m_api.OpenSockets(), 0u);
}

TEST_F(SocketHelperTest, ConnectFailuresRecordTheLastError) {
  EXPECT_FALSE(m_net.ConnectTimeout("unknown.invalid", 5160, 1000));
  EXPECT_EQ(m_net.LastError(), static_cast<uint32_t>(vxpp::kWsaHostNotFound));
  m_api.AddPeer().connectError = vxpp::kWsaEtimedout;
  EXPECT_FALSE(m_net.ConnectTimeout("server", 5160, 1000));
  EXPECT_EQ(m_net.LastError(), static_cast<uint32_t>(vxpp::kWsaEtimedout));
  EXPECT_FALSE(m_net.IsValid());
  EXPECT_EQ(m_api.OpenSockets(), 0u);
  m_api.AddPeer();
  EXPECT_TRUE(m_net.ConnectTimeout("server", 5160, 1000));
  EXPECT_EQ(m_net.LastError(), 0u);
}

// Real sockets: refused, timed-out and reset connections on loopback.
TEST(SocketHelperLoopbackTest, RefusedTimedOutAndClosedPeers) {
  uint16_t closedPort;
  {
    LoopbackPeer gone;
    closedPort = gone.Port();
  }
  for (uint32_t timeout : {0u, 1000u}) {
    CNetHelper net;
    EXPECT_FALSE(net.ConnectTimeout("127.0.0.1", closedPort, timeout));
    EXPECT_EQ(net.LastError(), static_cast<uint32_t>(vxpp::kWsaEconnrefused)) << timeout;
  }

  // A listener that never accepts and whose queue is full drops further
  // connection attempts: the connect times out.
  LoopbackPeer full(0);
  ASSERT_TRUE(full.FillAcceptQueue());
  CNetHelper late;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(late.ConnectTimeout("127.0.0.1", full.Port(), 1000));
  EXPECT_EQ(late.LastError(), static_cast<uint32_t>(vxpp::kWsaEtimedout));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(950));

  LoopbackPeer peer;
  peer.Serve([](int fd) {
    LoopbackPeer::ReadHeaders(fd);
    LoopbackPeer::Write(fd, "VXPP/2.0 200 OK\r\nCSe");
  });
  CNetHelper net;
  ASSERT_TRUE(net.Connect("127.0.0.1", peer.Port()));
  std::string request = "PING x VXPP/2.0\r\n\r\n";
  net.SendText(request);
  EXPECT_TRUE(request.empty());
  EXPECT_EQ(Thrown([&] { net.RecvHeaders(5000); }), vxpp::kWsaEconnreset);
}

}  // namespace
