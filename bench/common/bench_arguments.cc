#include "bench/common/bench_arguments.h"

#include <algorithm>
#include <cstdlib>

namespace bench {

BenchArguments ParseBenchArguments(int argc, char** argv, const std::string& defaultFolder) {
  BenchArguments arguments;
  arguments.folder = defaultFolder;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--rounds" && i + 1 < argc)
      arguments.rounds = std::max(1, std::atoi(argv[++i]));
    else
      arguments.folder = arg;
  }
  return arguments;
}

}  // namespace bench
