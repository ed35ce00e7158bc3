// servers_bench: logview's search of one day's events on 8 vxpp-server
// processes at once (merged, in time order) against the slowest of the 8
// single searches of the same servers, each round timing both; the medians
// and their ratio are printed.  The servers serve one cached installation on
// free ports of 127.0.0.1.
//
//   servers_bench [--rounds N] [installation folder]
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/common/bench_arguments.h"
#include "bench/common/bench_clock.h"

extern char** environ;

namespace {

using bench::Clock;
using bench::Median;
using bench::Seconds;

constexpr int kServers = 8;
constexpr const char* kDay = "2026-03-10";

// A vxpp-server serving `folder` on a free port.
class Server {
 public:
  explicit Server(const std::string& folder) {
    int errors[2];
    if (pipe(errors) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errors[1], STDERR_FILENO);
    const char* argv[] = {"vxpp-server", "--install", folder.c_str(), "--port", "0", nullptr};
    if (posix_spawn(&m_pid, VXPP_SERVER_TOOL, &actions, nullptr, const_cast<char**>(argv), environ) != 0) m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(errors[1]);
    // "vxpp-server: serving DIR on 127.0.0.1:PORT"; the rest of its log is not read.
    m_log = fdopen(errors[0], "r");
    char line[4096];
    while (m_pid > 0 && port == 0 && std::fgets(line, sizeof line, m_log)) {
      const char* at = std::strstr(line, "127.0.0.1:");
      if (std::strstr(line, "serving") && at) port = std::atoi(at + 10);
    }
    // The server logs a line per request: read on, so that its pipe never fills.
    m_drain = std::thread([this] {
      char text[4096];
      while (std::fgets(text, sizeof text, m_log)) {
      }
    });
  }
  ~Server() {
    if (m_pid > 0) {
      kill(m_pid, SIGTERM);
      waitpid(m_pid, nullptr, 0);
    }
    if (m_drain.joinable()) m_drain.join();
    if (m_log) std::fclose(m_log);
  }
  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  int port = 0;

  // The processor time the server has used so far (user and system).
  double CpuSeconds() const {
    std::ifstream stat("/proc/" + std::to_string(m_pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Fields after the parenthesised name: state is the 3rd, utime the 14th, stime the 15th.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    double ticks = 0;
    for (int number = 3; number <= 15 && fields >> field; ++number)
      if (number >= 14) ticks += std::atof(field.c_str());
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
  }

 private:
  pid_t m_pid = -1;
  FILE* m_log = nullptr;
  std::thread m_drain;
};

// The processor time of this process's ended children (the logview runs).
double ChildrenCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Seconds one logview run takes, its output thrown away; negative when it failed.
double TimeLogview(const std::string& folder, const std::vector<int>& ports) {
  std::vector<std::string> args = {"logview", "--install", folder};
  for (const int port : ports) args.insert(args.end(), {"--server", "127.0.0.1:" + std::to_string(port)});
  args.insert(args.end(), {"--login", "admin:admin", "events", "--day", kDay});
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const Clock::time_point start = Clock::now();
  pid_t pid = -1;
  int status = -1;
  if (posix_spawn(&pid, LOGVIEW_TOOL, &actions, nullptr, argv.data(), environ) == 0) waitpid(pid, &status, 0);
  posix_spawn_file_actions_destroy(&actions);
  const double seconds = Seconds(start);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1;
}

}  // namespace

int main(int argc, char** argv) {
  const bench::InstallationShape shape{3, 20000, kDay};
  const auto arguments = bench::PrepareBench(argc, argv, LOGVIEW_BENCH_CACHE, shape, LOGVIEW_DEMO_TOOL);
  if (!arguments) return 1;
  std::vector<std::unique_ptr<Server>> servers;
  std::vector<int> ports;
  for (int i = 0; i < kServers; ++i) {
    servers.push_back(std::make_unique<Server>(arguments->folder));
    if (servers.back()->port == 0) {
      std::fprintf(stderr, "servers_bench: vxpp-server did not start\n");
      return 1;
    }
    ports.push_back(servers.back()->port);
  }
  std::printf("%d servers, %d events a day, the search of %s, %d rounds\n", kServers, shape.eventsPerDay, kDay,
              arguments->rounds);
  std::vector<double> merged, slowest, floors;
  const auto cpuOfAll = [&] {
    double seconds = ChildrenCpuSeconds();
    for (const auto& server : servers) seconds += server->CpuSeconds();
    return seconds;
  };
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  for (int round = 0; round < arguments->rounds; ++round) {
    double slowestSingle = 0;
    const double cpuBefore = cpuOfAll();
    for (const int port : ports) {
      const double single = TimeLogview(arguments->folder, {port});
      if (single < 0) {
        std::fprintf(stderr, "servers_bench: the search on port %d failed\n", port);
        return 1;
      }
      slowestSingle = std::max(slowestSingle, single);
    }
    // However well the merged run overlaps the searches, it needs the
    // processor time of the eight single ones spread over this machine's cores.
    floors.push_back((cpuOfAll() - cpuBefore) / cores);
    const double all = TimeLogview(arguments->folder, ports);
    if (all < 0) {
      std::fprintf(stderr, "servers_bench: the merged search failed\n");
      return 1;
    }
    slowest.push_back(slowestSingle);
    merged.push_back(all);
  }
  const double ratio = Median(merged) / Median(slowest);
  std::printf("slowest single server %.3f s, all %d merged %.3f s: ratio %.2f (goal <= 1.2)\n", Median(slowest),
              kServers, Median(merged), ratio);
  std::printf("the %d single searches took %.3f s of processor time per core of this machine's %u:\n"
              "no merged run here can beat ratio %.2f\n",
              kServers, Median(floors), cores, Median(floors) / Median(slowest));
  return 0;
}
