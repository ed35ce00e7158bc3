#include "bench/common/bench_arguments.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace bench {

std::optional<BenchArguments> PrepareBench(int argc, char** argv, const std::string& defaultFolder,
                                           const InstallationShape& shape, const std::string& demoTool) {
  BenchArguments arguments;
  arguments.folder = defaultFolder;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--rounds" && i + 1 < argc)
      arguments.rounds = std::max(1, std::atoi(argv[++i]));
    else if (arg == "--json" && i + 1 < argc)
      arguments.json = argv[++i];
    else if (arg == "--help") {
      std::printf("usage: %s [--rounds N] [--json FILE] [installation folder]\n"
                  "The installation is written on the first run (default %s) and reused.\n",
                  argv[0], defaultFolder.c_str());
      std::exit(0);
    } else if (arg.rfind("-", 0) == 0) {
      std::fprintf(stderr, "%s: unknown option '%s' (see --help)\n", argv[0], arg.c_str());
      return std::nullopt;
    } else {
      arguments.folder = arg;
    }
  }
  if (!EnsureInstallation(arguments.folder, shape, demoTool)) {
    std::fprintf(stderr, "could not write the installation into %s with %s\n", arguments.folder.c_str(),
                 demoTool.c_str());
    return std::nullopt;
  }
  return arguments;
}

}  // namespace bench
