// CInitialFile: a read-only ini file, loaded whole.  Entries are kept in file
// order with an index from section name to its entries; lookups are exact
// (case-sensitive) and the first of duplicate keys wins.  Not thread-safe;
// a loaded object may be read from several threads.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/env.h"

class CInitialFile {
 public:
  struct Entry {
    std::string section;  // "" before the first section line
    std::string key;      // a comment line keeps its whole text here
    std::string value;
    bool comment = false;
  };

  // Reads and parses the file at `path`, replacing what was loaded before.
  // False when it cannot be opened or read; every lookup is then empty.
  bool Load(const std::string& path, platform::Env* env = platform::Env::Default());
  // Parses text held in memory, replacing what was loaded before.
  void Parse(std::string_view text);

  // The value of the first entry with this section and key; "" when none.
  std::string GetValue(std::string_view section, std::string_view key) const;

  const std::vector<Entry>& Entries() const { return m_entries; }

 private:
  std::vector<Entry> m_entries;
  std::map<std::string, std::vector<size_t>, std::less<>> m_sectionIndex;
};
