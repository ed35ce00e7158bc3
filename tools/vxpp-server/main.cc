// vxpp-server: a recording server's VXPP service for an installation folder.
//
//   vxpp-server --install DIR [--port N] [--bind ADDR] [--users FILE]
//
// Reads DIR/vxpp-server.ini and the users file, listens on ADDR:N
// (127.0.0.1:5160 by default), logs one line per request to standard error,
// reads the users file again on SIGHUP and stops cleanly on SIGTERM or SIGINT.
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "platform/paths.h"
#include "tools/common/version_option.h"
#include "tools/vxpp-server/service.h"

namespace {

constexpr const char* kUsage =
    "usage: vxpp-server --install DIR [--port N] [--bind ADDR] [--users FILE]\n"
    "\n"
    "Serves the VXPP log service of the installation folder DIR to remote log\n"
    "viewers: logins, log searches, device and settings queries.  One line per\n"
    "request goes to standard error.  SIGHUP reads the users file again; SIGTERM\n"
    "or SIGINT stops the server.\n"
    "\n"
    "options:\n"
    "  --install DIR   the installation folder (vxpp-server.ini, the log databases)\n"
    "  --port N        the TCP port, 0 for a free one (default 5160)\n"
    "  --bind ADDR     the address to listen on (default 127.0.0.1)\n"
    "  --users FILE    the users file (default DIR/vxpp-users.ini)\n"
    "  --help          this text\n"
    "  --version       the version\n";

int Usage(const char* why) {
  std::fprintf(stderr, "vxpp-server: %s\n(try vxpp-server --help)\n", why);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (AnswerVersionOption("vxpp-server", argc, argv)) return 0;
  std::string install, bind = "127.0.0.1", usersFile;
  long port = 5160;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--help" || option == "-h") return std::fputs(kUsage, stdout), 0;
    if (i + 1 >= argc) return Usage(("missing value after " + option).c_str());
    const char* value = argv[++i];
    if (option == "--install") {
      install = value;
    } else if (option == "--bind") {
      bind = value;
    } else if (option == "--users") {
      usersFile = value;
    } else if (option == "--port") {
      char* end = nullptr;
      port = std::strtol(value, &end, 10);
      if (*end != '\0' || port < 0 || port > 65535) return Usage("--port takes a number from 0 to 65535");
    } else {
      return Usage(("unknown option " + option).c_str());
    }
  }
  if (install.empty()) return Usage("--install DIR is required");
  // The log store reads the installation's record-file marker from there.
  platform::SetInstallFolder(install);

  // Signals are taken by one thread with sigwait, so the server threads never see them.
  sigset_t signalsTaken;
  sigemptyset(&signalsTaken);
  sigaddset(&signalsTaken, SIGTERM);
  sigaddset(&signalsTaken, SIGINT);
  sigaddset(&signalsTaken, SIGHUP);
  pthread_sigmask(SIG_BLOCK, &signalsTaken, nullptr);
  signal(SIGPIPE, SIG_IGN);

  std::string problems;
  auto service = vxpp_server::Service::Load(install, &problems, usersFile);
  if (!problems.empty()) std::fprintf(stderr, "vxpp-server: %s\n", problems.c_str());
  vxpp_server::ServerOptions options;
  options.bindAddress = bind;
  options.port = static_cast<uint16_t>(port);
  std::string error;
  if (!service->Start(options, &error)) {
    std::fprintf(stderr, "vxpp-server: %s\n", error.c_str());
    return 1;
  }
  std::fprintf(stderr, "vxpp-server: serving %s on %s:%u\n", install.c_str(), bind.c_str(),
               static_cast<unsigned>(service->Port()));
  std::fflush(stderr);

  std::thread signals([&] {
    for (int received = 0; sigwait(&signalsTaken, &received) == 0;) {
      if (received != SIGHUP) {
        std::fprintf(stderr, "vxpp-server: %s, stopping\n", strsignal(received));
        break;
      }
      std::string report;
      const bool read = service->ReloadUsers(&report);
      std::fprintf(stderr, "vxpp-server: %s: %s\n", read ? "reloaded" : "not reloaded", report.c_str());
    }
    service->Stop();
  });
  service->Run();
  signals.join();
  std::fprintf(stderr, "vxpp-server: stopped\n");
  return 0;
}
