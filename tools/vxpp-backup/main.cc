// vxpp-backup: copies the recordings and logs of a time range from a
// recording server into a folder, as a backup copy the viewer opens.
// Ctrl-C (or SIGTERM) aborts the copy through the client's Abort.
#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <cstdio>
#include <ctime>
#include <thread>

#include "tools/common/version_option.h"
#include "tools/vxpp-backup/backup_run.h"

namespace {

// Waits for SIGINT or SIGTERM (blocked in every thread) until told to stop,
// and aborts the client's command under way when one comes.
void WatchSignals(const sigset_t* signals, CVXPPClient* client, const std::atomic<bool>* done,
                  std::atomic<bool>* interrupted) {
  const timespec pause{0, 100 * 1000 * 1000};
  while (!done->load()) {
    if (sigtimedwait(signals, nullptr, &pause) > 0) {
      interrupted->store(true);
      client->Abort();
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (AnswerVersionOption("vxpp-backup", argc, argv)) return 0;
  BackupOptions options;
  std::string error;
  switch (ParseBackupOptions(argc, argv, &options, &error)) {
    case BackupParse::kHelp:
      std::fputs(BackupUsage(), stdout);
      return 0;
    case BackupParse::kUsageError:
      std::fprintf(stderr, "vxpp-backup: %s (see --help)\n", error.c_str());
      return kBackupExitUsage;
    case BackupParse::kRun:
      break;
  }
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  CVXPPClient client;
  std::atomic<bool> done{false}, interrupted{false};
  std::thread watcher(WatchSignals, &signals, &client, &done, &interrupted);
  const int status = RunBackup(options, client);
  done = true;
  watcher.join();
  if (interrupted) std::fprintf(stderr, "vxpp-backup: interrupted\n");
  return interrupted ? kBackupExitFailed : status;
}
