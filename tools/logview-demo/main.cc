// logview-demo: writes a demo installation of the log viewer (see DemoUsage).
#include <chrono>
#include <cstdio>

#include "tools/common/version_option.h"
#include "tools/logview-demo/demo_installation.h"

int main(int argc, char** argv) {
  if (AnswerVersionOption("logview-demo", argc, argv)) return 0;
  DemoOptions options;
  std::string error;
  switch (ParseDemoOptions(argc, argv, &options, &error)) {
    case ParseResult::kHelp:
      std::fputs(DemoUsage(), stdout);
      return 0;
    case ParseResult::kError:
      std::fprintf(stderr, "logview-demo: %s\n(try logview-demo --help)\n", error.c_str());
      return 2;
    case ParseResult::kRun:
      break;
  }

  // Only runs that take a while report each file.
  const bool verbose = static_cast<long long>(options.days) * options.eventsPerDay >= 200000;
  const auto started = std::chrono::steady_clock::now();
  auto seconds = [&] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  };
  const DemoProgress progress = [&](const std::string& line) {
    if (verbose) std::fprintf(stderr, "logview-demo: %6.1f s  %s\n", seconds(), line.c_str());
  };
  if (!WriteDemoInstallation(options, progress, &error)) {
    std::fprintf(stderr, "logview-demo: %s\n", error.c_str());
    return 1;
  }
  std::fprintf(stderr, "logview-demo: wrote %d days of %d events into %s in %.1f s\n", options.days,
               options.eventsPerDay, options.folder.c_str(), seconds());
  return 0;
}
