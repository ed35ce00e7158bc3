#include "tools/vxpp-server/backup_files.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "config/ivs_configuration.h"
#include "config/vx_config.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "tools/vxpp-server/recording_files.h"

namespace vxpp_server {
namespace {

namespace fs = std::filesystem;

// The log folders an installation may keep, and whether a scope wants each.
struct LogFolder {
  const char* name;
  bool (*wanted)(const BackupScope&);
};
bool EventLogs(const BackupScope& scope) { return scope.eventLogs; }
bool SystemLogs(const BackupScope& scope) { return scope.systemLog; }
constexpr LogFolder kLogFolders[] = {{"EventLog", EventLogs},   {"SystemLog", SystemLogs},
                                     {"PosRecord", EventLogs},  {"IvsRecord", EventLogs},
                                     {"MdxRecord", EventLogs},  {"MetadataRecord", EventLogs}};

// Entries of a folder that are what `want` says (no symbolic links), by name.
std::vector<fs::directory_entry> Entries(const fs::path& folder, fs::file_type want) {
  std::vector<fs::directory_entry> entries;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code typeError;
    if (it->symlink_status(typeError).type() == want) entries.push_back(*it);
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

uint64_t SizeOf(const fs::directory_entry& entry) {
  std::error_code error;
  const uintmax_t size = entry.file_size(error);
  return error ? 0 : static_cast<uint64_t>(size);
}

ServedFile Listed(vxpp::BackupFileKind kind, uint64_t size, std::string path) {
  return ServedFile{{kind, size, std::move(path)}, {}, false};
}

ServedFile Written(std::string path, std::string contents) {
  ServedFile file = Listed(vxpp::BackupFileKind::kFile, contents.size(), std::move(path));
  file.contents = std::move(contents);
  file.written = true;
  return file;
}

// The day a "YYYYMMDD" name stands for; not valid for anything else.
CDateTime DayOfName(const std::string& name) {
  if (name.size() != 8 || name.find_first_not_of("0123456789") != std::string::npos) return CDateTime::Invalid();
  return CDateTime::FromFields(std::stoi(name.substr(0, 4)), std::stoi(name.substr(4, 2)),
                               std::stoi(name.substr(6, 2)));
}

void AddLogFolder(const std::string& installFolder, const char* log, const BackupScope& scope,
                  std::vector<ServedFile>* files) {
  const std::string folder = std::string("db/") + log;
  const std::string prefix = std::string(log) + "_";
  const std::string archive = std::string(log) + "Old.db";
  std::vector<ServedFile> daily;
  std::optional<ServedFile> old;
  bool anyDaily = false, beforeFirst = !scope.start.has_value();
  for (const fs::directory_entry& entry : Entries(fs::path(installFolder) / folder, fs::file_type::regular)) {
    const std::string name = entry.path().filename().string();
    const std::string path = folder + "/" + name;
    if (name == archive) old = Listed(vxpp::BackupFileKind::kDatabase, SizeOf(entry), path);
    if (name.size() != prefix.size() + 11 || name.rfind(prefix, 0) != 0 || !name.ends_with(".db")) continue;
    const CDateTime day = DayOfName(name.substr(prefix.size(), 8));
    if (!day.IsValid()) continue;
    if (!anyDaily && scope.start && *scope.start < day) beforeFirst = true;
    anyDaily = true;
    if (scope.CoversDay(day)) daily.push_back(Listed(vxpp::BackupFileKind::kDatabase, SizeOf(entry), path));
  }
  if (old && (beforeFirst || !anyDaily)) files->push_back(*old);
  files->insert(files->end(), daily.begin(), daily.end());
  // An older installation keeps one file in the root, used when the folder holds none.
  const fs::directory_entry legacy(fs::path(installFolder) / (std::string(log) + ".db"));
  std::error_code error;
  if (!anyDaily && !old && legacy.symlink_status(error).type() == fs::file_type::regular)
    files->push_back(Listed(vxpp::BackupFileKind::kDatabase, SizeOf(legacy), std::string(log) + ".db"));
}

std::string FileRecordText(const BackupScope& scope) {
  return "##Backup##\r\n[FileRecord]\r\nVersion=2\r\nRecordFolder=db\r\nStart=" +
         (scope.start ? scope.start->FormatLogTime() : std::string()) +
         "\r\nEnd=" + (scope.end ? scope.end->FormatLogTime() : std::string()) + "\r\n";
}

std::string IvsConfigText(const std::string& installFolder) {
  platform::Registry registry(platform::JoinPath(installFolder, "registry.reg"));
  return IVSConfigForBackupText(ReadIVSConfiguration(registry, ReadVxConfig(installFolder).GetDeveloperType()));
}

}  // namespace

std::vector<ServedFile> ListRecordings(const std::string& installFolder, const BackupScope& scope) {
  std::vector<ServedFile> files;
  if (scope.cameras.empty()) return files;
  std::vector<RecordingEntry> recordings =
      ListRecordingFiles(installFolder, [&](const CDateTime& day) { return scope.CoversDay(day); });
  std::sort(recordings.begin(), recordings.end(),
            [](const RecordingEntry& a, const RecordingEntry& b) { return a.path < b.path; });
  for (RecordingEntry& recording : recordings)
    if (scope.CoversRecording(recording.file))
      files.push_back(Listed(vxpp::BackupFileKind::kVideo, recording.size, std::move(recording.path)));
  return files;
}

std::vector<ServedFile> ListLogDatabases(const std::string& installFolder, const BackupScope& scope) {
  std::vector<ServedFile> files;
  for (const LogFolder& log : kLogFolders)
    if (log.wanted(scope)) AddLogFolder(installFolder, log.name, scope, &files);
  return files;
}

std::vector<ServedFile> ListBackupFiles(const std::string& installFolder, const BackupScope& scope) {
  std::vector<ServedFile> files = ListLogDatabases(installFolder, scope);
  for (const fs::directory_entry& entry :
       Entries(fs::path(installFolder) / "db" / "filter", fs::file_type::regular))
    files.push_back(Listed(vxpp::BackupFileKind::kFile, SizeOf(entry), "db/filter/" + entry.path().filename().string()));
  const std::vector<ServedFile> recordings = ListRecordings(installFolder, scope);
  files.insert(files.end(), recordings.begin(), recordings.end());
  files.push_back(Written("IVSConfigForBackup.ini", IvsConfigText(installFolder)));
  files.push_back(Written("FileRecord.ini", FileRecordText(scope)));
  return files;
}

}  // namespace vxpp_server
