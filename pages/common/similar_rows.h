// "Show similar": the context menu of a row of a page's list.  "Same type",
// "Same camera" and "Same type and camera" set the page's type selector,
// its second selector or both to the entries the row shows, and search
// again.  A page names the columns that show those entries (by their text,
// unless the page finds the entry otherwise); a menu entry is offered only
// when the page names every column it needs.
// Plain functions and values; the user-interface thread only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/combo_box_model.h"

// The columns of a page's rows that show the entry of its type selector and
// of its second selector (camera, channel, device ...); kNone for none.
struct SimilarColumns {
  static constexpr int kNone = -1;
  int type = kNone;
  int second = kNone;
};

// An entry of the row menu and the selectors it sets.
struct SimilarChoice {
  const char* text;
  bool type;
  bool second;
};

// The entries a page with `columns` offers, in menu order.
std::vector<SimilarChoice> SimilarChoices(const SimilarColumns& columns);

// The index of the entry of `selector` shown as `text`; -1 for none.
int FindShown(const CComboBoxModel& selector, const std::string& text);
// The index of the first entry of `selector` with item value `value`; -1 for none.
int FindValue(const CComboBoxModel& selector, int64_t value);
