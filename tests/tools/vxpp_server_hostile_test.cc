// vxpp-server against hostile peers on loopback.  Each case runs the real
// server process and bounds both the time it takes and the memory the
// server holds: its peak resident size may exceed its size after the first
// login by less than kMaxGrowthKb.  Hosts other than the test's own speak
// from 127.0.0.2.
#include <fcntl.h>
#include <poll.h>

#include <chrono>
#include <memory>
#include <thread>

#include "protocol/password_cipher.h"
#include "protocol/result_codes.h"
#include "protocol/vxpp_bodies.h"
#include "tools/raw_connection.h"
#include "tools/server_fixture.h"
#include "tools/server_process.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr long kMaxGrowthKb = 20 * 1024;
constexpr const char* kOtherHost = "127.0.0.2";

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

std::string LoginRequest(const std::string& user, std::string password) {
  vxpp::Rc4Crypt(vxpp::PasswordCipherKey(), &password);
  return "USERLOGIN vxpp://x/ VXPP/1.0\r\nCSeq: 1\r\nUsername: " + user +
         "\r\nPassword-Length: " + std::to_string(password.size()) + "\r\n\r\n" + password;
}

class HostilePeerTest : public ServerFixture {
 protected:
  void SetUp() override {
    m_server = std::make_unique<ServerProcess>(m_folder);
    ASSERT_NE(m_server->Port(), 0);
    m_client.SetPort(m_server->Port());
    ASSERT_EQ(Login("admin", "admin"), vxpp::kLoginSuccess);
    m_baseKb = m_server->ResidentKb();
    m_start = Clock::now();
  }
  void TearDown() override {
    const auto took = Clock::now() - m_start;
    EXPECT_EQ(m_server->Stop(), 0) << m_server->Log();
    EXPECT_LT(m_server->PeakKb() - m_baseKb, kMaxGrowthKb) << "peak " << m_server->PeakKb() << " KiB";
    EXPECT_LT(took, m_timeBound);
  }
  uint16_t Port() const { return m_server->Port(); }

  std::unique_ptr<ServerProcess> m_server;
  long m_baseKb = 0;
  Clock::time_point m_start;
  Clock::duration m_timeBound = 5s;
};

TEST_F(HostilePeerTest, HandshakeKeysCostStrangersNothingAndDoNotCrowdOutTheUser) {
  m_timeBound = 15s;
  // 4,000 key requests for names of 60,000 bytes, none of them a user, on
  // four connections: each is answered with a key, and none is kept.
  constexpr int kConnections = 4, kPerConnection = 1000;
  std::vector<std::thread> clients;
  std::vector<std::string> answers(kConnections);
  for (int c = 0; c < kConnections; ++c) {
    clients.emplace_back([&, c] {
      RawConnection raw(Port());
      std::thread sender([&] {
        for (int i = 0; i < kPerConnection; ++i) {
          std::string name = std::to_string(c * kPerConnection + i);
          name.resize(60000, 'n');
          raw.Write("GETLOGINHANDSHAKINGKEY vxpp://x/ VXPP/2.0\r\nCSeq: 1\r\nUsername: " + name +
                    "\r\nPassword-Length: 0\r\nDualPassword-Length: 0\r\n\r\n");
        }
        ::shutdown(raw.Fd(), SHUT_WR);
      });
      answers[c] = raw.ReadToEnd();
      sender.join();
    });
  }
  for (auto& client : clients) client.join();
  for (const std::string& answer : answers) {
    EXPECT_EQ(Count(answer, "VXPP/2.0 200 OK\r\n"), size_t{kPerConnection});
    EXPECT_EQ(Count(answer, "Login-HandShaking-Key: "), size_t{kPerConnection});
  }

  // Others asking for admin's key leave admin's own among the last eight,
  // and a key serves one login.
  uint32_t key = 0, other = 0;
  ASSERT_EQ(m_client.GetLoginHandshakingKey(kUrl, "admin", "admin", "", key), vxpp::kLoginSuccess);
  for (int i = 0; i < 7; ++i) m_client.GetLoginHandshakingKey(kUrl, "admin", "", "", other);
  EXPECT_EQ(Login("admin", "admin", key), vxpp::kLoginSuccess);
  EXPECT_EQ(Login("admin", "admin", key), vxpp::kLoginUserNotValid);
  ASSERT_EQ(m_client.GetLoginHandshakingKey(kUrl, "admin", "admin", "", key), vxpp::kLoginSuccess);
  for (int i = 0; i < 8; ++i) m_client.GetLoginHandshakingKey(kUrl, "admin", "", "", other);
  EXPECT_EQ(Login("admin", "admin", key), vxpp::kLoginUserNotValid);
}

TEST_F(HostilePeerTest, IdleSocketsOfOneHostDoNotStarveOthers) {
  m_timeBound = 8s;
  // 256 connections from another host that send nothing.
  std::vector<int> idle;
  for (int i = 0; i < 256; ++i) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    ::inet_pton(AF_INET, kOtherHost, &address.sin_addr);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    address.sin_port = htons(Port());
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    idle.push_back(fd);
  }
  // A well-behaved client logs in and searches meanwhile.
  ASSERT_EQ(Login("operator", "op"), vxpp::kLoginSuccess);
  EventLogRecords events;
  int textFormat = 0;
  EXPECT_EQ(m_client.EventLog(kUrl, m_session, nullptr, nullptr, CDateTime::Null(), CDateTime::Null(), events, nullptr,
                              &textFormat),
            vxpp::kResultSuccess);
  EXPECT_LT(Clock::now() - m_start, 6s);

  // The server closes every idle socket: those past the host's share at
  // once, the rest when their first request is overdue.
  size_t open = idle.size();
  while (open > 0 && Clock::now() - m_start < 7s) {
    std::vector<pollfd> entries;
    for (int fd : idle) entries.push_back({fd, POLLIN, 0});
    ::poll(entries.data(), entries.size(), 100);
    open = 0;
    for (const pollfd& entry : entries) {
      char byte;
      const bool closed = entry.revents != 0 && ::recv(entry.fd, &byte, 1, 0) <= 0;
      open += closed ? 0 : 1;
    }
  }
  EXPECT_EQ(open, 0u);
  for (int fd : idle) ::close(fd);
  m_server->Stop();
  EXPECT_EQ(Count(m_server->Log(), "refused: too many connections from its address"), 240u);
}

TEST_F(HostilePeerTest, PasswordGuessesAreThrottledPerHostAndAccount) {
  // Fifty wrong passwords for admin from another host, then the right one.
  std::string guesses;
  for (int i = 0; i < 50; ++i) guesses += LoginRequest("admin", "guess" + std::to_string(i));
  guesses += LoginRequest("admin", "admin");
  RawConnection guesser(Port(), kOtherHost);
  const auto start = Clock::now();
  guesser.Send(guesses);
  const std::string answers = guesser.ReadToEnd();
  // Refused at once, without holding a thread, and the right password too.
  EXPECT_LT(Clock::now() - start, 2s);
  EXPECT_EQ(Count(answers, "User-Valid: 0\r\n"), 51u);

  // The account is locked from every host, the host for every account;
  // other accounts from other hosts log in as ever.
  EXPECT_EQ(Login("admin", "admin"), vxpp::kLoginUserNotValid);
  EXPECT_EQ(Login("operator", "op"), vxpp::kLoginSuccess);
  RawConnection again(Port(), kOtherHost);
  again.Send(LoginRequest("operator", "op"));
  EXPECT_NE(again.ReadToEnd().find("User-Valid: 0\r\n"), std::string::npos);
}

TEST_F(HostilePeerTest, RequestWordsAreEscapedInTheLog) {
  for (const std::string& word : {std::string("QUERYIFALIVE\nforged\rline\x01\\x0A"), std::string(1000, 'A')}) {
    RawConnection raw(Port());
    raw.Send(word + " vxpp://x/ VXPP/2.0\r\nCSeq: 1\r\n\r\n");
    EXPECT_NE(raw.ReadToEnd().find(" 501 "), std::string::npos);  // and so logged
  }
  m_server->Stop();
  const std::string log = m_server->Log();
  EXPECT_NE(log.find(R"( QUERYIFALIVE\x0Aforged\x0Dline\x01\\x0A 501 )"), std::string::npos) << log;
  EXPECT_EQ(log.find("\nforged"), std::string::npos) << log;
  EXPECT_NE(log.find(" " + std::string(200, 'A') + "... 501 "), std::string::npos) << log;
}

TEST_F(HostilePeerTest, WritingCommandsNeedTheirPrivilege) {
  const std::string mark = vxpp::EncodeBookmark({7, 2, CDateTime::FromFields(2024, 3, 5, 10), "Door", ""});
  // guard (privilege 1) may write nothing; operator (5) bookmarks only.
  ASSERT_EQ(Login("guard", "g1", 0, "g2"), vxpp::kLoginSuccess);
  EXPECT_FALSE(m_client.AddSystemLog(kUrl, m_session, 34, {"forged by guard"}));
  EXPECT_FALSE(m_client.AddBookmark(kUrl, m_session, mark));
  ASSERT_EQ(Login("operator", "op"), vxpp::kLoginSuccess);
  EXPECT_FALSE(m_client.AddSystemLog(kUrl, m_session, 34, {"forged by operator"}));
  EXPECT_TRUE(m_client.AddBookmark(kUrl, m_session, mark));
  ASSERT_EQ(Login("admin", "admin"), vxpp::kLoginSuccess);
  // Each string an administrator adds is an entry of the day's system log.
  EXPECT_TRUE(m_client.AddSystemLog(kUrl, m_session, 34, {"\\\\pc;C:\\export", "(3)"}));
  EXPECT_TRUE(m_client.DeleteBookmark(kUrl, m_session, "Bookmark-ID: 7\r\n\r\n"));

  std::vector<SystemLogRecord> system;
  const int type = 34;
  ASSERT_EQ(m_client.SystemLog(kUrl, m_session, &type, CDateTime::Now() - CDateTime::kTicksPerDay, CDateTime::Null(),
                               system),
            vxpp::kResultSuccess);
  ASSERT_EQ(system.size(), 2u);
  EXPECT_EQ(system[0].EventString, "\\\\pc;C:\\export");
  EXPECT_EQ(system[1].Param1, -1);
  m_server->Stop();
  EXPECT_EQ(Count(m_server->Log(), "ADDSYSTEMLOG 403 "), 2u);
  EXPECT_EQ(Count(m_server->Log(), "ADDBOOKMARK 403 "), 1u);
}

}  // namespace
