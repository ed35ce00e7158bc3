#include <atomic>
#include <chrono>

#include "protocol/result_codes.h"
#include "tools/logview-demo/demo_installation.h"
#include "tools/raw_connection.h"
#include "tools/server_fixture.h"

namespace {

using ServerTest = ServerFixture;

TEST_F(ServerTest, LoginWithAndWithoutHandshakeKeyAndDualPassword) {
  StartServer();
  ASSERT_EQ(Login("admin", "admin"), vxpp::kLoginSuccess);
  EXPECT_NE(m_session, 0u);
  EXPECT_EQ(m_privileges.privilegeMask, UINT64_MAX);
  EXPECT_EQ(m_privileges.allowPos, "1");
  EXPECT_EQ(m_privileges.allowRemotePlaybackChannels, "8");
  EXPECT_EQ(m_privileges.remoteLoginTimeout, "30");
  EXPECT_EQ(m_info.serverKind, vxpp::kServerKindVantor);
  EXPECT_EQ(m_client.ServerDescription(), "Vantor3,2,0,1");
  EXPECT_EQ(m_info.cameraIds, "11;12");
  EXPECT_EQ(m_info.cameraNames, "Gate;Hall");
  EXPECT_TRUE(m_info.hasFailoverHistory);
  EXPECT_EQ(m_client.ServerCodePageCap(), 65001u);

  EXPECT_EQ(Login("admin", "wrong"), vxpp::kLoginUserNotValid);
  EXPECT_EQ(m_session, 0u);
  EXPECT_EQ(Login("nobody", "admin"), vxpp::kLoginUserNotValid);

  // With a handshake key: the key is good for one login.
  uint32_t key = 0;
  ASSERT_EQ(m_client.GetLoginHandshakingKey(kUrl, "operator", "op", "", key), vxpp::kLoginSuccess);
  EXPECT_NE(key, 0u);
  EXPECT_EQ(Login("operator", "op", key), vxpp::kLoginSuccess);
  EXPECT_EQ(m_privileges.allowPos, "0");
  EXPECT_EQ(m_privileges.allowRemotePlaybackChannels, "16");
  EXPECT_EQ(Login("operator", "op", key), vxpp::kLoginUserNotValid);
  EXPECT_EQ(Login("operator", "op", key + 1), vxpp::kLoginUserNotValid);

  // A user with a dual password needs both.
  EXPECT_EQ(Login("guard", "g1"), vxpp::kLoginUserNotValid);
  EXPECT_EQ(Login("guard", "g1", 0, "bad"), vxpp::kLoginUserNotValid);
  EXPECT_EQ(Login("guard", "g1", 0, "g2"), vxpp::kLoginSuccess);
  ASSERT_EQ(m_client.GetLoginHandshakingKey(kUrl, "guard", "g1", "g2", key), vxpp::kLoginSuccess);
  EXPECT_EQ(Login("guard", "g1", key, "g2"), vxpp::kLoginSuccess);

  // Without handshakes the server hands out no key and a plain login works.
  StopServer();
  StartServer([](vxpp_server::ServerSettings& s) {
    s.handshake = false;
    s.serverType = "Ravlo";
  });
  key = 7;
  EXPECT_EQ(m_client.GetLoginHandshakingKey(kUrl, "admin", "admin", "", key), vxpp::kLoginSuccess);
  EXPECT_EQ(key, 0u);
  EXPECT_EQ(Login("admin", "admin", key), vxpp::kLoginSuccess);
  EXPECT_EQ(m_client.ServerKind(), vxpp::kServerKindRavlo);
}

TEST_F(ServerTest, SessionsLiveExpireAndEnd) {
  StartServer([](vxpp_server::ServerSettings& s) { s.sessionIdle = std::chrono::milliseconds(300); });
  ASSERT_EQ(Login("admin", "admin"), 0);
  const uint32_t first = m_session;
  bool alive = false;
  EXPECT_TRUE(m_client.QueryIfAlive(kUrl, first, alive));
  EXPECT_TRUE(alive);
  std::this_thread::sleep_for(std::chrono::milliseconds(450));
  EXPECT_TRUE(m_client.QueryIfAlive(kUrl, first, alive));
  EXPECT_FALSE(alive);
  EXPECT_FALSE(m_client.GetServerInfo(kUrl, first));  // expired sessions get nothing

  ASSERT_EQ(Login("admin", "admin"), 0);
  EXPECT_NE(m_session, first);
  EXPECT_TRUE(m_client.UserLogout(kUrl, m_session));
  EXPECT_TRUE(m_client.QueryIfAlive(kUrl, m_session, alive));
  EXPECT_FALSE(alive);
  EXPECT_FALSE(m_client.UserLogout(kUrl, m_session));
  EXPECT_FALSE(m_client.UserLogout(kUrl, 0));
}

TEST_F(ServerTest, IdentityFunctionsLimitsAndFailoverData) {
  StartServer();
  ASSERT_EQ(Login("admin", "admin"), 0);
  EXPECT_TRUE(m_client.GetServerInfo(kUrl, m_session));
  EXPECT_EQ(m_client.ServerKind(), vxpp::kServerKindVantor);

  std::string functions;
  ASSERT_EQ(m_client.QueryFunctions(kUrl, m_session, functions), vxpp::kFunctionsSuccess);
  bool supported = false;
  EXPECT_TRUE(m_client.IsFunctionSupported(functions, "SupportPOS", supported) && supported);
  EXPECT_TRUE(m_client.IsFunctionSupported(functions, "SupportIVS", supported));
  EXPECT_FALSE(supported);

  int days = 0, enabled = 0, period = 0, port = 0;
  EXPECT_TRUE(m_client.MaxDurationDay(kUrl, m_session, days));
  EXPECT_EQ(days, 45);
  EXPECT_TRUE(m_client.GetAccessPeriod(kUrl, m_session, enabled, period));
  EXPECT_EQ(enabled, 1);
  EXPECT_EQ(period, 14);
  EXPECT_TRUE(m_client.GetOnGuardServicePort(kUrl, m_session, port));
  EXPECT_EQ(port, 5180);
  std::vector<std::string> history;
  EXPECT_TRUE(m_client.GetFailoverHistory(kUrl, m_session, history));
  EXPECT_EQ(history, (std::vector<std::string>{"10.0.0.2", "10.0.0.3"}));
  std::map<std::string, std::string> tokens;
  EXPECT_TRUE(m_client.GetFailoverToken(kUrl, m_session, tokens));
  EXPECT_EQ(tokens, (std::map<std::string, std::string>{{"10.0.0.2", "tok-a"}}));

  // A fail-over login is an ordinary login for this server.
  m_info.failoverLoginServer = "10.0.0.2";
  m_info.onGuardServicePort = 5180;
  EXPECT_EQ(m_client.UserLogin(kUrl, "admin", "admin", "", true, false, m_session, m_info, m_privileges), 0);

  // Every exchange took the next CSeq, and the server logged one line each
  // (a worker logs after its answer is sent, so stop the server to wait for them).
  EXPECT_EQ(m_client.NextCSeq(), 9u);
  StopServer();
  EXPECT_EQ(LogLines().size(), 9u);
  EXPECT_NE(LogLines().front().find("USERLOGIN 200"), std::string::npos);
}

TEST_F(ServerTest, DemoInstallationServesItsUsers) {
  DemoOptions demo;
  demo.days = 1;
  demo.eventsPerDay = 10;
  demo.folder = m_folder + "/site";
  std::string problems;
  ASSERT_TRUE(WriteDemoInstallation(demo, [](const std::string&) {}, &problems)) << problems;
  Run(vxpp_server::Service::Load(demo.folder, &problems));
  EXPECT_EQ(problems, "");

  uint32_t key = 0;
  ASSERT_EQ(m_client.GetLoginHandshakingKey(kUrl, "admin", "admin", "", key), 0);
  EXPECT_EQ(Login("admin", "admin", key), vxpp::kLoginSuccess);
  EXPECT_EQ(m_privileges.privilegeMask, UINT64_MAX);
  EXPECT_FALSE(m_info.cameraIds.empty());
  EXPECT_EQ(Login("operator", "operator"), vxpp::kLoginSuccess);
  EXPECT_EQ(m_privileges.allowRemotePlaybackChannels, "4");
  EXPECT_EQ(Login("chief", "chief"), vxpp::kLoginUserNotValid);
  EXPECT_EQ(Login("chief", "chief", 0, "second"), vxpp::kLoginSuccess);
  EXPECT_EQ(Login("guard01", "guard01"), vxpp::kLoginSuccess);
  EXPECT_EQ(m_privileges.privilegeMask, 1u);
}

TEST_F(ServerTest, BadRequestsAreBoundedAndManyClientsAreServed) {
  StartServer();
  {
    RawConnection raw(m_service->Port());
    raw.Send("NONSENSE\r\n\r\n");
    EXPECT_EQ(raw.ReadToEnd().rfind("VXPP/2.0 400 Bad Request\r\n", 0), 0u);
  }
  {
    RawConnection raw(m_service->Port());
    raw.Send("FROBNICATE vxpp://x/ VXPP/1.0\r\nCSeq: 41\r\n\r\nQUERYIFALIVE vxpp://x/ VXPP/2.0\r\nCSeq: 42\r\n"
             "User-Session-No: 5\r\n\r\n");
    const std::string answers = raw.ReadToEnd();
    EXPECT_EQ(answers.rfind("VXPP/1.0 501 Not Implemented\r\nCSeq: 41\r\n", 0), 0u);
    EXPECT_NE(answers.find("VXPP/2.0 702 Session Expired\r\nCSeq: 42\r\n"), std::string::npos);
  }
  {
    // A header block without end is cut off at its size bound.
    RawConnection raw(m_service->Port());
    raw.Send("USERLOGIN vxpp://x/ VXPP/1.0\r\n" + std::string(70 * 1024, 'a'));
    EXPECT_EQ(raw.ReadToEnd(), "");
  }
  {
    // A password length beyond the cipher's buffer is refused.
    RawConnection raw(m_service->Port());
    raw.Send("USERLOGIN vxpp://x/ VXPP/1.0\r\nCSeq: 1\r\nUsername: admin\r\nPassword-Length: 100000\r\n\r\n");
    EXPECT_EQ(raw.ReadToEnd().rfind("VXPP/1.0 400 Bad Request\r\n", 0), 0u);
  }

  // Clients at once, each with its own client object.
  std::atomic<int> loggedIn{0};
  std::vector<std::thread> clients;
  for (int i = 0; i < 8; ++i) {
    clients.emplace_back([&] {
      CVXPPClient client;
      client.SetPort(m_service->Port());
      uint32_t session = 0;
      LoginInfo info;
      UserPrivileges privileges;
      bool alive = false;
      if (client.UserLogin(kUrl, "admin", "admin", "", false, false, session, info, privileges) == 0 &&
          client.QueryIfAlive(kUrl, session, alive) && alive)
        ++loggedIn;
    });
  }
  for (auto& client : clients) client.join();
  EXPECT_EQ(loggedIn, 8);
}

}  // namespace
