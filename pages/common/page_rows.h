// The rows of a page's list: shared row objects of pre-formatted texts, held
// by the page in list order.  The list asks the page for a cell by row and
// column; a header click sorts the row pointers, never the texts.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <numeric>
#include <vector>

template <class Row>
using PageRows = std::vector<std::shared_ptr<Row>>;

// Sorts by the key `keyOf(row)` gives (compared with <), keeping rows of
// equal keys in their order.  Direction 0 puts the smaller key first, any
// other direction the larger.  `keyOf` should return a reference or a small
// value: it is called twice per comparison.
//
// What is sorted is a 32-bit index over plain row addresses, which the rows
// then take once: a list of a million rows sorts about as fast as its keys
// compare.
template <class Row, class KeyOf>
void StableSortRows(PageRows<Row>& rows, KeyOf keyOf, int direction) {
  std::vector<const Row*> row(rows.size());
  std::transform(rows.begin(), rows.end(), row.begin(), [](const std::shared_ptr<Row>& r) { return r.get(); });
  std::vector<uint32_t> index(rows.size());
  std::iota(index.begin(), index.end(), 0u);
  if (direction == 0) {
    std::stable_sort(index.begin(), index.end(),
                     [&](uint32_t a, uint32_t b) { return keyOf(*row[a]) < keyOf(*row[b]); });
  } else {
    std::stable_sort(index.begin(), index.end(),
                     [&](uint32_t a, uint32_t b) { return keyOf(*row[b]) < keyOf(*row[a]); });
  }
  PageRows<Row> sorted;
  sorted.reserve(rows.size());
  for (uint32_t i : index) sorted.push_back(std::move(rows[i]));
  rows.swap(sorted);
}
