// The vxpp-server executable itself: started on a free port, used by a
// client, told to read its users again and stopped with SIGTERM.
#include <cstdlib>
#include <fstream>

#include "protocol/result_codes.h"
#include "tools/server_fixture.h"
#include "tools/server_process.h"

namespace {

using ServerProcessTest = ServerFixture;

TEST_F(ServerProcessTest, ServesLoginsAndStopsOnSigterm) {
  ServerProcess server(m_folder);
  ASSERT_NE(server.Port(), 0);
  m_client.SetPort(server.Port());
  EXPECT_EQ(Login("admin", "admin"), vxpp::kLoginSuccess);
  EXPECT_EQ(Login("admin", "nope"), vxpp::kLoginUserNotValid);
  EXPECT_TRUE(m_client.UserLogout(kUrl, m_session) == false);  // the failed login gave session 0

  EXPECT_EQ(server.Stop(), 0);
  const std::string log = server.Log();
  EXPECT_NE(log.find("USERLOGIN 200"), std::string::npos) << log;
  EXPECT_NE(log.find("USERLOGOUT 702"), std::string::npos) << log;
  EXPECT_NE(log.find("stopped"), std::string::npos) << log;

  // Bad usage ends at once with status 2; --version answers alone.
  EXPECT_EQ(system(VXPP_SERVER_PATH " --port 1 2>/dev/null"), 2 << 8);
  EXPECT_EQ(system(VXPP_SERVER_PATH " --version >/dev/null"), 0);
}

// The service's users file, named on the command line, is read again on
// SIGHUP; a file that cannot be used keeps the users before it.
TEST_F(ServerProcessTest, ReadsItsUsersFileAgainOnSighup) {
  const std::string users = m_folder + "/service-users.ini";
  std::ofstream(users) << "[night]\nPassword=n1\nPrivilege=1\n";
  ServerProcess server(m_folder, {"--users", users});
  ASSERT_NE(server.Port(), 0);
  m_client.SetPort(server.Port());
  EXPECT_EQ(Login("night", "n1"), vxpp::kLoginSuccess);
  EXPECT_EQ(Login("admin", "admin"), vxpp::kLoginUserNotValid);

  const auto reload = [&](const std::string& text, const std::string& line) {
    std::ofstream(users) << text;
    server.Signal(SIGHUP);
    for (int i = 0; i < 500 && server.Log().find(line) == std::string::npos; ++i) usleep(10000);
    EXPECT_NE(server.Log().find(line), std::string::npos) << server.Log();
  };
  reload("[admin]\nPassword=admin\nPrivilege=1\n", "reloaded: 1 users from " + users);
  EXPECT_EQ(Login("admin", "admin"), vxpp::kLoginSuccess);
  EXPECT_EQ(Login("night", "n1"), vxpp::kLoginUserNotValid);
  reload("", "not reloaded: no users in " + users + ", keeping the users before");
  EXPECT_EQ(Login("admin", "admin"), vxpp::kLoginSuccess);
  EXPECT_EQ(server.Stop(), 0);
}

}  // namespace
