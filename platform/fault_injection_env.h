// FaultInjectionEnv: an Env that passes every call on to another Env except
// the operations told to fail, which fail without touching it.  For tests of
// what happens when a disk refuses a read or a write: besides single
// operations, it simulates a full disk and a folder the user may not write to.
//
// Thread use: safe from any thread, as far as the wrapped Env is.
#pragma once

#include <array>
#include <atomic>
#include <mutex>
#include <optional>

#include "platform/env.h"

namespace platform {

enum class EnvOperation { kListFolder, kFileExists, kDeleteFile, kReadFile, kWriteFileAtomic };

class FaultInjectionEnv final : public Env {
 public:
  // `target` must outlive this Env and the files opened through it.
  explicit FaultInjectionEnv(Env* target) : m_target(target) {}

  // Every later call of `operation` fails (false), or passes again.
  void SetFailing(EnvOperation operation, bool failing);
  // Calls of `operation` so far, failed ones included.
  int Calls(EnvOperation operation) const;

  // A full disk: from now on, the files written through this Env take
  // `bytes` more bytes in all.  The append that goes beyond writes what
  // fits and fails with "No space left on device", as every later write
  // does.  Nothing: no limit.
  void SetSpaceLeft(std::optional<uint64_t> bytes);
  // A folder the user may not write to: creating a file directly inside
  // `folder` fails with "Permission denied"; existing files there can still
  // be written.  Empty: none.
  void SetReadOnlyFolder(const std::string& folder);

  bool ListFolder(const std::string& folder, std::vector<FolderEntry>* entries) override;
  bool FileExists(const std::string& path) override;
  bool DeleteFile(const std::string& path) override;
  bool ReadFile(const std::string& path, std::string* contents) override;
  bool WriteFileAtomic(const std::string& path, const std::string& contents) override;
  // Always passed on: a stamp tells what to read, it reads nothing.
  bool GetFileStamp(const std::string& path, FileStamp* stamp) override { return m_target->GetFileStamp(path, stamp); }
  bool NewWritableFile(const std::string& path, WriteMode mode, std::unique_ptr<WritableFile>* file,
                       std::string* error) override;
  // Passed on: they take no room on the disk.
  bool MakeFolders(const std::string& folder, std::string* error) override {
    return m_target->MakeFolders(folder, error);
  }
  bool DeleteFolder(const std::string& folder) override { return m_target->DeleteFolder(folder); }
  bool RenameFile(const std::string& from, const std::string& to, std::string* error) override {
    return m_target->RenameFile(from, to, error);
  }

 private:
  friend class FaultWritableFile;
  static constexpr size_t kOperations = 5;
  // Counts the call; true when it must fail.
  bool Fails(EnvOperation operation);
  // How many of `bytes` still fit on the disk; takes them.
  size_t TakeSpace(size_t bytes);
  bool InReadOnlyFolder(const std::string& path);

  Env* m_target;
  std::array<std::atomic<bool>, kOperations> m_failing{};
  std::array<std::atomic<int>, kOperations> m_calls{};
  std::mutex m_mutex;
  std::optional<uint64_t> m_spaceLeft;
  std::string m_readOnlyFolder;
};

}  // namespace platform
