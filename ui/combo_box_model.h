// CComboBoxModel: a drop-down list of entries, each a text and an item value
// of the platform's pointer size (the pages keep event numbers, camera ids
// and -1 for "All" there), with at most one selected entry.  The value is
// signed, so that -1 reads back as -1 and a stored 4294967295 as itself.
//
// A sorted combo box keeps its entries in alphabetical order as AddString
// adds them: texts are compared byte by byte with ASCII letters folded to
// lower case, and an entry goes after the entries equal to it.
// InsertString puts an entry where it is told, sorted or not, as the
// platform's combo box does.
//
// Indexes are zero-based; operations given an index outside the entries
// change nothing and return kError (-1), the platform's CB_ERR.
// The selected entry stays selected when entries are inserted or deleted
// before it.
//
// Auto-width drop-down: before the list drops down, every entry is measured
// with the front end's text measure (the combo's font) and the list grows
// to the widest entry plus a margin, never narrower than the combo itself.
// Without a measure an average character width of the dialog font is used.
//
// Notifications: OnChanged reports kItems and kSelection for every change;
// OnUserSelected reports only a choice made by the user (through
// UserSelect), so that a page reacts to choices and not to its own
// programmatic selections.  Threads: the user-interface thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/window_model.h"

class CComboBoxModel : public CWindowModel {
 public:
  static constexpr int kError = -1;
  // Text width in pixels in the combo's font.
  using TextMeasure = std::function<int(const std::string&)>;
  // Room beyond the widest entry: the list's border and a little air.
  static constexpr int kDropDownMargin = 10;
  // Average character width of the 9-point dialog font.
  static constexpr int kAverageCharWidth = 7;

  explicit CComboBoxModel(bool sorted = false);

  bool IsSorted() const { return m_sorted; }

  // Index of the new entry, with item value 0.
  int AddString(const std::string& text);
  // index -1 appends.
  int InsertString(int index, const std::string& text);
  // Count of the entries left.
  int DeleteString(int index);
  void ResetContent();

  int GetCount() const { return static_cast<int>(m_entries.size()); }
  // Empty for an index outside the entries.
  std::string GetLBText(int index) const;

  int SetItemData(int index, int64_t value);
  // kError for an index outside the entries.
  int64_t GetItemData(int index) const;

  // -1 when nothing is selected.
  int GetCurSel() const { return m_curSel; }
  // -1 clears the selection, and so does an index outside the entries.
  // Returns the index selected, kError when none is.
  int SetCurSel(int index);

  // First entry after `startAfter` (wrapping round; -1 searches from the
  // top) whose whole text equals `text` without regard to ASCII case.
  int FindStringExact(int startAfter, const std::string& text) const;

  // The user picks an entry.  Refused (false) when the combo box is disabled
  // or hidden or the index lies outside the entries.
  bool UserSelect(int index);
  [[nodiscard]] CConnection OnUserSelected(std::function<void(int index)> slot) {
    return m_userSelected.Connect(std::move(slot));
  }

  void SetTextMeasure(TextMeasure measure) { m_measure = std::move(measure); }
  // Before the list drops down: sets and returns the width of the list.
  int OnDropDown();
  // The width the list had when it last dropped down; the combo's width
  // before that.
  int GetDroppedWidth() const { return m_droppedWidth ? *m_droppedWidth : GetRect().Width(); }

 private:
  struct Entry {
    std::string text;
    int64_t value = 0;
  };

  bool IsIndex(int index) const { return index >= 0 && index < GetCount(); }
  int SortedPosition(const std::string& text) const;
  int Measure(const std::string& text) const;

  const bool m_sorted;
  std::vector<Entry> m_entries;
  int m_curSel = -1;
  CSignal<int> m_userSelected;
  TextMeasure m_measure;
  std::optional<int> m_droppedWidth;
};
