// FaultInjectionEnv: an Env that passes every call on to another Env except
// the operations told to fail, which fail without touching it.  For tests of
// what happens when a disk refuses a read or a rewrite.
//
// Thread use: safe from any thread, as far as the wrapped Env is.
#pragma once

#include <array>
#include <atomic>

#include "platform/env.h"

namespace platform {

enum class EnvOperation { kListFolder, kFileExists, kDeleteFile, kReadFile, kWriteFileAtomic };

class FaultInjectionEnv final : public Env {
 public:
  // `target` must outlive this Env.
  explicit FaultInjectionEnv(Env* target) : m_target(target) {}

  // Every later call of `operation` fails (false), or passes again.
  void SetFailing(EnvOperation operation, bool failing);
  // Calls of `operation` so far, failed ones included.
  int Calls(EnvOperation operation) const;

  bool ListFolder(const std::string& folder, std::vector<FolderEntry>* entries) override;
  bool FileExists(const std::string& path) override;
  bool DeleteFile(const std::string& path) override;
  bool ReadFile(const std::string& path, std::string* contents) override;
  bool WriteFileAtomic(const std::string& path, const std::string& contents) override;
  // Always passed on: a stamp tells what to read, it reads nothing.
  bool GetFileStamp(const std::string& path, FileStamp* stamp) override { return m_target->GetFileStamp(path, stamp); }

 private:
  static constexpr size_t kOperations = 5;
  // Counts the call; true when it must fail.
  bool Fails(EnvOperation operation);

  Env* m_target;
  std::array<std::atomic<bool>, kOperations> m_failing{};
  std::array<std::atomic<int>, kOperations> m_calls{};
};

}  // namespace platform
