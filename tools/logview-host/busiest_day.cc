#include "tools/logview-host/busiest_day.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

namespace {

// "EventLog_YYYYMMDD.db" -> the day, with the digits as they stand.
std::optional<HostDay> DayOfFileName(const std::string& name) {
  static const std::string kPrefix = "EventLog_", kSuffix = ".db";
  if (name.size() != kPrefix.size() + 8 + kSuffix.size()) return std::nullopt;
  if (name.compare(0, kPrefix.size(), kPrefix) != 0) return std::nullopt;
  if (name.compare(kPrefix.size() + 8, kSuffix.size(), kSuffix) != 0) return std::nullopt;
  const std::string digits = name.substr(kPrefix.size(), 8);
  if (digits.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  return HostDay{std::stoi(digits.substr(0, 4)), std::stoi(digits.substr(4, 2)), std::stoi(digits.substr(6, 2))};
}

}  // namespace

std::optional<HostDay> BusiestDay(const std::string& installFolder) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::directory_iterator it(fs::path(installFolder) / "db" / "EventLog", error);
  std::optional<HostDay> best;
  std::string bestName;
  uintmax_t bestSize = 0;
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    const std::string name = it->path().filename().string();
    const std::optional<HostDay> day = DayOfFileName(name);
    if (!day) continue;
    const uintmax_t size = it->file_size(error);
    if (error) return std::nullopt;
    // Equal names compare as their days do, so the later of equal sizes wins.
    if (!best || size > bestSize || (size == bestSize && name > bestName)) {
      best = day;
      bestName = name;
      bestSize = size;
    }
  }
  return best;
}
