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
    else
      arguments.folder = arg;
  }
  if (!EnsureInstallation(arguments.folder, shape, demoTool)) {
    std::fprintf(stderr, "could not write the installation into %s with %s\n", arguments.folder.c_str(),
                 demoTool.c_str());
    return std::nullopt;
  }
  return arguments;
}

}  // namespace bench
