#include "platform/paths.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <optional>

namespace platform {
namespace {

std::mutex g_mutex;
std::optional<std::string> g_installFolder;

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool IsMarkedRoot(const std::string& folder) {
  std::error_code ec;
  return std::filesystem::exists(JoinPath(folder, kInstallRootMarker), ec);
}

std::string WorkOutInstallFolder() {
  if (const char* env = std::getenv("LOGVIEW_INSTALL"); env != nullptr && *env != '\0') {
    std::string folder = NormaliseSeparators(env);
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
  }
  const std::string exeFolder = ExecutableFolder();
  if (!IsMarkedRoot(exeFolder)) {
    const std::string parent = std::filesystem::path(exeFolder).parent_path().string();
    if (!parent.empty() && IsMarkedRoot(parent)) return parent;
  }
  return exeFolder;
}

}  // namespace

std::string NormaliseSeparators(std::string_view path) {
  std::string out(path);
  for (auto& c : out)
    if (c == '\\') c = '/';
  return out;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  if (folder.empty()) return NormaliseSeparators(name);
  while (!name.empty() && IsSeparator(name.front())) name.remove_prefix(1);
  std::string out = NormaliseSeparators(folder);
  if (out.back() != '/') out += '/';
  out += NormaliseSeparators(name);
  return out;
}

std::string ExecutableFolder() {
  char buffer[4096];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return ".";
  return std::filesystem::path(std::string(buffer, static_cast<size_t>(n))).parent_path().string();
}

std::string InstallFolder() {
  std::lock_guard<std::mutex> lock(g_mutex);
  if (!g_installFolder) g_installFolder = WorkOutInstallFolder();
  return *g_installFolder;
}

void SetInstallFolder(std::string folder) {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_installFolder = NormaliseSeparators(folder);
}

std::string InstalledDataFolder() { return LOGVIEW_INSTALLED_DATA_DIR; }

std::string LocateDataFile(std::string_view relative) {
  const std::string name = NormaliseSeparators(relative);
  if (!name.empty() && name.front() == '/') return name;
  const std::string inInstallation = JoinPath(InstallFolder(), name);
  std::error_code ec;
  if (std::filesystem::exists(inInstallation, ec)) return inInstallation;
  const std::string inData = JoinPath(InstalledDataFolder(), name);
  if (std::filesystem::exists(inData, ec)) return inData;
  return inInstallation;
}

std::string AppDataFolder() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg != '\0') return xdg;
  const char* home = std::getenv("HOME");
  return JoinPath(home != nullptr ? home : ".", ".local/share");
}

}  // namespace platform
