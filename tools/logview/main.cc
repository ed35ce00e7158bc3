// logview: the command-line host of the log viewer.
//
// The viewer library starts up when it is loaded and reads the installation
// folder and registry file then ($LOGVIEW_INSTALL, $LOGVIEW_REGISTRY).  So
// this launcher reads the command line first, sets those variables from
// --install and --registry, and only then loads the part of logview that
// links the library (liblogview_cli.so, beside the executable).
#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "tools/logview/logview_options.h"

namespace {

std::string ExecutableFolder() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return ".";
  const std::string exe(path, static_cast<size_t>(length));
  return exe.substr(0, exe.rfind('/'));
}

}  // namespace

int main(int argc, char** argv) {
  LogviewOptions options;
  std::string error;
  switch (ParseLogviewOptions(argc, argv, &options, &error)) {
    case ParseResult::kHelp:
      std::fputs(LogviewUsage(), stdout);
      return 0;
    case ParseResult::kUsageError:
      std::fprintf(stderr, "logview: %s\n", error.c_str());
      return kExitUsage;
    case ParseResult::kRun:
      break;
  }
  if (options.install) setenv("LOGVIEW_INSTALL", options.install->c_str(), 1);
  if (options.registry) setenv("LOGVIEW_REGISTRY", options.registry->c_str(), 1);

  const std::string cli = ExecutableFolder() + "/liblogview_cli.so";
  void* library = dlopen(cli.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    std::fprintf(stderr, "logview: cannot load the viewer: %s\n", dlerror());
    return 1;
  }
  using Entry = int (*)(const LogviewOptions*);
  const auto run = reinterpret_cast<Entry>(dlsym(library, "LogviewRun"));
  if (run == nullptr) {
    std::fprintf(stderr, "logview: %s has no entry LogviewRun\n", cli.c_str());
    return 1;
  }
  const int status = run(&options);
  std::fflush(stdout);
  return status;
}
