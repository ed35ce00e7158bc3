#include "tools/vxpp-server/backup_commands.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "platform/env.h"
#include "platform/paths.h"
#include "protocol/format_text.h"
#include "tools/vxpp-server/backup_files.h"
#include "tools/vxpp-server/command_helpers.h"
#include "tools/vxpp-server/database_snapshot.h"
#include "tools/vxpp-server/user_store.h"

namespace vxpp_server {
namespace {

// Bytes read from a file and written to the client at a time.
constexpr size_t kChunkBytes = 256 * 1024;

uint32_t SessionOf(const VxppRequest& request) {
  return static_cast<uint32_t>(request.Number("User-Session-No", 0));
}

bool BackupInit(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  const std::vector<ServedFile> files = ListBackupFiles(context.installFolder, BackupScope::FromRequest(request));
  std::vector<vxpp::BackupFile> listed;
  for (const ServedFile& file : files) listed.push_back(file.listed);
  context.backups.Set(SessionOf(request), files);
  AnswerContent(response, vxpp::EncodeBackupFileList(listed));
  return true;
}

// A file that is deleted when the last holder lets it go.
struct TemporaryFile {
  std::string path;
  ~TemporaryFile() { platform::Env::Default()->DeleteFile(path); }
};

// Answers the file at `path` ("Content-Length:" and then its bytes, read
// as they are sent); `keep` lives as long as the sending.
void AnswerFile(VxppResponse& response, const std::string& path, std::shared_ptr<TemporaryFile> keep = nullptr) {
  std::shared_ptr<FILE> file(std::fopen(path.c_str(), "rb"), [](FILE* f) {
    if (f != nullptr) std::fclose(f);
  });
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(path, error);
  if (!file || error) {
    response.Fail(404, "Not Found");
    return;
  }
  response.Add("Content-Length", std::to_string(size));
  response.followUp = [file, keep, size](ServerConnection& connection) {
    std::string chunk(kChunkBytes, '\0');
    for (uintmax_t left = size; left > 0;) {
      const size_t n = std::fread(chunk.data(), 1, static_cast<size_t>(std::min<uintmax_t>(left, kChunkBytes)),
                                  file.get());
      // A file that shrank while it was sent cannot keep the length
      // announced: the connection ends, and the client sees a short file.
      if (n < chunk.size()) chunk.resize(n);
      if (n == 0 || !connection.WriteAll(chunk)) return false;
      left -= n;
    }
    return true;
  };
}

bool BackupBegin(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  const auto list = context.backups.Find(SessionOf(request));
  const std::string name = request.Text("File-Fullpath");
  // Only what this session's BACKUPINIT listed, and only inside the
  // installation once links are followed.
  const auto listed = list ? list->find(name) : BackupLists::List::const_iterator();
  if (!list || listed == list->end()) {
    response.Fail(404, "Not Found");
    return true;
  }
  const ServedFile& file = listed->second;
  if (file.written) {
    AnswerContent(response, file.contents);
    return true;
  }
  const std::optional<std::string> source = SafePath(context.installFolder, name);
  if (!source) {
    response.Fail(404, "Not Found");
    return true;
  }
  if (file.listed.kind != vxpp::BackupFileKind::kDatabase) {
    AnswerFile(response, *source);
    return true;
  }
  std::string stem = name.substr(name.rfind('/') + 1);
  stem = stem.substr(0, stem.rfind('.'));
  auto snapshot = std::make_shared<TemporaryFile>();
  snapshot->path = (std::filesystem::temp_directory_path() /
                    vxpp::FormatText("%s_%s%d.db", stem.c_str(), CDateTime::Now().FormatLogTime().c_str(),
                                     context.backups.NextSnapshotNumber()))
                       .string();
  std::string error;
  if (!SnapshotDatabase(*source, snapshot->path, &error)) {
    response.Fail(500, "Internal Server Error");
    return true;
  }
  AnswerFile(response, snapshot->path, snapshot);
  return true;
}

bool BackupUninit(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse&) {
  context.backups.Drop(SessionOf(request));
  return true;
}

bool QueryRecSize(ServerContext& context, const VxppRequest& request, ServerConnection&, VxppResponse& response) {
  const BackupScope scope = BackupScope::FromRequest(request);
  uint64_t total = 0;
  std::map<uint32_t, uint64_t> perCamera;
  for (uint32_t camera : scope.cameras) perCamera[camera] = 0;
  for (const ServedFile& file : ListRecordings(context.installFolder, scope)) {
    recording::RecordingFile parsed;
    recording::ParseRelativePath(file.listed.path, &parsed);
    perCamera[parsed.cameraIndex] += file.listed.size;
    total += file.listed.size;
  }
  for (const ServedFile& file : ListLogDatabases(context.installFolder, scope)) total += file.listed.size;
  response.Add("QueryFileRecordSize", std::to_string(total));
  if (request.Number("Get-Separate-File-Size", 0) != 1) return true;
  response.Add("File-Record-Size-Count", static_cast<int64_t>(perCamera.size()));
  int i = 0;
  for (const auto& [camera, bytes] : perCamera)
    response.Add(vxpp::FormatText("File-Record-Size_%d", i++), std::to_string(bytes));
  return true;
}

bool DeleteFileRecord(ServerContext& context, const VxppRequest& request, ServerConnection&,
                      VxppResponse& response) {
  platform::Env* env = platform::Env::Default();
  bool allGone = true;
  for (const ServedFile& file : ListRecordings(context.installFolder, BackupScope::FromRequest(request))) {
    const std::string path = platform::JoinPath(context.installFolder, file.listed.path);
    allGone = env->DeleteFile(path) && allGone;
    // The hour's folders go with their last file.
    const std::string video = path.substr(0, path.rfind('/'));
    const std::string camera = video.substr(0, video.rfind('/'));
    if (env->DeleteFolder(video) && env->DeleteFolder(camera)) env->DeleteFolder(camera.substr(0, camera.rfind('/')));
  }
  if (!allGone) response.Fail(500, "Internal Server Error");
  return true;
}

}  // namespace

void AddBackupCommands(CommandTable& table, ServerContext& context) {
  table.Add("BACKUPINIT", kVersion2, ForSession(context, BackupInit));
  table.Add("BACKUPINIT2", kVersion2, ForSession(context, BackupInit));
  table.Add("BACKUPBEGIN", kVersion2, ForSession(context, BackupBegin));
  table.Add("BACKUPUNINIT", kVersion2, ForSession(context, BackupUninit));
  table.Add("QUERYRECSIZE", kVersion2, ForSession(context, QueryRecSize));
  table.Add("DELETEFILERECORD", kVersion2, ForSession(context, DeleteFileRecord, kMayDeleteRecordings));
}

}  // namespace vxpp_server
