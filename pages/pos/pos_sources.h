// The metadata sources as the metadata page shows them: the entries of its
// "Metadata:" selector, the user's right to see a source, and the name of a
// record's source in the list.  The sources are those the host handed over
// (EPOS_Setting); a source whose Status is not "OK" has been deleted.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "pages/common/search_log_page.h"
#include "vocabulary/epos_setting.h"

class CUserAccount;

// Item value of the "All" entry.
constexpr int64_t kAllSourcesItem = -1;

// Whether `user` may see source `posId` (bit 0 of its rights word); no user
// account restricts nothing.
bool UserMaySeeSource(const CUserAccount* user, uint32_t posId);

// "All" (`allText`) with kAllSourcesItem, then each source in order as
// "SourceName-Name", followed by `deletedText` for a deleted source, with
// its PosId as item value.  A source that exists is left out when the user
// may not see it; a deleted one is always listed.
std::vector<SelectorChoice> PosSourceChoices(const std::vector<EPOS_Setting>& sources, const CUserAccount* user,
                                             const std::string& allText, const std::string& deletedText);

// The name the list shows for a record's source: the Name of the first
// source with its PosId, else `unknown`.
class PosSourceNames {
 public:
  PosSourceNames() = default;
  PosSourceNames(const std::vector<EPOS_Setting>& sources, std::string unknown);
  const std::string& NameOf(uint32_t posId) const;

 private:
  std::unordered_map<uint32_t, std::string> m_names;
  std::string m_unknown;
};
