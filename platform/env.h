// Env: the file operations of the viewer behind one interface, so that
// folder listing, deletion and atomic rewriting can be tested with fakes and
// injected faults.  Env::Default() is the real file system; it is shared by
// the whole process and safe to use from any thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct FolderEntry {
  std::string name;
  bool isDirectory = false;
  uint64_t size = 0;
};

// When a file last changed and how long it is.  A file whose stamp is the
// same as before is taken to hold what it held.
struct FileStamp {
  int64_t modifiedNs = 0;  // modification time, nanoseconds of the file system's clock
  uint64_t size = 0;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

class Env {
 public:
  virtual ~Env() = default;

  static Env* Default();

  // Entries of `folder` in the order the file system returns them, without
  // "." and "..".  False when the folder cannot be listed.
  virtual bool ListFolder(const std::string& folder, std::vector<FolderEntry>* entries) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool DeleteFile(const std::string& path) = 0;
  // Whole contents of a file; false when it cannot be opened or read.
  virtual bool ReadFile(const std::string& path, std::string* contents) = 0;
  // Replaces the file by `contents` so that a reader sees either the old or
  // the new file, never a part (written beside it, then renamed over it).
  virtual bool WriteFileAtomic(const std::string& path, const std::string& contents) = 0;
  // The stamp of a file; false when there is no such file.
  virtual bool GetFileStamp(const std::string& path, FileStamp* stamp) = 0;
};

}  // namespace platform
