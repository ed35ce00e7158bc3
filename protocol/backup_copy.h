// CBackupCopy: the folder a backup is received into.  Each file is written
// into "<destination>/tempDirectory" and given its final name (its relative
// path below the destination) only once it is complete, so a file under a
// final name is always whole.  A copy that is not Kept when it ends is
// rolled back: the files it put in place, its temporary folder, the
// folders it left empty and the destination when it made it are removed, so a failed or aborted backup leaves
// no copy that looks complete.  A file of the same name that was there
// before is replaced when the new one is put in place.
//
// Every write goes through the Env given.  One thread at a time.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/env.h"

namespace vxpp {

class CBackupCopy {
 public:
  static constexpr const char* kTempFolder = "tempDirectory";

  // `stamp` ("%04d%02d%02d%02d%02d%02d", the backup's start) names the
  // temporary files; `env` must outlive the copy.
  CBackupCopy(platform::Env* env, std::string destination, std::string stamp);
  ~CBackupCopy();
  CBackupCopy(const CBackupCopy&) = delete;
  CBackupCopy& operator=(const CBackupCopy&) = delete;

  // Makes the destination and its temporary folder.
  bool Start(std::string* error);
  // Starts file number `index` of the list, going to `path`.
  bool Open(size_t index, const std::string& path, std::string* error);
  bool Append(std::string_view bytes, std::string* error);
  // Closes the open file and moves it to its final name.
  bool Commit(std::string* error);
  // The copy is complete: keeps what was put in place, removes the temporary folder.
  void Keep();

 private:
  void Discard();
  void RemoveOpenFile();
  void RemoveEmptyFoldersUpTo(const std::string& path);

  platform::Env* m_env;
  const std::string m_destination;
  const std::string m_temp;
  const std::string m_stamp;
  std::unique_ptr<platform::WritableFile> m_file;
  std::string m_filePath;   // the open file's temporary path
  std::string m_finalPath;  // where it goes
  std::vector<std::string> m_placed;
  bool m_kept = false;
  bool m_madeDestination = false;
};

}  // namespace vxpp
