#include "platform/desktop_open.h"

#include <spawn.h>
#include <sys/wait.h>

#include <thread>

extern char** environ;

namespace platform {

std::vector<std::string> DesktopOpenCommand(const std::string& path) { return {"xdg-open", path}; }

bool OpenWithDesktop(const std::string& path) { return StartDetachedProcess(DesktopOpenCommand(path)); }

bool StartDetachedProcess(const std::vector<std::string>& argv) {
  if (argv.empty()) return false;
  std::vector<char*> args;
  for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return false;
  std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
  return true;
}

}  // namespace platform
