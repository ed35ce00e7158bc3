// Env: the file operations of the viewer behind one interface, so that
// folder listing, deletion, writing and atomic rewriting can be tested with
// fakes and injected faults.  Env::Default() is the real file system; it is
// shared by the whole process and safe to use from any thread.
//
// Every file the viewer writes is written through an Env, and a failed write
// is reported with its reason in words: "<path>: <system error text>", for
// instance "/tmp/list.csv: No space left on device".
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
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

// The reason a file operation failed, as the viewer reports it:
// "<path>: <strerror(errnum)>".
std::string FileError(const std::string& path, int errnum);

// A file open for writing.  Writes may be buffered until Flush, Sync or
// Close.  The first failure is kept: that call and every later one return
// false without writing, and Error() says why.  Destroying a file that was
// not closed closes it without reporting.  Used from one thread at a time.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  virtual bool Append(std::string_view data) = 0;
  // Hands the buffered bytes to the operating system.
  virtual bool Flush() = 0;
  // Flushes, then commits the file's bytes to the disk.
  virtual bool Sync() = 0;
  // Flushes and closes; true when every byte appended reached the file.
  // Later calls fail.
  virtual bool Close() = 0;
  // Why the first failed call failed; empty while none failed.
  virtual const std::string& Error() const = 0;
};

enum class WriteMode {
  kTruncate,  // the file is emptied, or created
  kAppend,    // writes go after the file's bytes; the file is created when missing
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
  // The file keeps the permission bits it had.
  virtual bool WriteFileAtomic(const std::string& path, const std::string& contents) = 0;
  // The stamp of a file; false when there is no such file.
  virtual bool GetFileStamp(const std::string& path, FileStamp* stamp) = 0;
  // Opens `path` for writing.  False when it cannot be opened or created;
  // `error` then says why (FileError).
  virtual bool NewWritableFile(const std::string& path, WriteMode mode, std::unique_ptr<WritableFile>* file,
                               std::string* error) = 0;
  // Makes `folder` and every missing folder above it.  False when one cannot
  // be made; `error` then says why.
  virtual bool MakeFolders(const std::string& folder, std::string* error) = 0;
  // Removes an empty folder; false when it is missing or not empty.
  virtual bool DeleteFolder(const std::string& folder) = 0;
  // Gives the file `from` the name `to` in one step, replacing a file of that
  // name, so that `to` is never seen half-written.  Both on one file system.
  virtual bool RenameFile(const std::string& from, const std::string& to, std::string* error) = 0;
};

// Writes `data` as the whole new contents of `path` and closes it.  False
// when any of it was not written; `error` then says why.
bool WriteStringToFile(Env* env, std::string_view data, const std::string& path, std::string* error);

}  // namespace platform
