// The rows of a page's list: shared row objects of pre-formatted texts, held
// by the page in list order.  The list asks the page for a cell by row and
// column; a header click sorts the row pointers, never the texts.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

template <class Row>
using PageRows = std::vector<std::shared_ptr<Row>>;

// Sorts by the key `keyOf(row)` gives (compared with <), keeping rows of
// equal keys in their order.  Direction 0 puts the smaller key first, any
// other direction the larger.  `keyOf` should return a reference or a small
// value: it is called twice per comparison.
template <class Row, class KeyOf>
void StableSortRows(PageRows<Row>& rows, KeyOf keyOf, int direction) {
  using Pointer = std::shared_ptr<Row>;
  if (direction == 0) {
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const Pointer& a, const Pointer& b) { return keyOf(*a) < keyOf(*b); });
  } else {
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const Pointer& a, const Pointer& b) { return keyOf(*b) < keyOf(*a); });
  }
}
