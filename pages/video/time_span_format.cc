#include "pages/video/time_span_format.h"

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

constexpr uint64_t kTicksPerMicrosecond = 10;
constexpr uint64_t kTicksPerMillisecond = 10000;
constexpr uint64_t kTicksPerSecond = 10000000;
constexpr uint64_t kSecondsPerDay = 86400;

void ReplaceAll(std::string& text, std::string_view marker, const char* form, uint64_t value) {
  char number[32];
  std::snprintf(number, sizeof number, form, static_cast<unsigned long long>(value));
  for (size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + std::strlen(number)))
    text.replace(at, marker.size(), number);
}

}  // namespace

std::string FormatTimeSpan(std::optional<int64_t> span, std::string_view format) {
  if (!span) return {};
  const uint64_t ticks = *span < 0 ? static_cast<uint64_t>(-(*span + 1)) + 1 : static_cast<uint64_t>(*span);
  const uint64_t seconds = ticks / kTicksPerSecond;
  std::string text(format);
  ReplaceAll(text, "%D", "%0llu", seconds / kSecondsPerDay);
  ReplaceAll(text, "%#D", "%llu", seconds / kSecondsPerDay);
  ReplaceAll(text, "%s", "%03llu", ticks % kTicksPerSecond / kTicksPerMillisecond);
  ReplaceAll(text, "%#s", "%llu", ticks % kTicksPerSecond / kTicksPerMillisecond);
  ReplaceAll(text, "%u", "%03llu", ticks % kTicksPerMillisecond / kTicksPerMicrosecond);
  ReplaceAll(text, "%#u", "%llu", ticks % kTicksPerMillisecond / kTicksPerMicrosecond);
  ReplaceAll(text, "%n", "%03llu", ticks % kTicksPerMicrosecond * 100);
  ReplaceAll(text, "%#n", "%llu", ticks % kTicksPerMicrosecond * 100);

  // The time of day of the moment; its date markers read 1601-01-01, the
  // day the count starts from.
  std::tm moment{};
  const uint64_t ofDay = seconds % kSecondsPerDay;
  moment.tm_hour = static_cast<int>(ofDay / 3600);
  moment.tm_min = static_cast<int>(ofDay / 60 % 60);
  moment.tm_sec = static_cast<int>(ofDay % 60);
  moment.tm_year = 1601 - 1900;
  moment.tm_mday = 1;
  char out[129];
  const size_t length = std::strftime(out, sizeof out, text.c_str(), &moment);
  if (length == 0 && !text.empty()) return {};
  std::string shown = *span < 0 ? "-" : "";
  shown.append(out, length);
  return shown;
}
