#include "config/vx_user_manual.h"

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <thread>

#include "platform/debug_output.h"
#include "platform/paths.h"
#include "xml/xml_util.h"

extern char** environ;

namespace {

std::vector<std::string> SplitTopic(const std::string& topic) {
  std::vector<std::string> elements;
  size_t start = 0;
  while (start <= topic.size()) {
    const size_t end = std::min(topic.find_first_of(". ", start), topic.size());
    if (end > start) elements.push_back(topic.substr(start, end - start));
    start = end + 1;
  }
  return elements;
}

}  // namespace

CVxUserManual::CVxUserManual(std::string folder, Launcher launcher)
    : m_folder(std::move(folder)), m_launcher(std::move(launcher)) {}

std::string CVxUserManual::DefaultFolder() { return platform::LocateDataFile("manual"); }

bool CVxUserManual::StartProcess(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return false;
  // The viewer does not wait for the help viewer, but its exit must be
  // collected so that it leaves no zombie behind.
  std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
  return true;
}

CVxUserManual::HelpPage CVxUserManual::FindHelpPage(const std::string& topic) const {
  CXmlUtil index;
  HelpPage result{"", kWelcomePage};
  if (index.Load(platform::JoinPath(m_folder, "manual.xml")) != kXmlStatusOk) return result;
  index.GetAttributeValue("file", result.file);
  std::string file = result.file;
  const XmlElement* element = index.Root();
  for (const std::string& name : SplitTopic(topic)) {
    element = element->Child(name);
    if (element == nullptr) return result;
    GetElementAttributeValue(element, "file", file);
  }
  std::string page;
  if (element == index.Root() || GetElementAttributeValue(element, "ref", page) != kXmlStatusOk)
    return result;
  return {file, page};
}

std::string CVxUserManual::PagePath(const std::string& topic) const {
  const HelpPage help = FindHelpPage(topic);
  return platform::JoinPath(platform::JoinPath(m_folder, help.file), help.page);
}

bool CVxUserManual::OpenUserManual(const std::string& topic) const {
  const std::string path = PagePath(topic);
  const std::string command = std::string(kHelpViewer) + " " + path;
  std::vector<char> line(command.size() + 64);
  std::snprintf(line.data(), line.size(), "[%s] %s", "CVxUserManual::OpenUserManaul", command.c_str());
  platform::DebugOutput(line.data());
  return m_launcher({kHelpViewer, path});
}
