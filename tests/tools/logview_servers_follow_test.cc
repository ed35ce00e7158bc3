// logview on several servers at once and following a list as records come,
// run as a user runs it on a small demo installation.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "server_process.h"
#include "temp_folder.h"
#include "tests/tools/two_day_demo.h"

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// logview running with its standard output on a pipe read as it comes.
class LogviewProcess {
 public:
  explicit LogviewProcess(std::vector<std::string> args, const std::string& errPath) {
    int output[2];
    if (pipe(output) != 0) return;
    m_pid = fork();
    if (m_pid == 0) {
      dup2(output[1], 1);
      dup2(open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
      std::vector<char*> argv{const_cast<char*>("logview")};
      for (std::string& arg : args) argv.push_back(arg.data());
      argv.push_back(nullptr);
      alarm(120);
      execv(LOGVIEW_PATH, argv.data());
      _exit(127);
    }
    close(output[1]);
    m_out = output[0];
  }
  ~LogviewProcess() {
    if (m_pid > 0) {
      kill(m_pid, SIGKILL);
      Wait();
    }
    if (m_out >= 0) close(m_out);
  }

  // Reads until `done` holds for the output, the output ends or 20 seconds passed.
  bool ReadUntil(const std::function<bool(const std::string&)>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done(out) && std::chrono::steady_clock::now() < deadline) {
      pollfd fd{m_out, POLLIN, 0};
      if (poll(&fd, 1, 100) <= 0) continue;
      char buffer[4096];
      const ssize_t n = read(m_out, buffer, sizeof buffer);
      if (n <= 0) break;
      out.append(buffer, static_cast<size_t>(n));
    }
    return done(out);
  }
  bool ReadUntil(const std::string& part) {
    return ReadUntil([&part](const std::string& text) { return Has(text, part); });
  }
  // The exit status once it ended (128 + signal when killed).
  int Wait() {
    int status = 0;
    waitpid(m_pid, &status, 0);
    m_pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  void Signal(int number) { kill(m_pid, number); }

  std::string out;

 private:
  pid_t m_pid = -1;
  int m_out = -1;
};

class LogviewServersFollowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(WriteTwoDayDemo(m_folder.File("demo")), ""); }

  std::string Install() const { return m_folder.File("demo"); }

  struct Outcome {
    int status;
    std::string out, err;
  };
  // Runs logview on the installation to its end: `viewer` options, then `page` and its options.
  Outcome Run(std::vector<std::string> viewer, const std::vector<std::string>& page) {
    viewer.insert(viewer.begin(), {"--install", Install()});
    viewer.insert(viewer.end(), page.begin(), page.end());
    LogviewProcess logview(viewer, m_folder.File("err"));
    logview.ReadUntil("\n<the end, never printed>");
    const int status = logview.Wait();
    return {status, logview.out, ReadWholeFile(m_folder.File("err"))};
  }

  // Adds a general motion event of camera 1 to the daily event file of its day.
  void AddEvent(const std::string& day, const std::string& clock, const std::string& description) {
    const std::string path = Install() + "/db/EventLog/EventLog_" + day + ".db";
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    sqlite3_busy_timeout(db, 10000);  // the viewer or the server may be reading it
    const std::string sql =
        "CREATE TABLE IF NOT EXISTS EventLog (Id INTEGER PRIMARY KEY, LogTime INTEGER, ChannelIndex INTEGER, "
        "CameraId INTEGER, EventNumber INTEGER, Description TEXT);"
        "INSERT INTO EventLog (LogTime, ChannelIndex, CameraId, EventNumber, Description) VALUES (" +
        day + clock + ", 0, 1, 0, '" + description + "');";
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
  }

  // Follows the events of the last day with `viewer` options, adds records
  // (two in the last second of the day, then one more in that second and one
  // in the next day's new file) and checks each is printed once, in order.
  void FollowWhileWriting(const std::vector<std::string>& viewer, bool jsonl) {
    std::vector<std::string> args = {"--install", Install()};
    args.insert(args.end(), viewer.begin(), viewer.end());
    args.insert(args.end(), {"events", "--day", "2024-03-05", "--follow", "--interval", "0.1"});
    if (jsonl) args.push_back("--jsonl");
    const auto rows = [jsonl](const std::string& out) {
      return jsonl ? Count(out, "\n") : Count(out, "\r\n") - std::min<size_t>(1, Count(out, "\r\n"));
    };
    const size_t firstRows = Count(Run(viewer, {"events", "--day", "2024-03-05"}).out, "\r\n") - 1;
    ASSERT_GT(firstRows, 0u);
    LogviewProcess follow(args, m_folder.File("err"));
    ASSERT_TRUE(follow.ReadUntil([&](const std::string& out) { return rows(out) == firstRows; }))
        << ReadWholeFile(m_folder.File("err"));

    AddEvent("20240305", "235959", "follow A");
    AddEvent("20240305", "235959", "follow B");
    ASSERT_TRUE(follow.ReadUntil("follow B")) << ReadWholeFile(m_folder.File("err"));
    AddEvent("20240305", "235959", "follow A");  // the same cells, a record of its own
    AddEvent("20240306", "000000", "follow C");
    ASSERT_TRUE(follow.ReadUntil("follow C")) << follow.out;
    const auto later = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    follow.ReadUntil([&](const std::string&) { return std::chrono::steady_clock::now() > later; });  // rounds more
    follow.Signal(SIGTERM);
    EXPECT_EQ(follow.Wait(), 0);

    EXPECT_EQ(Count(follow.out, "follow A"), 2u) << follow.out;
    EXPECT_EQ(Count(follow.out, "follow B"), 1u);
    EXPECT_EQ(Count(follow.out, "follow C"), 1u);
    EXPECT_LT(follow.out.find("follow B"), follow.out.rfind("follow A"));
    EXPECT_LT(follow.out.rfind("follow A"), follow.out.find("follow C"));
    EXPECT_EQ(rows(follow.out), firstRows + 4) << "no row twice";
    if (jsonl) {
      EXPECT_TRUE(follow.out.starts_with("{\"Event Time\": \"2024/03/05 ")) << follow.out.substr(0, 80);
      EXPECT_EQ(Count(follow.out, "\n"), Count(follow.out, "\"state\": "));
    } else {
      EXPECT_TRUE(follow.out.starts_with("Event Time, Event Type, Camera, Description\r\n"));
    }
  }

  TempFolder m_folder;
};

TEST_F(LogviewServersFollowTest, FollowsLocalDatabasesAcrossMidnight) { FollowWhileWriting({}, false); }

TEST_F(LogviewServersFollowTest, FollowsAServerAcrossMidnight) {
  ServerProcess server(Install());
  ASSERT_NE(server.Port(), 0u);
  FollowWhileWriting({"--server", "127.0.0.1:" + std::to_string(server.Port()), "--login", "admin:admin"}, true);
}

// A port of 127.0.0.1 that nothing listens on.
int RefusedPort() {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
  close(s);
  return ntohs(address.sin_port);
}

TEST_F(LogviewServersFollowTest, SearchesManyServersAtOnce) {
  ServerProcess first(Install()), second(Install()), stalled(Install());
  ASSERT_TRUE(first.Port() && second.Port() && stalled.Port());
  stalled.Signal(SIGSTOP);
  const auto label = [](int port) { return "127.0.0.1:" + std::to_string(port); };
  // The stalled server is searched first and keeps its slot; the others pass it in the other.
  const std::string sites = m_folder.Write("sites", "# the site\n" + label(stalled.Port()) + " admin:admin\n\n" +
                                                        label(first.Port()) + " admin:admin\n");
  const std::vector<std::string> servers = {"--sites", sites, "--server", label(second.Port()), "--server",
                                            label(RefusedPort()), "--login", "admin:admin", "--command-limit", "3",
                                            "--parallel", "2"};
  const Outcome merged = Run(servers, {"events", "--day", "2024-03-05"});
  stalled.Signal(SIGCONT);
  const Outcome alone = Run({}, {"events", "--day", "2024-03-05"});
  const std::string rows = std::to_string(Count(alone.out, "\r\n") - 1);
  EXPECT_EQ(merged.status, 2) << merged.err;
  EXPECT_TRUE(Has(merged.err, "server: " + label(second.Port()) + " ok " + rows + "\n")) << merged.err;
  EXPECT_TRUE(Has(merged.err, "server: " + label(first.Port()) + " ok " + rows + "\n")) << merged.err;
  EXPECT_TRUE(Has(merged.err, "server: " + label(stalled.Port()) + " failed: [VXPP] ")) << merged.err;
  EXPECT_EQ(Count(merged.err, " failed: "), 2u) << merged.err;
  EXPECT_LT(merged.err.rfind(" ok "), merged.err.find("server: " + label(stalled.Port())))
      << "the stalled server holds no one up";

  EXPECT_TRUE(merged.out.starts_with("Server, Event Time, Event Type, Camera, Description\r\n")) << merged.out;
  EXPECT_EQ(Count(merged.out, "\r\n"), 1 + 2 * (Count(alone.out, "\r\n") - 1));
  std::string previous;
  for (size_t at = merged.out.find("\r\n") + 2, end; (end = merged.out.find("\r\n", at)) != std::string::npos;
       at = end + 2) {
    const std::string time = merged.out.substr(merged.out.find(", ", at) + 2, 19);
    EXPECT_LE(previous, time);
    previous = time;
  }

  // No data on a day the server keeps no database for; no events on a day it does.
  const std::vector<std::string> answering = {"--server", label(first.Port()), "--server", label(second.Port()),
                                              "--login", "admin:admin"};
  const Outcome noData = Run(answering, {"events", "--day", "2020-01-01"});
  EXPECT_EQ(noData.status, 0) << noData.err;
  EXPECT_EQ(Count(noData.err, " no data for this range\n"), 2u) << noData.err;
  EXPECT_EQ(noData.out, "Server, Event Time, Event Type, Camera, Description\r\n");
  const Outcome noEvents = Run(answering, {"events", "--from", "2024-03-05 23:59:58", "--to", "2024-03-05 23:59:59"});
  EXPECT_EQ(Count(noEvents.err, " ok 0\n"), 2u) << noEvents.err;
  const Outcome json = Run(answering, {"events", "--day", "2024-03-05", "--json"});
  EXPECT_EQ(Count(json.out, "{\"Server\": \"127.0.0.1:"), 2 * (Count(alone.out, "\r\n") - 1)) << json.err;
  EXPECT_EQ(Count(json.out, "\"state\": 0}") + Count(json.out, "\"state\": 2}"), Count(json.out, "{\"Server\""));

  const Outcome badSites = Run({"--sites", m_folder.Write("bad", "host:port\n")}, {"events"});
  EXPECT_EQ(badSites.status, 64);
  EXPECT_TRUE(Has(badSites.err, "bad line 1: not 'HOST[:PORT] [USER[:PASSWORD]]'")) << badSites.err;
}

}  // namespace
