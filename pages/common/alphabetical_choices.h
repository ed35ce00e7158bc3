// The order of a selector the platform's combo box keeps sorted: texts
// compared byte by byte with ASCII letters folded to lower case, equal
// texts in the order they came.  A page whose type selector is sorted hands
// its choices in that order, with its "All" entry kept first.
#pragma once

#include <algorithm>
#include <vector>

#include "pages/common/search_log_page.h"

// Sorts every entry after the first.
inline void SortChoicesAfterFirst(std::vector<SelectorChoice>& choices) {
  if (choices.empty()) return;
  const auto folded = [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
  };
  std::stable_sort(choices.begin() + 1, choices.end(), [&](const SelectorChoice& a, const SelectorChoice& b) {
    return std::lexicographical_compare(a.text.begin(), a.text.end(), b.text.begin(), b.text.end(),
                                        [&](char x, char y) { return folded(x) < folded(y); });
  });
}
