#include "platform/fault_injection_env.h"

namespace platform {

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
  return !Fails(EnvOperation::kWriteFileAtomic) && m_target->WriteFileAtomic(path, contents);
}

}  // namespace platform
