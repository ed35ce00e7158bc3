#include "platform/fault_injection_env.h"

#include <algorithm>
#include <cerrno>

namespace platform {

class FaultWritableFile final : public WritableFile {
 public:
  FaultWritableFile(FaultInjectionEnv* env, std::string path, std::unique_ptr<WritableFile> target)
      : m_env(env), m_path(std::move(path)), m_target(std::move(target)) {}

  bool Append(std::string_view data) override {
    if (!Error().empty()) return false;
    const size_t fits = m_env->TakeSpace(data.size());
    if (!m_target->Append(data.substr(0, fits))) return false;
    if (fits < data.size()) m_error = FileError(m_path, ENOSPC);
    return m_error.empty();
  }
  bool Flush() override { return Error().empty() && m_target->Flush(); }
  bool Sync() override { return Error().empty() && m_target->Sync(); }
  bool Close() override { return m_target->Close() && m_error.empty(); }
  const std::string& Error() const override { return m_error.empty() ? m_target->Error() : m_error; }

 private:
  FaultInjectionEnv* m_env;
  const std::string m_path;
  std::unique_ptr<WritableFile> m_target;
  std::string m_error;
};

void FaultInjectionEnv::SetFailing(EnvOperation operation, bool failing) {
  m_failing[static_cast<size_t>(operation)] = failing;
}

int FaultInjectionEnv::Calls(EnvOperation operation) const {
  return m_calls[static_cast<size_t>(operation)];
}

bool FaultInjectionEnv::Fails(EnvOperation operation) {
  ++m_calls[static_cast<size_t>(operation)];
  return m_failing[static_cast<size_t>(operation)];
}

void FaultInjectionEnv::SetSpaceLeft(std::optional<uint64_t> bytes) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_spaceLeft = bytes;
}

void FaultInjectionEnv::SetReadOnlyFolder(const std::string& folder) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_readOnlyFolder = folder;
  while (m_readOnlyFolder.size() > 1 && m_readOnlyFolder.back() == '/') m_readOnlyFolder.pop_back();
}

size_t FaultInjectionEnv::TakeSpace(size_t bytes) {
  std::lock_guard<std::mutex> lock(m_mutex);
  if (!m_spaceLeft) return bytes;
  const size_t fits = static_cast<size_t>(std::min<uint64_t>(bytes, *m_spaceLeft));
  *m_spaceLeft -= fits;
  return fits;
}

bool FaultInjectionEnv::InReadOnlyFolder(const std::string& path) {
  std::lock_guard<std::mutex> lock(m_mutex);
  const size_t slash = path.rfind('/');
  return !m_readOnlyFolder.empty() && slash != std::string::npos && path.substr(0, slash) == m_readOnlyFolder;
}

bool FaultInjectionEnv::ListFolder(const std::string& folder, std::vector<FolderEntry>* entries) {
  if (Fails(EnvOperation::kListFolder)) {
    entries->clear();
    return false;
  }
  return m_target->ListFolder(folder, entries);
}

bool FaultInjectionEnv::FileExists(const std::string& path) {
  return !Fails(EnvOperation::kFileExists) && m_target->FileExists(path);
}

bool FaultInjectionEnv::DeleteFile(const std::string& path) {
  return !Fails(EnvOperation::kDeleteFile) && m_target->DeleteFile(path);
}

bool FaultInjectionEnv::ReadFile(const std::string& path, std::string* contents) {
  if (Fails(EnvOperation::kReadFile)) {
    contents->clear();
    return false;
  }
  return m_target->ReadFile(path, contents);
}

bool FaultInjectionEnv::WriteFileAtomic(const std::string& path, const std::string& contents) {
  // A rewrite creates a file beside the old one, and needs room for all of it.
  if (Fails(EnvOperation::kWriteFileAtomic) || InReadOnlyFolder(path)) return false;
  return TakeSpace(contents.size()) == contents.size() && m_target->WriteFileAtomic(path, contents);
}

bool FaultInjectionEnv::NewWritableFile(const std::string& path, WriteMode mode,
                                        std::unique_ptr<WritableFile>* file, std::string* error) {
  if (InReadOnlyFolder(path) && !m_target->FileExists(path)) {
    *error = FileError(path, EACCES);
    return false;
  }
  std::unique_ptr<WritableFile> target;
  if (!m_target->NewWritableFile(path, mode, &target, error)) return false;
  *file = std::make_unique<FaultWritableFile>(this, path, std::move(target));
  return true;
}

}  // namespace platform
