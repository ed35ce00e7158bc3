#include "store/log_root_folder.h"

#include <mutex>
#include <optional>

#include "platform/paths.h"

namespace {

std::mutex g_markerMutex;
std::optional<RecordFileMarker> g_marker;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Removes every "\Date\Cam\Video", written with either separator: an
// automatic backup is given the folder of its video files.
std::string WithoutVideoFolder(std::string folder) {
  static const char* const kParts[] = {"Date", "Cam", "Video"};
  size_t i = 0;
  while (i < folder.size()) {
    size_t end = i;
    bool match = true;
    for (const char* part : kParts) {
      const std::string_view name(part);
      if (end >= folder.size() || !IsSeparator(folder[end]) ||
          folder.compare(end + 1, name.size(), name) != 0) {
        match = false;
        break;
      }
      end += 1 + name.size();
    }
    if (match) {
      folder.erase(i, end - i);
    } else {
      ++i;
    }
  }
  return folder;
}

}  // namespace

RecordFileMarker GetRecordFileMarker(platform::Env* env) {
  std::lock_guard<std::mutex> lock(g_markerMutex);
  if (!g_marker) {
    RecordFileMarker marker;
    std::string contents;
    if (env->ReadFile(platform::JoinPath(platform::InstallFolder(), "FileRecord.ini"), &contents)) {
      const std::string firstLine = contents.substr(0, contents.find('\n'));
      marker.backup = firstLine.find("##Backup##") != std::string::npos;
      marker.autoBackup = firstLine.find("##AutoBackup##") != std::string::npos;
    }
    g_marker = marker;
  }
  return *g_marker;
}

void ResetRecordFileMarker() {
  std::lock_guard<std::mutex> lock(g_markerMutex);
  g_marker.reset();
}

std::string LogRootFolder(const std::string& serverAddress, platform::Env* env) {
  if (serverAddress.empty() || serverAddress == "localhost") {
    return platform::InstallFolder() + "/";
  }
  std::string root = serverAddress + "/";
  if (GetRecordFileMarker(env).autoBackup) root = WithoutVideoFolder(root);
  return root;
}
