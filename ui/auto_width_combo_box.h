// CAutoWidthComboBox: the drop-down list of a filter combo, whose list grows
// to its widest entry when it drops down.  A model: the front end shows the
// entries and sizes the list by GetDroppedWidth(), and hands in its own text
// measure (the combo's font); without one an average character width is used.
//
// Used on the user-interface thread.
#pragma once

#include <functional>
#include <string>
#include <vector>

class CAutoWidthComboBox {
 public:
  // Text width in pixels in the combo's font.
  using TextMeasure = std::function<int(const std::string&)>;
  static constexpr int kCbErr = -1;
  // Room beyond the widest entry: the list's border and a little air.
  static constexpr int kDropDownMargin = 10;
  // Average character width of the 9-point dialog font, for the measure used
  // when the front end gives none.
  static constexpr int kAverageCharWidth = 7;

  explicit CAutoWidthComboBox(int width = 0) : m_width(width), m_droppedWidth(width) {}

  int AddString(std::string text);
  void ResetContent();
  int GetCount() const { return static_cast<int>(m_entries.size()); }
  // The text of entry `index`; empty when out of range.
  std::string GetLBText(int index) const;
  int GetCurSel() const { return m_selection; }
  // Selects `index` (kCbErr clears); returns kCbErr when out of range.
  int SetCurSel(int index);

  void SetTextMeasure(TextMeasure measure) { m_measure = std::move(measure); }
  void SetWidth(int width) { m_width = width; }

  // Before the list drops down: widest entry plus the margin, never less
  // than the combo's own width.  Returns the new width of the list.
  int OnDropDown();
  int GetDroppedWidth() const { return m_droppedWidth; }

 private:
  int Measure(const std::string& text) const;

  std::vector<std::string> m_entries;
  int m_selection = kCbErr;
  int m_width;
  int m_droppedWidth;
  TextMeasure m_measure;
};
