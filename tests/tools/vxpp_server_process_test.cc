// The vxpp-server executable itself: started on a free port, used by a
// client and stopped with SIGTERM.
#include <cstdlib>

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

  // Bad usage ends at once with status 2.
  EXPECT_EQ(system(VXPP_SERVER_PATH " --port 1 2>/dev/null"), 2 << 8);
}

}  // namespace
