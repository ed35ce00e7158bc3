// Where an installation keeps its recorded video.  Each camera records one
// file per hour under a folder of the day:
//
//   <installation>/YYYYMMDD/CamNN/Video/HHMMSS.264
//
// NN is the camera's number (its 0-based index + 1, at least two digits) and
// HHMMSS the time the file starts.  A backup copy mirrors this layout under
// its own root, beside its "db" folder, so that the same rules find the video
// in an installation and in a copy of it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "vocabulary/date_time.h"

namespace recording {

inline constexpr const char* kVideoExtension = ".264";

// One recorded file, as its path names it.
struct RecordingFile {
  uint32_t cameraIndex = 0;  // 0-based
  CDateTime start;           // the hour the file starts, local time
};

// "YYYYMMDD/CamNN/Video/HHMMSS.264", relative to the installation; '/' only.
std::string RelativePath(const RecordingFile& file);

// Reads a relative path written by RelativePath; false (and `file` untouched)
// for anything else, so that stray files of an installation are ignored.
bool ParseRelativePath(std::string_view path, RecordingFile* file);

}  // namespace recording
