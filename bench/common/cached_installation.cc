#include "bench/common/cached_installation.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace bench {

bool EnsureInstallation(const std::string& folder, const InstallationShape& shape, const std::string& demoTool) {
  char options[160];
  std::snprintf(options, sizeof options, "--days %d --events-per-day %d --end-date %s --seed 1", shape.days,
                shape.eventsPerDay, shape.endDate);
  const std::string stampPath = folder + "/.bench-stamp";
  std::string stamp;
  std::getline(std::ifstream(stampPath), stamp);
  if (stamp == options) return true;
  std::filesystem::create_directories(std::filesystem::path(folder).parent_path());
  std::printf("writing the benchmark installation into %s ...\n", folder.c_str());
  std::fflush(stdout);
  const std::string command = "'" + demoTool + "' " + options + " '" + folder + "'";
  if (std::system(command.c_str()) != 0) return false;
  std::ofstream(stampPath) << options << '\n';
  return true;
}

}  // namespace bench
