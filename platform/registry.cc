#include "platform/registry.h"

#include <cstdio>
#include <cstdlib>

#include "platform/code_page.h"
#include "platform/debug_output.h"
#include "platform/env.h"
#include "platform/paths.h"
#include "platform/reg_file.h"

namespace platform {
namespace {

constexpr std::string_view kMachineRoot = "HKEY_LOCAL_MACHINE";
constexpr std::string_view kSoftware = "SOFTWARE";
constexpr std::string_view kWow64Node = "WOW6432Node";

// Names cross the interface in the system code page; the tree keeps UTF-8.
std::string ToTreeText(std::string_view text) {
  return ConvertCodePage(text, SystemCodePage(), kCodePageUtf8);
}

std::string FromTreeText(std::string_view text) {
  return ConvertCodePage(text, kCodePageUtf8, SystemCodePage());
}

// What RegQueryValueExA hands out: text converted from the stored UTF-16LE,
// zeros included; anything else as stored.
std::string CallerData(const RegistryTree::Value& value) {
  return IsRegStringType(value.type) ? FromUtf16LeBytes(value.data, SystemCodePage()) : value.data;
}

std::string JoinRegPath(std::string_view parent, std::string_view name) {
  if (parent.empty()) return std::string(name);
  if (name.empty()) return std::string(parent);
  return std::string(parent) + '\\' + std::string(name);
}

}  // namespace

// ---- RegistryKey

RegistryKey RegistryKey::OpenSubKey(std::string_view name) const {
  if (!IsOpen()) return {};
  return m_registry->Open(JoinRegPath(m_path, ToTreeText(name)));
}

RegStatus RegistryKey::QueryValue(std::string_view name, size_t maxSize, RegValue* value) const {
  *value = RegValue();
  if (!IsOpen()) return kRegNotFound;
  const auto tree = m_registry->Tree();
  const RegistryTree::Key* key = tree->Find(m_realPath);
  const RegistryTree::Value* found = key != nullptr ? key->FindValue(ToTreeText(name)) : nullptr;
  if (found == nullptr) return kRegNotFound;
  std::string data = CallerData(*found);
  value->type = found->type;
  value->size = data.size();
  if (data.size() > maxSize) return kRegMoreData;
  value->data = std::move(data);
  return kRegOk;
}

bool RegistryKey::QueryDword(std::string_view name, uint32_t* value) const {
  RegValue found;
  if (QueryValue(name, 4, &found) != kRegOk || found.type != REG_DWORD || found.size != 4) return false;
  *value = 0;
  for (int i = 3; i >= 0; --i) *value = *value << 8 | static_cast<unsigned char>(found.data[i]);
  return true;
}

bool RegistryKey::EnumSubKey(size_t index, std::string* name) const {
  if (!IsOpen()) return false;
  const auto tree = m_registry->Tree();
  const RegistryTree::Key* key = tree->Find(m_realPath);
  if (key == nullptr || index >= key->SubKeys().size()) return false;
  *name = FromTreeText(key->SubKeys()[index]->Name());
  return true;
}

bool RegistryKey::SetDword(std::string_view name, uint32_t value) const {
  return IsOpen() && m_registry->SetDword(m_realPath, ToTreeText(name), value);
}

// ---- Registry

Registry& Registry::Machine() {
  static Registry* machine = new Registry();  // never destroyed: keys may be used during exit
  return *machine;
}

Registry::Registry(std::string path, Env* env)
    : m_path(std::move(path)), m_env(env != nullptr ? env : Env::Default()) {}

void Registry::UseFile(std::string path, Env* env) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_path = std::move(path);
  m_env = env != nullptr ? env : Env::Default();
  m_tree.reset();
}

void Registry::Reload() {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_tree = LoadLocked();
}

void Registry::Refresh() {
  std::lock_guard<std::mutex> lock(m_mutex);
  if (m_tree && StampLocked() != m_stamp) m_tree = LoadLocked();
}

std::optional<FileStamp> Registry::StampLocked() const {
  FileStamp stamp;
  if (!m_env->GetFileStamp(FilePathLocked(), &stamp)) return std::nullopt;
  return stamp;
}

std::string Registry::FilePath() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return FilePathLocked();
}

std::string Registry::FilePathLocked() const {
  if (!m_path.empty()) return m_path;
  if (const char* env = std::getenv("LOGVIEW_REGISTRY"); env != nullptr && *env != '\0') return env;
  return JoinPath(InstallFolder(), "registry.reg");
}

std::shared_ptr<const RegistryTree> Registry::LoadLocked() {
  const std::string path = FilePathLocked();
  // Stamped before reading: a change made meanwhile is read again next time.
  m_stamp = StampLocked();
  std::string bytes;
  if (!m_env->ReadFile(path, &bytes)) {
    // No file is no registry; a file that is there but unreadable is a fault.
    if (m_env->FileExists(path)) DebugOutput("[Registry] " + path + ": cannot be read; the registry is empty");
    return std::make_shared<RegistryTree>();
  }
  RegFile file;
  RegFileError error;
  if (!RegFile::Parse(std::move(bytes), &file, &error)) {
    DebugOutput("[Registry] " + path + " line " + std::to_string(error.line) + ": " + error.reason +
                "; the registry is empty");
    return std::make_shared<RegistryTree>();
  }
  // A damaged file may hold thousands of bad lines; the first ones tell what happened.
  constexpr size_t kSkippedLinesShown = 20;
  const std::vector<RegFileError>& skipped = file.SkippedLines();
  for (size_t i = 0; i < skipped.size() && i < kSkippedLinesShown; ++i)
    DebugOutput("[Registry] " + path + " line " + std::to_string(skipped[i].line) + ": " + skipped[i].reason +
                "; the line is skipped");
  if (skipped.size() > kSkippedLinesShown)
    DebugOutput("[Registry] " + path + ": " + std::to_string(skipped.size() - kSkippedLinesShown) +
                " more lines skipped");
  return file.BuildTree();
}

std::shared_ptr<const RegistryTree> Registry::Tree() {
  std::lock_guard<std::mutex> lock(m_mutex);
  if (!m_tree) m_tree = LoadLocked();
  return m_tree;
}

RegistryKey Registry::OpenKey(std::string_view path) { return Open(ToTreeText(path)); }

RegistryKey Registry::Open(std::string path) {
  std::optional<std::string> realPath = Resolve(*Tree(), path);
  if (!realPath) return {};
  return RegistryKey(this, std::move(path), std::move(*realPath));
}

std::optional<std::string> Registry::Resolve(const RegistryTree& tree, std::string_view path) {
  // Walks down from HKEY_LOCAL_MACHINE, spelling the path as the tree does.
  auto walk = [&tree](const std::vector<std::string_view>& names) -> std::optional<std::string> {
    const RegistryTree::Key* key = tree.Top().FindSubKey(kMachineRoot);
    std::string real(kMachineRoot);
    for (std::string_view name : names) {
      if (key == nullptr) break;
      key = key->FindSubKey(name);
      if (key != nullptr) (real += '\\') += key->Name();
    }
    if (key == nullptr) return std::nullopt;
    return real;
  };
  std::vector<std::string_view> names = SplitRegPath(path);
  const bool redirectable = !names.empty() && RegNameEquals(names[0], kSoftware) &&
                            !(names.size() > 1 && RegNameEquals(names[1], kWow64Node));
  if (redirectable) {
    std::vector<std::string_view> redirected = names;
    redirected.insert(redirected.begin() + 1, kWow64Node);
    if (auto real = walk(redirected)) return real;
  }
  return walk(names);
}

bool Registry::SetDword(const std::string& realPath, std::string_view name, uint32_t value) {
  std::lock_guard<std::mutex> lock(m_mutex);
  // The file as it is now, not as it was read: someone may have edited it,
  // and every byte but this value's must survive.
  const std::string path = FilePathLocked();
  std::string bytes;
  RegFile file;
  if (!m_env->ReadFile(path, &bytes) || !RegFile::Parse(std::move(bytes), &file)) return false;
  std::string rewritten;
  if (!file.WithDword(realPath, name, value, &rewritten)) return false;
  if (!m_env->WriteFileAtomic(path, rewritten)) return false;
  RegFile written;
  if (!RegFile::Parse(std::move(rewritten), &written)) return false;
  m_tree = written.BuildTree();
  m_stamp = StampLocked();
  return true;
}

}  // namespace platform
