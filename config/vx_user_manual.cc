#include "config/vx_user_manual.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/debug_output.h"
#include "platform/paths.h"
#include "xml/xml_util.h"

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

CVxUserManual::CVxUserManual(std::string folder, Opener opener)
    : m_folder(std::move(folder)), m_opener(std::move(opener)) {}

std::string CVxUserManual::DefaultFolder() { return platform::LocateDataFile("manual"); }

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
  std::string command;
  for (const std::string& word : platform::DesktopOpenCommand(path)) command += (command.empty() ? "" : " ") + word;
  std::vector<char> line(command.size() + 64);
  std::snprintf(line.data(), line.size(), "[%s] %s", "CVxUserManual::OpenUserManaul", command.c_str());
  platform::DebugOutput(line.data());
  return m_opener(path);
}
