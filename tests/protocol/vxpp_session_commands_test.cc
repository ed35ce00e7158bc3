#include <gtest/gtest.h>

#include "platform/code_page.h"
#include "protocol/password_cipher.h"
#include "protocol/result_codes.h"
#include "protocol/scripted_socket_api.h"
#include "protocol/vxpp_client.h"

namespace {

using End = ScriptedSocketApi::End;

const std::string kUrl = "vxpp://server/";
const char kOk1[] = "VXPP/1.0 200 OK\r\n\r\n";
const char kOk2[] = "VXPP/2.0 200 OK\r\n\r\n";

std::string Enciphered(std::string text) {
  vxpp::Rc4Crypt(vxpp::PasswordCipherKey(), &text);
  return text;
}

class SessionCommandsTest : public ::testing::Test {
 protected:
  SessionCommandsTest() { m_api.SetMaxPiece(3); }
  ~SessionCommandsTest() override { EXPECT_EQ(m_api.OpenSockets(), 0u) << "a command left a socket open"; }

  void Answer(const std::string& text, End end = End::kClose) { m_api.AddAnswer(text).end = end; }
  const std::string& Sent(size_t connection) { return m_api.PeerAt(connection).received; }
  int Login(const std::string& answer, uint32_t key = 0) {
    Answer(answer);
    m_info.handshakeKey = key;
    return m_client.UserLogin(kUrl, "admin", "pw", "", false, false, m_session, m_info, m_privileges);
  }

  ScriptedSocketApi m_api{3};
  CVXPPClient m_client{&m_api};
  uint32_t m_session = 0;
  LoginInfo m_info;
  UserPrivileges m_privileges;
};

TEST_F(SessionCommandsTest, RequestsAreSentByteForByteWithConsecutiveCSeq) {
  m_client.SetClientGUID("{G-1}");
  uint32_t key = 0;
  Answer(kOk1);
  EXPECT_EQ(m_client.GetLoginHandshakingKey(kUrl, "admin", "pw", "dual", key), 0);
  EXPECT_EQ(Sent(0),
            "GETLOGINHANDSHAKINGKEY vxpp://server/ VXPP/2.0\r\nCSeq: 0\r\nUsername: admin\r\nPassword-Length: 2\r\n"
            "DualPassword-Length: 4\r\nVXPP-Client-Version: 2.0\r\n\r\n" +
                Enciphered("pw") + Enciphered("dual"));

  EXPECT_EQ(Login(kOk1), vxpp::kLoginUserNotValid);
  EXPECT_EQ(Sent(1),
            "USERLOGIN vxpp://server/ VXPP/1.0\r\nCSeq: 1\r\nUsername: admin\r\nPassword-Length: 2\r\n"
            "ClientCodepageCap: 0\r\nClient-GUID: {G-1}\r\nHasLoginHandShakingKey: 0\r\nSupportDualPwd:1\r\n"
            "Support-Channel-Count: 128\r\nSupportNEXTGOP: 1\r\nVXPP-Client-Version: 2.0\r\n\r\n" +
                Enciphered("pw"));

  // Handshake digits, dual password, backup and fail-over lines.
  Answer(kOk1);
  m_info.handshakeKey = 4711;
  m_info.clientCodePageCap = 65001;  // reset by the login
  m_info.failoverLoginServer = "10.0.0.9";
  m_info.onGuardServicePort = 5180;
  m_client.UserLogin(kUrl, "admin", "pw", "dp", true, true, m_session, m_info, m_privileges);
  EXPECT_EQ(Sent(2),
            "USERLOGIN vxpp://server/ VXPP/1.0\r\nCSeq: 2\r\nUsername: admin\r\nPassword-Length: 6\r\n"
            "ClientCodepageCap: 0\r\nClient-GUID: {G-1}\r\nHasLoginHandShakingKey: 1\r\n"
            "Failover-Login-Server: 10.0.0.9\r\nOn-Guard-Service-Port: 5180\r\nSupportDualPwd:1\r\n"
            "DualPwdContent:" + vxpp::Base64Encode(Enciphered("dp4711")) +
                "\r\nForBackUp:1\r\nSupport-Channel-Count: 128\r\nSupportNEXTGOP: 1\r\n"
                "VXPP-Client-Version: 2.0\r\n\r\n" + Enciphered("pw4711"));

  // The commands that carry only the session number.
  const std::pair<const char*, const char*> simple[] = {
      {"USERLOGOUT", "VXPP/1.0"},         {"QUERYIFALIVE", "VXPP/2.0"},    {"GETSERVERINFO", "VXPP/2.0"},
      {"QUERYFUNCTIONS", "VXPP/2.0"},     {"MAXDURATIONDAY", "VXPP/2.0"},  {"GETACCESSPERIOD", "VXPP/2.0"},
      {"GETFAILOVERHISTORY", "VXPP/2.0"}, {"GETONGUARDSERVICEPORT", "VXPP/2.0"}, {"GETFAILOVERTOKEN", "VXPP/2.0"}};
  for (const auto& [word, version] : simple) Answer(std::string(version) + " 200 OK\r\n\r\n");
  bool alive = false;
  std::string functions;
  int number = 0, other = 0;
  std::vector<std::string> history;
  std::map<std::string, std::string> tokens;
  EXPECT_TRUE(m_client.UserLogout(kUrl, 77));
  EXPECT_TRUE(m_client.QueryIfAlive(kUrl, 77, alive));
  EXPECT_TRUE(m_client.GetServerInfo(kUrl, 77));
  EXPECT_EQ(m_client.QueryFunctions(kUrl, 77, functions), 0);
  EXPECT_TRUE(m_client.MaxDurationDay(kUrl, 77, number));
  EXPECT_TRUE(m_client.GetAccessPeriod(kUrl, 77, number, other));
  EXPECT_TRUE(m_client.GetFailoverHistory(kUrl, 77, history));
  EXPECT_TRUE(m_client.GetOnGuardServicePort(kUrl, 77, number));
  EXPECT_TRUE(m_client.GetFailoverToken(kUrl, 77, tokens));
  for (size_t i = 0; i < std::size(simple); ++i) {
    EXPECT_EQ(Sent(3 + i), std::string(simple[i].first) + " vxpp://server/ " + simple[i].second + "\r\nCSeq: " +
                               std::to_string(3 + i) + "\r\nUser-Session-No: 77\r\n\r\n");
  }

  // A command that never reached the server takes no CSeq.
  EXPECT_FALSE(m_client.UserLogout("vxpp://nobody/", 77));
  EXPECT_EQ(m_client.NextCSeq(), 3 + std::size(simple));
  EXPECT_EQ(m_client.Host(), "nobody");
  EXPECT_EQ(m_api.PeerAt(0).port, 5160);
}

TEST_F(SessionCommandsTest, LoginResultsFollowStatusAndUserValid) {
  EXPECT_EQ(Login("VXPP/1.0 200 OK\r\nUser-Valid: 1\r\nUser-Session-No: 4242\r\n\r\n"), vxpp::kLoginSuccess);
  EXPECT_EQ(m_session, 4242u);
  // Not valid, but the session number and the rest are still read.
  EXPECT_EQ(Login("VXPP/1.0 200 OK\r\nUser-Valid: 0\r\nUser-Session-No: 9\r\nUser-Privilege: 3\r\n\r\n"),
            vxpp::kLoginUserNotValid);
  EXPECT_EQ(m_session, 9u);
  EXPECT_EQ(m_privileges.privilegeMask, 3u);
  EXPECT_EQ(Login("VXPP/1.0 500 Internal Error\r\n\r\n"), vxpp::kLoginNoConnection);
  EXPECT_EQ(Login("VXPP/1.0 403 Forbidden\r\n\r\n"), 403);
  EXPECT_EQ(Login("VXPP/2.0 200 OK\r\nUser-Valid: 1\r\n\r\n"), vxpp::kLoginNoConnection);  // wrong version
  EXPECT_EQ(Login("VXPP/1.0 200 OK\r\nUser-Va"), vxpp::kLoginNoConnection);               // closed mid-header
  EXPECT_EQ(m_client.UserLogin(kUrl, "admin", "pw", "", false, false, m_session, m_info, m_privileges),
            vxpp::kLoginNoConnection);  // nobody answers
  const size_t resolved = m_api.ResolvedHosts().size();
  // A URL without "://" has no host: nothing is tried.
  EXPECT_EQ(m_client.UserLogin("server", "admin", "pw", "", false, false, m_session, m_info, m_privileges),
            vxpp::kLoginNoConnection);
  EXPECT_EQ(m_client.Host(), "");
  // A password too long for the cipher's buffer is not sent.
  EXPECT_EQ(m_client.UserLogin(kUrl, "admin", std::string(256, 'p'), "", false, false, m_session, m_info,
                               m_privileges),
            vxpp::kLoginNoConnection);
  EXPECT_EQ(m_api.ResolvedHosts().size(), resolved);
}

// A real server's logins, session answers and fail-over lists are in
// tests/tools; here the header values and answers it never sends.
TEST_F(SessionCommandsTest, LoginReadsOddValuesAndTheServerKind) {
  ASSERT_EQ(Login("VXPP/1.0 200 OK\r\nUser-Valid: 1\r\nNew-Camera-ID: 99\r\nCamera-ID: 5;6\r\n"
                  "SupportMetadataMultipart: 1\r\nSupportNEXTGOP: 2\r\nHasFailoverHistory: 2\r\n"
                  "AllowPOS: 1;x\r\n\r\n"),
            0);
  EXPECT_EQ(m_info.cameraIds, "99");  // the first occurrence, inside a longer name
  EXPECT_TRUE(m_info.supportsMetadataMultipart);
  EXPECT_TRUE(m_info.supportsNextGop);
  EXPECT_FALSE(m_info.hasFailoverHistory);
  EXPECT_EQ(m_privileges.allowPos, "1");
  Login("VXPP/1.0 200 OK\r\nServer-Type: Other\r\nUser-Privilege: 0\r\n\r\n");
  EXPECT_EQ(m_info.serverKind, vxpp::kServerKindUnknown);
  Login("VXPP/1.0 200 OK\r\nServer-Type: Other\r\nUser-Privilege: 5\r\n\r\n");
  EXPECT_EQ(m_client.ServerKind(), vxpp::kServerKindOther);
  Answer("VXPP/2.0 200 OK\r\nServer-Type: Other\r\nServer-Version: 1 a\r\n\r\n");
  EXPECT_TRUE(m_client.GetServerInfo(kUrl, 1));
  EXPECT_EQ(m_client.ServerKind(), vxpp::kServerKindUnknown);
  EXPECT_EQ(m_client.ServerDescription(), "Other1 a");

  // Camera names come out in the local code page only from a UTF-8 server.
  platform::SetSystemCodePage(1252);
  Login("VXPP/1.0 200 OK\r\nServerCodePageCap: 65001\r\nCamera-Names: Caf\xC3\xA9\r\n\r\n");
  EXPECT_EQ(m_info.cameraNames, "Caf\xE9");
  Login("VXPP/1.0 200 OK\r\nServerCodePageCap: 0\r\nCamera-Names: Caf\xC3\xA9\r\n\r\n");
  EXPECT_EQ(m_info.cameraNames, "Caf\xC3\xA9");
  platform::SetSystemCodePage(0);
}

TEST_F(SessionCommandsTest, RefusedBrokenAndOddAnswers) {
  uint32_t key = 1;
  Answer("VXPP/2.0 404 Not Found\r\n\r\n");
  EXPECT_EQ(m_client.GetLoginHandshakingKey(kUrl, "u", "p", "", key), 404);
  Answer("HTTP/1.1 200 OK\r\n\r\n");
  EXPECT_EQ(m_client.GetLoginHandshakingKey(kUrl, "u", "p", "", key), vxpp::kLoginNoConnection);
  bool alive = false;
  Answer("VXPP/2.0 404 Not Found\r\n\r\n");
  EXPECT_FALSE(m_client.QueryIfAlive(kUrl, 1, alive));
  Answer(kOk2);
  EXPECT_FALSE(m_client.UserLogout(kUrl, 1));  // expects VXPP/1.0

  std::string functions;
  Answer("VXPP/2.0 200 OK\r\nBroken: x\r\n\r\n");
  ASSERT_EQ(m_client.QueryFunctions(kUrl, 1, functions), vxpp::kFunctionsSuccess);
  bool supported = false;
  EXPECT_FALSE(m_client.IsFunctionSupported(functions, "Broken", supported));
  EXPECT_FALSE(m_client.IsFunctionSupported(functions, "Missing", supported));
  Answer("VXPP/2.0 500 Error\r\n\r\n");
  EXPECT_EQ(m_client.QueryFunctions(kUrl, 1, functions), vxpp::kFunctionsStatusNotOk);
  Answer("VXPP/2.0 200", End::kReset);
  EXPECT_EQ(m_client.QueryFunctions(kUrl, 1, functions), vxpp::kFunctionsTransportFailure);
  EXPECT_EQ(m_client.QueryFunctions(kUrl, 1, functions), vxpp::kFunctionsNoConnection);

  int enabled = -5, period = -5, port = -5;
  Answer("VXPP/2.0 200 OK\r\nAccess-Video-Period: 7\r\n\r\n");
  EXPECT_TRUE(m_client.GetAccessPeriod(kUrl, 1, enabled, period));
  EXPECT_EQ(enabled, -5);  // absent: unchanged
  Answer("VXPP/2.0 404 Not Found\r\nOnGuardServicePort: 1\r\n\r\n");
  EXPECT_FALSE(m_client.GetOnGuardServicePort(kUrl, 1, port));
  EXPECT_EQ(port, -5);
  // Lists replace what the caller held; entries are found by number, up to the count.
  std::vector<std::string> history = {"stale"};
  Answer("VXPP/2.0 200 OK\r\nHistory-Count: 2\r\nHistory0001: b;x\r\nHistory0000: a\r\nHistory0002: c\r\n\r\n");
  EXPECT_TRUE(m_client.GetFailoverHistory(kUrl, 1, history));
  EXPECT_EQ(history, (std::vector<std::string>{"a", "b"}));
  std::map<std::string, std::string> tokens = {{"old", "x"}};
  Answer("VXPP/2.0 200 OK\r\nToken-Count: 1\r\nToken0000: t1\r\nServer0000: s1\r\n\r\n");
  EXPECT_TRUE(m_client.GetFailoverToken(kUrl, 1, tokens));
  EXPECT_EQ(tokens, (std::map<std::string, std::string>{{"s1", "t1"}}));
}

TEST_F(SessionCommandsTest, StalledServersFailAfterEachCommandsTimeOut) {
  struct Case {
    const char* name;
    std::function<bool()> run;
    uint64_t failsAfterMs;
  };
  uint32_t key = 0;
  bool alive = false;
  std::string functions;
  // A peer that answers part of a header block and then stops.
  const std::vector<Case> partial = {
      {"handshake", [&] { return m_client.GetLoginHandshakingKey(kUrl, "u", "p", "", key) == 0; }, 60000},
      {"functions", [&] { return m_client.QueryFunctions(kUrl, 1, functions) == 0; }, 30000},
      {"alive", [&] { return m_client.QueryIfAlive(kUrl, 1, alive); }, 5000},
      {"server info", [&] { return m_client.GetServerInfo(kUrl, 1); }, 5000},
  };
  for (const Case& c : partial) {
    Answer("VXPP/2.0 20", End::kStall);
    const uint64_t before = m_api.ElapsedMs();
    EXPECT_FALSE(c.run()) << c.name;
    EXPECT_EQ(m_api.ElapsedMs() - before, c.failsAfterMs) << c.name;
  }

  // A server that keeps the connection open without a byte: the commands
  // that wait for the answer give up when the pace window ends.
  m_api.AddPeer().end = End::kStall;
  uint64_t before = m_api.ElapsedMs();
  EXPECT_FALSE(m_client.GetServerInfo(kUrl, 1));
  EXPECT_EQ(m_api.ElapsedMs() - before, vxpp::TransferLimits{}.stallWindowMs);
  // An answer that comes after 12 seconds is still taken.
  m_api.AddPeer().Then("VXPP/2.0 200 OK\r\nMaxDurationDay: 3\r\n\r\n", 12000);
  int days = 0;
  EXPECT_TRUE(m_client.MaxDurationDay(kUrl, 1, days));
  EXPECT_EQ(days, 3);

  // The connect time-out is the client's setting; 0 is the blocking connect.
  m_api.AddPeer().connectError = 10060;
  before = m_api.ElapsedMs();
  EXPECT_FALSE(m_client.UserLogout(kUrl, 1));
  EXPECT_EQ(m_api.ElapsedMs() - before, 1000u);
  m_client.SetConnectTimeout(0);
  m_client.SetPort(6000);
  Answer(kOk1);
  EXPECT_TRUE(m_client.UserLogout(kUrl, 1));
  EXPECT_EQ(m_api.PeerAt(m_api.Connections() - 1).port, 6000);
}

}  // namespace
