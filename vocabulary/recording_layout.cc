#include "vocabulary/recording_layout.h"

#include <cstdio>

namespace recording {
namespace {

// Reads exactly `count` decimal digits at `text[at]`.
bool ReadDigits(std::string_view text, size_t at, size_t count, int* value) {
  if (at + count > text.size()) return false;
  int result = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    result = result * 10 + (text[i] - '0');
  }
  *value = result;
  return true;
}

}  // namespace

std::string RelativePath(const RecordingFile& file) {
  const CDateTime::Fields f = file.start.Split();
  char path[96];
  std::snprintf(path, sizeof path, "%04d%02d%02d/Cam%02u/Video/%02d%02d%02d%s", f.year, f.month, f.day,
                file.cameraIndex + 1, f.hour, f.minute, f.second, kVideoExtension);
  return path;
}

bool ParseRelativePath(std::string_view path, RecordingFile* file) {
  int year, month, day, hour, minute, second, camera;
  if (!ReadDigits(path, 0, 4, &year) || !ReadDigits(path, 4, 2, &month) || !ReadDigits(path, 6, 2, &day)) return false;
  if (path.substr(8, 4) != "/Cam") return false;
  size_t digits = 0;
  while (12 + digits < path.size() && path[12 + digits] >= '0' && path[12 + digits] <= '9') ++digits;
  if (digits < 2 || digits > 9 || !ReadDigits(path, 12, digits, &camera) || camera < 1) return false;
  const std::string_view rest = path.substr(12 + digits);
  constexpr std::string_view kVideo = "/Video/";
  if (rest.size() != kVideo.size() + 6 + std::string_view(kVideoExtension).size() || rest.substr(0, kVideo.size()) != kVideo)
    return false;
  if (!ReadDigits(rest, kVideo.size(), 2, &hour) || !ReadDigits(rest, kVideo.size() + 2, 2, &minute) ||
      !ReadDigits(rest, kVideo.size() + 4, 2, &second) || rest.substr(kVideo.size() + 6) != kVideoExtension)
    return false;
  if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59) return false;
  const CDateTime start = CDateTime::FromFields(year, month, day, hour, minute, second);
  // A date that carries over (Feb 30) is not a name RelativePath writes.
  if (!start.IsValid() || start.Split().day != day) return false;
  file->cameraIndex = static_cast<uint32_t>(camera - 1);
  file->start = start;
  return true;
}

}  // namespace recording
