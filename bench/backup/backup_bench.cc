// backup_bench: vxpp-backup copying a whole installation (recordings and log
// databases, N bytes in all) from a vxpp-server over loopback, against
// `cp -r` of the same folders, each round timing both; prints the medians,
// their ratio and the client's peak resident size.  Both write into the
// system's temporary folder; `sync` before each run keeps one run's pending
// writes from slowing the next.  The server runs in this
// process; the client is the vxpp-backup executable, so its peak is its own.
//
//   backup_bench [--megabytes N] [--rounds N] [--json FILE]
//
// The installation (a demo site plus N megabytes of recordings) is written
// once into bench/.cache/backup-N and reused.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "bench/common/bench_clock.h"
#include "bench/common/bench_report.h"
#include "bench/common/cached_installation.h"
#include "platform/env.h"
#include "tools/vxpp-server/service.h"
#include "vocabulary/recording_layout.h"

namespace {

namespace fs = std::filesystem;
using bench::Clock;

constexpr bench::InstallationShape kShape{7, 2000, "2026-03-10"};
constexpr int kCameras = 8;
constexpr size_t kFileBytes = 32 << 20;  // one recorded hour

struct Run {
  double seconds = 0;
  long peakKiB = 0;
  int status = -1;
};

// Runs a program to its end: its time, exit status and peak resident size.
Run Spawn(std::vector<std::string> args) {
  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    // The progress line of vxpp-backup is not part of the report.
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDERR_FILENO);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  Run run;
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  run.seconds = bench::Seconds(start);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.peakKiB = usage.ru_maxrss;
  return run;
}

// Recordings of `megabytes` in all, spread over the cameras and the hours
// of the site's last day, unless the stamp says they are there.
bool EnsureRecordings(const std::string& site, long megabytes) {
  platform::Env* env = platform::Env::Default();
  const std::string stamp = site + "/recordings.stamp";
  std::string had;
  if (env->ReadFile(stamp, &had) && had == std::to_string(megabytes)) return true;
  std::string block(kFileBytes, '\0');
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>((i * 2654435761u) >> 13);
  const auto files = static_cast<size_t>((megabytes << 20) / static_cast<long>(kFileBytes));
  for (size_t n = 0; n < files; ++n) {
    const recording::RecordingFile file{static_cast<uint32_t>(n % kCameras),
                                        CDateTime::FromFields(2026, 3, 10, static_cast<int>(n / kCameras))};
    const std::string path = site + "/" + recording::RelativePath(file);
    std::string error;
    block[0] = static_cast<char>(n);
    if (!env->MakeFolders(path.substr(0, path.rfind('/')), &error) ||
        !platform::WriteStringToFile(env, block, path, &error)) {
      std::fprintf(stderr, "backup_bench: %s\n", error.c_str());
      return false;
    }
  }
  std::string error;
  return platform::WriteStringToFile(env, std::to_string(megabytes), stamp, &error);
}

}  // namespace

int main(int argc, char** argv) {
  long megabytes = 1024;
  int rounds = 3;
  std::string json;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--megabytes") == 0) megabytes = std::atol(argv[i + 1]);
    else if (std::strcmp(argv[i], "--rounds") == 0) rounds = std::max(1, std::atoi(argv[i + 1]));
    else if (std::strcmp(argv[i], "--json") == 0) json = argv[i + 1];
  }
  if (megabytes < 32 || megabytes > 16 * 1024 || argc % 2 == 0) {
    std::fprintf(stderr, "usage: backup_bench [--megabytes 32..16384] [--rounds N] [--json FILE]\n");
    return 64;
  }
  const std::string site = std::string(LOGVIEW_BENCH_CACHE) + "-" + std::to_string(megabytes);
  if (!bench::EnsureInstallation(site, kShape, LOGVIEW_DEMO_TOOL) || !EnsureRecordings(site, megabytes)) return 1;

  std::string problems, error;
  auto service = vxpp_server::Service::Load(site, &problems);
  vxpp_server::ServerOptions options;
  options.port = 0;
  options.log = [](const std::string&) {};
  if (!service->Start(options, &error)) {
    std::fprintf(stderr, "backup_bench: %s\n", error.c_str());
    return 1;
  }
  std::thread serving([&] { service->Run(); });

  bench::BenchReport report("backup", json);
  const std::string target = fs::temp_directory_path() / ("backup_bench-" + std::to_string(getpid()));
  std::vector<std::string> copyArgs = {"cp", "-r", site + "/db", site + "/20260310", target + "/cp"};
  std::vector<double> backupTimes, copyTimes;
  long peakKiB = 0;
  uint64_t bytes = 0;
  for (int round = 0; round < rounds; ++round) {
    fs::remove_all(target);
    fs::create_directories(target + "/cp");
    // Each run starts with no dirty pages of the other pending (sync), and
    // the two take turns going first, so neither pays for the other's writing.
    const auto timed = [&](const std::vector<std::string>& args) {
      Spawn({"sync"});
      return Spawn(args);
    };
    const std::vector<std::string> backupArgs = {
        VXPP_BACKUP_TOOL, "--server", "127.0.0.1:" + std::to_string(service->Port()), "--login", "admin:admin",
        "--from", "2026-03-01 00:00:00", "--to", "2026-03-10 23:59:59", target + "/backup"};
    Run copy, backup;
    if (round % 2 == 0) {
      copy = timed(copyArgs);
      backup = timed(backupArgs);
    } else {
      backup = timed(backupArgs);
      copy = timed(copyArgs);
    }
    if (copy.status != 0 || backup.status != 0) {
      std::fprintf(stderr, "backup_bench: cp exited %d, vxpp-backup %d\n", copy.status, backup.status);
      break;
    }
    copyTimes.push_back(copy.seconds);
    backupTimes.push_back(backup.seconds);
    peakKiB = std::max(peakKiB, backup.peakKiB);
    bytes = 0;
    for (const auto& entry : fs::recursive_directory_iterator(target + "/backup"))
      if (entry.is_regular_file()) bytes += entry.file_size();
    std::printf("round %d: vxpp-backup %.2f s, cp -r %.2f s\n", round + 1, backup.seconds, copy.seconds);
  }
  fs::remove_all(target);
  service->Stop();
  serving.join();
  if (backupTimes.empty()) return 1;
  const double backupMedian = bench::Median(backupTimes), copyMedian = bench::Median(copyTimes);
  std::printf("copied %.0f MB: vxpp-backup median %.2f s, cp -r median %.2f s, ratio %.2f (goal <= 2)\n",
              static_cast<double>(bytes) / 1e6, backupMedian, copyMedian, backupMedian / copyMedian);
  std::printf("vxpp-backup peak resident size %ld KiB (its file buffer is 500000 bytes)\n", peakKiB);
  report.Add("backup.ratio", backupMedian / copyMedian);
  report.Add("backup.client_peak_kib", static_cast<double>(peakKiB));
  return report.Finish() ? 0 : 1;
}
