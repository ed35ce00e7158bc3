#include "pages/video/time_span_format.h"

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

constexpr uint64_t kTicksPerMicrosecond = 10;
constexpr uint64_t kTicksPerMillisecond = 10000;
constexpr uint64_t kTicksPerSecond = 10000000;
constexpr uint64_t kSecondsPerDay = 86400;
constexpr size_t kMaxText = 128;

void ReplaceAll(std::string& text, std::string_view marker, const char* form, uint64_t value) {
  size_t at = text.find(marker);
  if (at == std::string::npos) return;  // most formats hold few markers: no number to print
  char number[32];
  std::snprintf(number, sizeof number, form, static_cast<unsigned long long>(value));
  for (; at != std::string::npos; at = text.find(marker, at + std::strlen(number)))
    text.replace(at, marker.size(), number);
}

// Writes `text` with its markers "%H", "%M", "%S" and "%%" replaced as
// strftime replaces them (two digits each) to `out`, which holds kMaxText
// characters, and returns the length; nothing when the text holds another
// marker, a zero byte or would be longer, which strftime then decides.
std::optional<size_t> FormatClock(std::string_view text, uint64_t secondOfDay, char* out) {
  const auto twoDigits = [](char* at, uint64_t value) {
    at[0] = static_cast<char>('0' + value / 10);
    at[1] = static_cast<char>('0' + value % 10);
  };
  size_t length = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (length + 2 > kMaxText || text[i] == '\0') return std::nullopt;
    if (text[i] != '%') {
      out[length++] = text[i];
      continue;
    }
    const char marker = i + 1 < text.size() ? text[++i] : '\0';
    if (marker == 'H')
      twoDigits(out + length, secondOfDay / 3600);
    else if (marker == 'M')
      twoDigits(out + length, secondOfDay / 60 % 60);
    else if (marker == 'S')
      twoDigits(out + length, secondOfDay % 60);
    else if (marker == '%')
      out[length++] = '%';
    else
      return std::nullopt;
    if (marker != '%') length += 2;
  }
  return length;
}

}  // namespace

std::string_view FormatTimeSpan(std::optional<int64_t> span, std::string_view format, std::string& scratch) {
  if (!span) return {};
  const uint64_t ticks = *span < 0 ? static_cast<uint64_t>(-(*span + 1)) + 1 : static_cast<uint64_t>(*span);
  const uint64_t seconds = ticks / kTicksPerSecond;
  std::string& text = scratch;
  text.assign(format);
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
  const uint64_t ofDay = seconds % kSecondsPerDay;
  char out[kMaxText + 1];
  std::optional<size_t> length = FormatClock(text, ofDay, out);
  if (!length) {
    std::tm moment{};
    moment.tm_hour = static_cast<int>(ofDay / 3600);
    moment.tm_min = static_cast<int>(ofDay / 60 % 60);
    moment.tm_sec = static_cast<int>(ofDay % 60);
    moment.tm_year = 1601 - 1900;
    moment.tm_mday = 1;
    length = std::strftime(out, sizeof out, text.c_str(), &moment);
    if (*length == 0 && !text.empty()) return {};
  }
  text.clear();
  if (*span < 0) text += '-';
  text.append(out, *length);
  return text;
}
