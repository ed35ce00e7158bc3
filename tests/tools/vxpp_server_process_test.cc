// The vxpp-server executable itself: started on a free port, used by a
// client and stopped with SIGTERM.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "protocol/result_codes.h"
#include "tools/server_fixture.h"

namespace {

using ServerProcessTest = ServerFixture;

TEST_F(ServerProcessTest, ServesLoginsAndStopsOnSigterm) {
  int errors[2];
  ASSERT_EQ(pipe(errors), 0);
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    dup2(errors[1], 2);
    execl(VXPP_SERVER_PATH, "vxpp-server", "--install", m_folder.c_str(), "--port", "0", nullptr);
    _exit(127);
  }
  close(errors[1]);
  FILE* log = fdopen(errors[0], "r");
  char line[512] = {};
  ASSERT_NE(fgets(line, sizeof line, log), nullptr);
  unsigned port = 0;
  const char* at = strstr(line, "127.0.0.1:");
  ASSERT_NE(at, nullptr) << line;
  ASSERT_EQ(sscanf(at, "127.0.0.1:%u", &port), 1);

  m_client.SetPort(port);
  EXPECT_EQ(Login("admin", "admin"), vxpp::kLoginSuccess);
  EXPECT_EQ(Login("admin", "nope"), vxpp::kLoginUserNotValid);
  EXPECT_TRUE(m_client.UserLogout(kUrl, m_session) == false);  // the failed login gave session 0

  kill(pid, SIGTERM);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  std::string rest;
  while (fgets(line, sizeof line, log)) rest += line;
  fclose(log);
  EXPECT_NE(rest.find("USERLOGIN 200"), std::string::npos) << rest;
  EXPECT_NE(rest.find("USERLOGOUT 702"), std::string::npos) << rest;
  EXPECT_NE(rest.find("stopped"), std::string::npos) << rest;

  // Bad usage ends at once with status 2.
  EXPECT_EQ(system(VXPP_SERVER_PATH " --port 1 2>/dev/null"), 2 << 8);
}

}  // namespace
