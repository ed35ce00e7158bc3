#include "tools/logview/row_follower.h"

#include <algorithm>

#include "tools/logview/listed_row.h"

std::vector<CListRowView> RowFollower::NewRows(std::vector<CListRowView> found) {
  std::vector<std::pair<std::string, CListRowView>> keyed;
  keyed.reserve(found.size());
  for (CListRowView& row : found) {
    std::string key = RowTimeKey(row);
    keyed.emplace_back(std::move(key), std::move(row));
  }
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });

  std::map<std::vector<std::string>, int> seenAgain = m_passedAtLastKey;
  std::vector<CListRowView> fresh;
  for (auto& [key, row] : keyed) {
    if (key < m_lastKey) continue;
    if (key == m_lastKey) {
      auto seen = seenAgain.find(row.texts);
      if (seen != seenAgain.end() && seen->second > 0) {
        --seen->second;
        continue;
      }
    } else {
      m_lastKey = key;
      m_passedAtLastKey.clear();
      seenAgain.clear();
    }
    ++m_passedAtLastKey[row.texts];
    fresh.push_back(std::move(row));
  }
  return fresh;
}
