#include "protocol/backup_file_list.h"

#include <algorithm>
#include <charconv>

#include "protocol/client_limits.h"

namespace vxpp {
namespace {

struct KindName {
  BackupFileKind kind;
  std::string_view name;
};
constexpr KindName kKinds[] = {
    {BackupFileKind::kDatabase, "database"}, {BackupFileKind::kVideo, "video"}, {BackupFileKind::kFile, "file"}};

bool ReadLine(std::string_view line, BackupFile* file) {
  const size_t kindEnd = line.find(' ');
  if (kindEnd == std::string_view::npos) return false;
  bool known = false;
  for (const KindName& k : kKinds) {
    if (line.substr(0, kindEnd) == k.name) {
      file->kind = k.kind;
      known = true;
    }
  }
  const size_t sizeEnd = line.find(' ', kindEnd + 1);
  if (!known || sizeEnd == std::string_view::npos) return false;
  const char* first = line.data() + kindEnd + 1;
  const char* last = line.data() + sizeEnd;
  const auto [end, error] = std::from_chars(first, last, file->size);
  if (first == last || error != std::errc() || end != last) return false;
  file->path = std::string(line.substr(sizeEnd + 1));
  return IsPlainRelativePath(file->path);
}

}  // namespace

std::string EncodeBackupFileList(const std::vector<BackupFile>& files) {
  std::string body;
  for (const BackupFile& file : files) {
    for (const KindName& k : kKinds)
      if (k.kind == file.kind) body += k.name;
    body += ' ' + std::to_string(file.size) + ' ' + file.path + "\r\n";
  }
  return body;
}

bool DecodeBackupFileList(std::string_view body, std::vector<BackupFile>* files) {
  files->clear();
  for (size_t at = 0; at < body.size();) {
    const size_t end = body.find("\r\n", at);
    BackupFile file;
    if (end == std::string_view::npos || files->size() >= kMaxBackupFiles || !ReadLine(body.substr(at, end - at), &file)) {
      files->clear();
      return false;
    }
    files->push_back(std::move(file));
    at = end + 2;
  }
  return true;
}

bool IsPlainRelativePath(std::string_view path) {
  if (path.empty()) return false;
  for (const char c : path)
    if (c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return false;
  size_t start = 0;
  while (true) {
    const size_t end = std::min(path.find('/', start), path.size());
    const std::string_view part = path.substr(start, end - start);
    if (part.empty() || part == "." || part == "..") return false;
    if (end == path.size()) return true;
    start = end + 1;
  }
}

}  // namespace vxpp
