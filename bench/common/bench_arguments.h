// The command line of the benchmarks that measure a cached installation,
// [--rounds N] [--json FILE] [installation folder], and the installation
// made ready.
#pragma once

#include <optional>
#include <string>

#include "bench/common/cached_installation.h"

namespace bench {

struct BenchArguments {
  int rounds = 5;      // at least 1
  std::string folder;  // the installation
  std::string json;    // where to write the figures (see BenchReport); empty: nowhere
};

// Reads the command line (`defaultFolder` serves when it names no folder)
// and makes sure the folder holds an installation of `shape` (see
// EnsureInstallation).  Nothing, after a message on standard error, when the
// demo tool failed.
std::optional<BenchArguments> PrepareBench(int argc, char** argv, const std::string& defaultFolder,
                                           const InstallationShape& shape, const std::string& demoTool);

}  // namespace bench
