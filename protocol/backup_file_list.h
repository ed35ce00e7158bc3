// The file list of a backup: the body of a BACKUPINIT (or BACKUPINIT2)
// answer, which names every file the client then asks for with BACKUPBEGIN.
//
// One line per file, each ending in CR LF:
//   "<kind> <size> <path>"
// kind  "database" (a consistent copy of a log database, made when asked
//       for, so its final size may differ from the listed one), "video" (a
//       recorded file) or "file" (any other file: one the installation
//       keeps, or one the server writes for the copy);
// size  the file's size in bytes when listed, decimal;
// path  where the file goes in the copy and how BACKUPBEGIN names it:
//       relative, "/" between its parts, the installation's own layout.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vxpp {

enum class BackupFileKind { kDatabase, kVideo, kFile };

struct BackupFile {
  BackupFileKind kind = BackupFileKind::kVideo;
  uint64_t size = 0;
  std::string path;
  friend bool operator==(const BackupFile&, const BackupFile&) = default;
};

std::string EncodeBackupFileList(const std::vector<BackupFile>& files);
// False for a line of another form, a path that is not plain (below), or
// more than kMaxBackupFiles lines (client_limits.h); `files` then holds nothing.
bool DecodeBackupFileList(std::string_view body, std::vector<BackupFile>* files);

// A path a copy may hold: relative, non-empty parts between single "/", none
// of them "." or "..", no backslash and no control character.  What a
// hostile server names can then land nowhere but inside the copy.
bool IsPlainRelativePath(std::string_view path);

}  // namespace vxpp
