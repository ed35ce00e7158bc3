// The rows of a page's list: shared row objects of pre-formatted texts, held
// by the page in list order.  The list asks the page for a cell by row and
// column; a header click sorts the row pointers, never the texts.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <numeric>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

template <class Row>
using PageRows = std::vector<std::shared_ptr<Row>>;

namespace page_rows_internal {

// A text key as the sort keeps it: its first bytes beside it, so that keys
// which differ there -- almost all, and every time text whole -- compare
// without reading the scattered rows they point into.  Orders as the texts
// do (bytes unsigned, a text before any longer text it begins).
struct TextKey {
  static constexpr size_t kPrefix = 24;
  char prefix[kPrefix];
  std::string_view text;

  explicit TextKey(std::string_view whole) : text(whole) {
    const size_t kept = std::min(whole.size(), kPrefix);
    if (kept > 0) std::memcpy(prefix, whole.data(), kept);  // an empty view may have no data
    std::memset(prefix + kept, 0, kPrefix - kept);
  }
  friend bool operator<(const TextKey& a, const TextKey& b) {
    if (const int order = std::memcmp(a.prefix, b.prefix, kPrefix); order != 0) return order < 0;
    if (a.text.size() <= kPrefix && b.text.size() <= kPrefix) return a.text.size() < b.text.size();
    return a.text < b.text;
  }
};

template <class Key>
using SortKey = std::conditional_t<std::is_convertible_v<Key, std::string_view>, TextKey, std::remove_cvref_t<Key>>;

}  // namespace page_rows_internal

// Sorts by the key `keyOf(row)` gives (compared with <), keeping rows of
// equal keys in their order.  Direction 0 puts the smaller key first, any
// other direction the larger.  A text key must be a view or a reference
// into the row (it is read during the sort); other keys are copied.
//
// Each row's key is taken once into an array of its own, and an index over
// it is sorted: a list of a million rows sorts about as fast as its keys
// compare, without going back to the rows for each comparison.
template <class Row, class KeyOf>
void StableSortRows(PageRows<Row>& rows, KeyOf keyOf, int direction) {
  using Returned = std::invoke_result_t<KeyOf&, const Row&>;
  static_assert(!std::is_same_v<Returned, std::string>, "a text key must outlive the sort: return a view");
  // A list already in the order asked for stays as it is (a stable sort
  // would not move a row), found in one pass over rows that lie in order.
  const auto inOrder = [&](const std::shared_ptr<Row>& a, const std::shared_ptr<Row>& b) {
    return direction == 0 ? keyOf(*a) < keyOf(*b) : keyOf(*b) < keyOf(*a);
  };
  if (std::is_sorted(rows.begin(), rows.end(), inOrder)) return;
  using Key = page_rows_internal::SortKey<Returned>;
  std::vector<Key> keys;
  keys.reserve(rows.size());
  for (const std::shared_ptr<Row>& row : rows) keys.emplace_back(keyOf(*row));
  std::vector<uint32_t> index(rows.size());
  std::iota(index.begin(), index.end(), 0u);
  if (direction == 0) {
    std::stable_sort(index.begin(), index.end(), [&](uint32_t a, uint32_t b) { return keys[a] < keys[b]; });
  } else {
    std::stable_sort(index.begin(), index.end(), [&](uint32_t a, uint32_t b) { return keys[b] < keys[a]; });
  }
  PageRows<Row> sorted;
  sorted.reserve(rows.size());
  for (uint32_t i : index) sorted.push_back(std::move(rows[i]));
  rows.swap(sorted);
}
