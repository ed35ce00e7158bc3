#include "pages/pos/pos_sources.h"

#include "vocabulary/user_account.h"

namespace {

constexpr const char* kExistingStatus = "OK";

}  // namespace

bool UserMaySeeSource(const CUserAccount* user, uint32_t posId) {
  return user == nullptr || (user->RightsOfSource(posId) & CUserAccount::kMayView) != 0;
}

std::vector<SelectorChoice> PosSourceChoices(const std::vector<EPOS_Setting>& sources, const CUserAccount* user,
                                             const std::string& allText, const std::string& deletedText) {
  std::vector<SelectorChoice> choices{{allText, kAllSourcesItem}};
  for (const EPOS_Setting& source : sources) {
    const bool deleted = source.Status != kExistingStatus;
    if (!deleted && !UserMaySeeSource(user, source.PosId)) continue;
    choices.push_back({source.SourceName + "-" + source.Name + (deleted ? deletedText : ""), source.PosId});
  }
  return choices;
}

PosSourceNames::PosSourceNames(const std::vector<EPOS_Setting>& sources, std::string unknown)
    : m_unknown(std::move(unknown)) {
  for (const EPOS_Setting& source : sources) m_names.try_emplace(source.PosId, source.Name);
}

const std::string& PosSourceNames::NameOf(uint32_t posId) const {
  const auto it = m_names.find(posId);
  return it != m_names.end() ? it->second : m_unknown;
}
