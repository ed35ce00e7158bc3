// A page's list and selectors as the user sees them, so a test compares
// whole rows, columns or entry lists at once.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/combo_box_model.h"
#include "ui/log_list_ctrl.h"

namespace page_test {

using Lines = std::vector<std::string>;

// Draws every row: its cells joined by "|", with "#" and its image when
// `withImage`.
inline Lines DrawnLines(CLogListCtrl& list, bool withImage = false) {
  Lines lines;
  for (const CListRowView& row : list.DrawRows(0, list.GetItemCount())) {
    std::string line;
    for (const std::string& cell : row.texts) line += (line.empty() ? "" : "|") + cell;
    lines.push_back(withImage ? line + "#" + std::to_string(row.image) : line);
  }
  return lines;
}

inline Lines Column(const CLogListCtrl& list, int column) {
  Lines texts;
  for (int row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetItemText(row, column));
  return texts;
}

inline Lines Row(const CLogListCtrl& list, int row) {
  Lines texts;
  for (int column = 0; column < list.GetColumnCount(); ++column) texts.push_back(list.GetItemText(row, column));
  return texts;
}

inline Lines Entries(const CComboBoxModel& selector) {
  Lines texts;
  for (int i = 0; i < selector.GetCount(); ++i) texts.push_back(selector.GetLBText(i));
  return texts;
}

inline std::vector<int64_t> ItemValues(const CComboBoxModel& selector) {
  std::vector<int64_t> values;
  for (int i = 0; i < selector.GetCount(); ++i) values.push_back(selector.GetItemData(i));
  return values;
}

// Selects, as the user would, the entry whose item value is `value`.
inline bool SelectValue(CComboBoxModel& selector, int64_t value) {
  for (int i = 0; i < selector.GetCount(); ++i)
    if (selector.GetItemData(i) == value) return selector.UserSelect(i);
  return false;
}

}  // namespace page_test
