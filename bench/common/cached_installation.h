// The demo installation a benchmark measures, written once by the demo tool
// and reused by later runs while it was made with the same options.
#pragma once

#include <string>

namespace bench {

struct InstallationShape {
  int days;
  int eventsPerDay;
  const char* endDate;  // "YYYY-MM-DD"
};

// Makes sure `folder` holds an installation of `shape`, running `demoTool`
// when it does not (the folder's parent is created first).  A stamp file in
// the folder records the options it was made with.  False when the tool
// failed.
bool EnsureInstallation(const std::string& folder, const InstallationShape& shape, const std::string& demoTool);

}  // namespace bench
