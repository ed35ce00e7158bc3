// The command line of the benchmarks that measure a cached installation:
// [--rounds N] [installation folder].
#pragma once

#include <string>

namespace bench {

struct BenchArguments {
  int rounds = 5;      // at least 1
  std::string folder;  // the installation
};

// `defaultFolder` serves when no folder is given.
BenchArguments ParseBenchArguments(int argc, char** argv, const std::string& defaultFolder);

}  // namespace bench
