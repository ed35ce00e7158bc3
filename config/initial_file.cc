#include "config/initial_file.h"

namespace {

constexpr std::string_view kBlanks = " \t\n\r";

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

}  // namespace

bool CInitialFile::Load(const std::string& path, platform::Env* env) {
  std::string contents;
  if (!env->ReadFile(path, &contents)) {
    m_entries.clear();
    m_sectionIndex.clear();
    return false;
  }
  Parse(contents);
  return true;
}

void CInitialFile::Parse(std::string_view text) {
  m_entries.clear();
  m_sectionIndex.clear();
  std::string section;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.empty()) continue;

    if (line.front() == '#' || line.front() == ';') {
      m_entries.push_back({section, std::string(line), std::string(), true});
      continue;
    }
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      section = std::string(line.substr(1, line.size() - 2));
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    m_sectionIndex[section].push_back(m_entries.size());
    m_entries.push_back({section, std::string(Trim(line.substr(0, equals))),
                         std::string(Trim(line.substr(equals + 1))), false});
  }
}

std::string CInitialFile::GetValue(std::string_view section, std::string_view key) const {
  const auto run = m_sectionIndex.find(section);
  if (run == m_sectionIndex.end()) return std::string();
  for (size_t index : run->second)
    if (m_entries[index].key == key) return m_entries[index].value;
  return std::string();
}
