// MemEnv: an Env whose files live in memory, for tests of everything that
// reads and writes files through an Env.  Paths are plain strings with "/"
// between names; a folder exists when it was made with CreateFolder or holds
// a file.  Listings come in name order.
//
// Thread use: safe from any thread.
#pragma once

#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/env.h"

namespace platform {

class MemEnv final : public Env {
 public:
  // Makes an empty folder (a file written below a folder makes it anyway).
  void CreateFolder(const std::string& path);

  bool ListFolder(const std::string& folder, std::vector<FolderEntry>* entries) override;
  bool FileExists(const std::string& path) override;
  bool DeleteFile(const std::string& path) override;
  bool ReadFile(const std::string& path, std::string* contents) override;
  bool WriteFileAtomic(const std::string& path, const std::string& contents) override;
  // The modification time is a count of the writes made so far.
  bool GetFileStamp(const std::string& path, FileStamp* stamp) override;
  // Appended bytes reach the file at once; a path that names a folder
  // fails with "Is a directory".
  bool NewWritableFile(const std::string& path, WriteMode mode, std::unique_ptr<WritableFile>* file,
                       std::string* error) override;
  bool MakeFolders(const std::string& folder, std::string* error) override;
  bool DeleteFolder(const std::string& folder) override;
  bool RenameFile(const std::string& from, const std::string& to, std::string* error) override;

 private:
  friend class MemWritableFile;
  bool IsFolderLocked(const std::string& path) const;
  void AppendTo(const std::string& path, std::string_view data);

  std::mutex m_mutex;
  std::map<std::string, std::string> m_files;
  std::map<std::string, int64_t> m_writtenAt;  // the write count when each file was last written
  int64_t m_writes = 0;
  std::set<std::string> m_folders;
};

}  // namespace platform
