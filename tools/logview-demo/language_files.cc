#include "tools/logview-demo/language_files.h"

#include <filesystem>

#include "platform/paths.h"

namespace fs = std::filesystem;

std::string DemoDataFolder() {
  std::error_code ec;
  if (fs::is_directory(LOGVIEW_SOURCE_DATA_DIR, ec)) return LOGVIEW_SOURCE_DATA_DIR;
  return platform::InstalledDataFolder();
}

bool CopyLanguageFiles(const std::string& dataFolder, const std::string& root, std::string* error) {
  for (const char* name : {"lang", "manual"}) {
    const std::string from = platform::JoinPath(dataFolder, name);
    const std::string to = platform::JoinPath(root, name);
    std::error_code ec;
    // Files of an earlier data set must not outlive it.
    fs::remove_all(to, ec);
    if (ec) {
      *error = to + ": cannot remove: " + ec.message();
      return false;
    }
    if (!fs::is_directory(from, ec)) continue;
    fs::copy(from, to, fs::copy_options::recursive, ec);
    if (ec) {
      *error = to + ": cannot copy " + from + ": " + ec.message();
      return false;
    }
  }
  return true;
}
