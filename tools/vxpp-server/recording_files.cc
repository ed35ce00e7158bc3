#include "tools/vxpp-server/recording_files.h"

#include <filesystem>
#include <system_error>

namespace vxpp_server {
namespace {

namespace fs = std::filesystem;

// The entries of `folder` of type `want`, links left out.
std::vector<fs::directory_entry> EntriesOf(const fs::path& folder, fs::file_type want) {
  std::vector<fs::directory_entry> entries;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code typeError;
    if (it->symlink_status(typeError).type() == want) entries.push_back(*it);
  }
  return entries;
}

// The midnight a "YYYYMMDD" folder name stands for; not valid for other names.
CDateTime DayOfFolder(const std::string& name) {
  recording::RecordingFile file;
  return recording::ParseRelativePath(name + "/Cam01/Video/000000" + recording::kVideoExtension, &file)
             ? file.start
             : CDateTime::Invalid();
}

}  // namespace

std::vector<RecordingEntry> ListRecordingFiles(const std::string& installFolder,
                                               const std::function<bool(const CDateTime&)>& wantDay) {
  std::vector<RecordingEntry> found;
  for (const fs::directory_entry& day : EntriesOf(installFolder, fs::file_type::directory)) {
    const std::string dayName = day.path().filename().string();
    const CDateTime midnight = DayOfFolder(dayName);
    if (!midnight.IsValid() || (wantDay && !wantDay(midnight))) continue;
    for (const fs::directory_entry& camera : EntriesOf(day.path(), fs::file_type::directory)) {
      const std::string video = dayName + "/" + camera.path().filename().string() + "/Video/";
      for (const fs::directory_entry& entry : EntriesOf(camera.path() / "Video", fs::file_type::regular)) {
        RecordingEntry recording;
        recording.path = video + entry.path().filename().string();
        if (!recording::ParseRelativePath(recording.path, &recording.file)) continue;
        std::error_code error;
        recording.size = entry.file_size(error);
        if (!error) found.push_back(std::move(recording));
      }
    }
  }
  return found;
}

}  // namespace vxpp_server
