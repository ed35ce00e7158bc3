// vxpp-server: a recording server's VXPP service for an installation folder.
//
//   vxpp-server --install DIR [--port N] [--bind ADDR]
//
// Reads DIR/vxpp-server.ini and DIR/vxpp-users.ini, listens on ADDR:N
// (127.0.0.1:5160 by default), logs one line per request to standard error
// and stops cleanly on SIGTERM or SIGINT.
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "platform/paths.h"
#include "tools/vxpp-server/service.h"

namespace {

int Usage(const char* why) {
  if (why) std::fprintf(stderr, "vxpp-server: %s\n", why);
  std::fprintf(stderr, "usage: vxpp-server --install DIR [--port N] [--bind ADDR]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string install, bind = "127.0.0.1";
  long port = 5160;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--help" || option == "-h") return Usage(nullptr), 0;
    if (i + 1 >= argc) return Usage(("missing value after " + option).c_str());
    const char* value = argv[++i];
    if (option == "--install") {
      install = value;
    } else if (option == "--bind") {
      bind = value;
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
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
  signal(SIGPIPE, SIG_IGN);

  std::string problems;
  auto service = vxpp_server::Service::Load(install, &problems);
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
    int received = 0;
    sigwait(&stopSignals, &received);
    std::fprintf(stderr, "vxpp-server: %s, stopping\n", strsignal(received));
    service->Stop();
  });
  service->Run();
  signals.join();
  std::fprintf(stderr, "vxpp-server: stopped\n");
  return 0;
}
