// A backup's file list as a server sends it after BACKUPINIT.  A list the
// client accepts names only paths that land inside the copy, holds no more
// files than the client takes, and written again reads back as the same
// list; a list it refuses leaves nothing behind.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "protocol/backup_file_list.h"
#include "protocol/client_limits.h"

namespace {

// Judged apart from the client's own check: a relative path already in its
// shortest form, whose every part is a name (no ".", "..", empty part or
// trailing "/"), without a backslash or a control character.
bool LandsInsideTheCopy(std::string_view text) {
  for (const unsigned char c : text)
    if (c == '\\' || c < 0x20 || c == 0x7f) return false;
  const std::filesystem::path path(text);
  if (text.empty() || text.back() == '/' || !path.is_relative() || path.lexically_normal().native() != text)
    return false;
  for (const std::filesystem::path& part : path)
    if (part.empty() || part == "." || part == "..") return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view body(reinterpret_cast<const char*>(data), size);
  std::vector<vxpp::BackupFile> files;
  if (!vxpp::DecodeBackupFileList(body, &files)) {
    if (!files.empty()) __builtin_trap();
    return 0;
  }
  if (files.size() > vxpp::kMaxBackupFiles) __builtin_trap();
  for (const vxpp::BackupFile& file : files)
    if (!LandsInsideTheCopy(file.path)) __builtin_trap();
  std::vector<vxpp::BackupFile> again;
  if (!vxpp::DecodeBackupFileList(vxpp::EncodeBackupFileList(files), &again) || again != files) __builtin_trap();
  return 0;
}
