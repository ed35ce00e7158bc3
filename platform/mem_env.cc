#include "platform/mem_env.h"

#include <cerrno>

namespace platform {

class MemWritableFile final : public WritableFile {
 public:
  MemWritableFile(MemEnv* env, std::string path) : m_env(env), m_path(std::move(path)) {}

  bool Append(std::string_view data) override {
    if (!Usable()) return false;
    m_env->AppendTo(m_path, data);
    return true;
  }
  bool Flush() override { return Usable(); }
  bool Sync() override { return Usable(); }
  bool Close() override {
    const bool usable = Usable();
    m_closed = true;
    return usable;
  }
  const std::string& Error() const override { return m_error; }

 private:
  bool Usable() {
    if (m_closed && m_error.empty()) m_error = FileError(m_path, EBADF);
    return m_error.empty();
  }

  MemEnv* m_env;
  const std::string m_path;
  bool m_closed = false;
  std::string m_error;
};

namespace {

std::string Canonical(const std::string& path) {
  std::string out = path;
  while (out.size() > 1 && out.back() == '/') out.pop_back();
  return out;
}

// "a/b/" for "a/b": what every path inside the folder starts with.
std::string Inside(const std::string& folder) { return folder == "/" ? folder : folder + "/"; }

const std::string& KeyOf(const std::string& path) { return path; }
const std::string& KeyOf(const std::pair<const std::string, std::string>& file) { return file.first; }

// Whether a sorted container of paths holds one starting with `prefix`.
template <typename Sorted>
bool HoldsPrefix(const Sorted& sorted, const std::string& prefix) {
  auto it = sorted.lower_bound(prefix);
  return it != sorted.end() && KeyOf(*it).compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

void MemEnv::CreateFolder(const std::string& path) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_folders.insert(Canonical(path));
}

bool MemEnv::IsFolderLocked(const std::string& path) const {
  if (m_folders.count(path) != 0) return true;
  const std::string prefix = Inside(path);
  return HoldsPrefix(m_folders, prefix) || HoldsPrefix(m_files, prefix);
}

bool MemEnv::ListFolder(const std::string& folder, std::vector<FolderEntry>* entries) {
  std::lock_guard<std::mutex> lock(m_mutex);
  entries->clear();
  const std::string path = Canonical(folder);
  if (!IsFolderLocked(path)) return false;
  const std::string prefix = Inside(path);
  // Files and folders below the folder, each child named once.
  std::map<std::string, FolderEntry> children;
  auto add = [&](const std::string& inner, bool isFile, uint64_t size) {
    if (inner.compare(0, prefix.size(), prefix) != 0 || inner.size() == prefix.size()) return;
    const std::string rest = inner.substr(prefix.size());
    const size_t slash = rest.find('/');
    const std::string name = rest.substr(0, slash);
    const bool isDirectory = !isFile || slash != std::string::npos;
    children.emplace(name, FolderEntry{name, isDirectory, isDirectory ? 0 : size});
  };
  for (const auto& [name, contents] : m_files) add(name, true, contents.size());
  for (const auto& name : m_folders) add(name, false, 0);
  for (auto& [name, entry] : children) entries->push_back(entry);
  return true;
}

bool MemEnv::FileExists(const std::string& path) {
  std::lock_guard<std::mutex> lock(m_mutex);
  const std::string canonical = Canonical(path);
  return m_files.count(canonical) != 0 || IsFolderLocked(canonical);
}

bool MemEnv::DeleteFile(const std::string& path) {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_files.erase(Canonical(path)) != 0;
}

bool MemEnv::ReadFile(const std::string& path, std::string* contents) {
  std::lock_guard<std::mutex> lock(m_mutex);
  contents->clear();
  auto it = m_files.find(Canonical(path));
  if (it == m_files.end()) return false;
  *contents = it->second;
  return true;
}

bool MemEnv::WriteFileAtomic(const std::string& path, const std::string& contents) {
  std::lock_guard<std::mutex> lock(m_mutex);
  const std::string canonical = Canonical(path);
  if (IsFolderLocked(canonical)) return false;
  m_files[canonical] = contents;
  m_writtenAt[canonical] = ++m_writes;
  return true;
}

bool MemEnv::GetFileStamp(const std::string& path, FileStamp* stamp) {
  std::lock_guard<std::mutex> lock(m_mutex);
  const std::string canonical = Canonical(path);
  const auto file = m_files.find(canonical);
  if (file == m_files.end()) return false;
  *stamp = FileStamp{m_writtenAt[canonical], file->second.size()};
  return true;
}

bool MemEnv::NewWritableFile(const std::string& path, WriteMode mode, std::unique_ptr<WritableFile>* file,
                             std::string* error) {
  std::lock_guard<std::mutex> lock(m_mutex);
  const std::string canonical = Canonical(path);
  if (IsFolderLocked(canonical)) {
    *error = FileError(path, EISDIR);
    return false;
  }
  std::string& contents = m_files[canonical];
  if (mode == WriteMode::kTruncate) contents.clear();
  *file = std::make_unique<MemWritableFile>(this, canonical);
  return true;
}

bool MemEnv::MakeFolders(const std::string& folder, std::string* error) {
  std::lock_guard<std::mutex> lock(m_mutex);
  const std::string canonical = Canonical(folder);
  if (m_files.count(canonical) != 0) {
    *error = FileError(folder, EEXIST);
    return false;
  }
  m_folders.insert(canonical);
  return true;
}

bool MemEnv::DeleteFolder(const std::string& folder) {
  std::lock_guard<std::mutex> lock(m_mutex);
  const std::string prefix = Inside(Canonical(folder));
  if (HoldsPrefix(m_folders, prefix) || HoldsPrefix(m_files, prefix)) return false;
  return m_folders.erase(Canonical(folder)) != 0;
}

bool MemEnv::RenameFile(const std::string& from, const std::string& to, std::string* error) {
  std::lock_guard<std::mutex> lock(m_mutex);
  const auto file = m_files.find(Canonical(from));
  const std::string target = Canonical(to);
  if (file == m_files.end() || IsFolderLocked(target)) {
    *error = FileError(file == m_files.end() ? from : to, file == m_files.end() ? ENOENT : EISDIR);
    return false;
  }
  std::string contents = std::move(file->second);
  m_files.erase(file);
  m_files[target] = std::move(contents);
  m_writtenAt[target] = ++m_writes;
  return true;
}

void MemEnv::AppendTo(const std::string& path, std::string_view data) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_files[path].append(data);
}

}  // namespace platform
