#include "tools/logview-demo/sample_recordings.h"

#include <algorithm>
#include <filesystem>

#include "platform/env.h"
#include "platform/paths.h"
#include "vocabulary/recording_layout.h"
#include "vocabulary/sample_recording.h"

namespace fs = std::filesystem;

bool WriteSampleRecordings(const std::string& root, const CDateTime& lastDay, int days, std::string* error) {
  const recording::SampleShape shape;  // one minute at 2 frames a second
  for (int d = std::min(days, kRecordingDays) - 1; d >= 0; --d) {
    const CDateTime day = lastDay - static_cast<int64_t>(d) * CDateTime::kTicksPerDay;
    for (uint32_t camera = 0; camera < kRecordingCameras; ++camera) {
      for (int hour = 0; hour < 24; ++hour) {
        const recording::RecordingFile file{camera, day + hour * 3600 * CDateTime::kTicksPerSecond};
        const std::string path = platform::JoinPath(root, recording::RelativePath(file));
        std::error_code ec;
        fs::create_directories(fs::path(path).parent_path(), ec);
        std::string why;
        if (!platform::WriteStringToFile(platform::Env::Default(), recording::EncodeSampleRecording(file, shape),
                                         path, &why)) {
          *error = path + ": cannot write the recording: " + why;
          return false;
        }
      }
    }
  }
  return true;
}

bool RemoveSampleRecordings(const std::string& root, std::string* error) {
  std::vector<platform::FolderEntry> entries;
  platform::Env::Default()->ListFolder(root, &entries);
  for (const auto& entry : entries) {
    if (!entry.isDirectory || entry.name.size() != 8 ||
        !std::all_of(entry.name.begin(), entry.name.end(), [](char c) { return c >= '0' && c <= '9'; }))
      continue;
    std::error_code ec;
    fs::remove_all(platform::JoinPath(root, entry.name), ec);
    if (ec) {
      *error = platform::JoinPath(root, entry.name) + ": cannot remove: " + ec.message();
      return false;
    }
  }
  return true;
}
