#include "tools/vxpp-server/command_table.h"

namespace vxpp_server {

void CommandTable::Add(const std::string& word, std::string answerVersion, CommandHandler handler) {
  m_entries[word] = CommandEntry{std::move(answerVersion), std::move(handler)};
}

const CommandEntry* CommandTable::Find(const std::string& word) const {
  const auto found = m_entries.find(word);
  return found == m_entries.end() ? nullptr : &found->second;
}

}  // namespace vxpp_server
