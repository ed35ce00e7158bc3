// Rows kept as their cell texts, for a page whose cells are fixed once the
// record is read (the counting page, the export and backup page); a row
// whose first column is its log time keeps the time itself (TimedCellRow),
// formatted only when shown.  A search
// writes each row's cells one after another into one reused buffer
// (RowCells), and KeepCellRow copies them whole into the page's row blocks
// (PageRowBlocks): a row is then a pointer and the cells' ends, whatever
// the number of its cells, and listing it allocates nothing of its own.
//
// Plain values; one thread.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "pages/common/list_moment.h"
#include "pages/common/page_row_blocks.h"
#include "pages/common/page_rows.h"
#include "vocabulary/date_time.h"

// The cells of the row being made, written in column order.
class RowCells {
 public:
  static constexpr size_t kMaxCells = 16;

  void Clear() {
    m_text.clear();
    m_count = 0;
  }
  // The log time of a row that shows it in its first column (TimedCellRow):
  // not one of the cells, which follow it.
  void SetTime(const CDateTime& time) { m_time = time; }
  const CDateTime& Time() const { return m_time; }
  // Add `part`, or the decimal digits of `value`, to the cell being
  // written; EndCell ends it.
  void Append(std::string_view part) { m_text += part; }
  void AppendDecimal(int64_t value);
  void EndCell() { m_ends[m_count++] = m_text.size(); }
  // A whole cell.  A row holds kMaxCells cells at most.
  void Add(std::string_view text) {
    Append(text);
    EndCell();
  }
  void AddDecimal(int64_t value) {
    AppendDecimal(value);
    EndCell();
  }
  // "%02d" of `number`.
  void AddTwoDigits(int64_t number);
  // The list form "%04d/%02d/%02d %02d:%02d:%02d" (an invalid time prints
  // -1 in every field, a null one nothing).
  void AddTime(const CDateTime& time);

  size_t Count() const { return m_count; }
  // All cells, one after another.
  std::string_view Text() const { return m_text; }
  // Where cell `i` ends in Text().
  size_t End(size_t i) const { return m_ends[i]; }
  std::string_view Cell(size_t i) const;

 private:
  CDateTime m_time;
  std::string m_text;
  std::array<size_t, kMaxCells> m_ends = {};
  size_t m_count = 0;
};

// A listed row of `kCells` cells: its texts one after another in its
// block, and where each ends as an `End` (cells it was not given are
// empty).  A row whose texts may be long takes 32-bit ends.
template <size_t kCells, class End = uint16_t>
struct CellRow {
  const char* text = nullptr;
  std::array<End, kCells> ends = {};

  std::string_view Cell(size_t i) const {
    if (text == nullptr || i >= kCells) return {};
    const End start = i == 0 ? 0 : ends[i - 1];
    return std::string_view(text + start, ends[i] - start);
  }
};

// A listed row of `kCells` columns, the first showing its log time (a
// ListMoment) and the others the texts of a CellRow.
template <size_t kCells, class End = uint16_t>
struct TimedCellRow : ListMoment {
  CellRow<kCells - 1, End> texts;

  std::string_view Cell(size_t i) const { return i == 0 ? MomentText() : texts.Cell(i - 1); }
};

namespace row_cells_internal {

// Copies the texts of `cells` into the block of `row`.  Texts longer than
// an End can say are cut.
template <size_t kCells, class End, class Blocks>
void CopyCells(const RowCells& cells, Blocks& blocks, CellRow<kCells, End>& row) {
  const std::string_view text = cells.Text().substr(0, std::numeric_limits<End>::max());
  row.text = blocks.KeepText(text).data();
  for (size_t i = 0; i < kCells; ++i)
    row.ends[i] = static_cast<End>(i < cells.Count() ? std::min(cells.End(i), text.size()) : text.size());
}

}  // namespace row_cells_internal

// Lists the row `cells` holds: its texts are copied into `blocks`, the row
// appended to `rows`.
template <size_t kCells, class End>
void KeepCellRow(const RowCells& cells, PageRowBlocks<CellRow<kCells, End>>& blocks,
                 PageRows<CellRow<kCells, End>>& rows) {
  row_cells_internal::CopyCells(cells, blocks, blocks.Next());
  blocks.Keep(rows);
}

// The same for a row that shows the log time of `cells` first.
template <size_t kCells, class End>
void KeepCellRow(const RowCells& cells, PageRowBlocks<TimedCellRow<kCells, End>>& blocks,
                 PageRows<TimedCellRow<kCells, End>>& rows) {
  TimedCellRow<kCells, End>& row = blocks.Next();
  row.SetTime(cells.Time());
  row_cells_internal::CopyCells(cells, blocks, row.texts);
  blocks.Keep(rows);
}
