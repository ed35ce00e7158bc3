// CRowFilter: the rows of a page's list narrowed by a text, as a view of row
// numbers over the page's rows.  The list asks the filter for its cells and
// the filter asks the page for the cells of the rows it keeps, so narrowing
// copies no text and never searches again; with no text every row is
// listed, in the page's order, through no index at all.
//
// A row is kept when the text occurs in one of its cells (all columns, or
// one), ASCII letters compared without regard to case: the cells are in
// the system's code page and are compared byte by byte otherwise.
//
// The page (the provider given) must outlive the filter.  Threads: the
// user-interface thread only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/log_list_ctrl.h"

class CRowFilter : public IListItemProvider {
 public:
  static constexpr int kAllColumns = -1;

  explicit CRowFilter(IListItemProvider& rows) : m_rows(rows) {}

  // Narrows the page's first `rowCount` rows (in `columnCount` columns) to
  // those whose cell of `column` (or of any column) holds `text`; an empty
  // text lists every row.  `sameRows` says the page's rows are those of the
  // last call, in the same order: a text holding the last one then looks
  // only at the rows it kept, as typing a word does letter by letter.
  void Narrow(const std::string& text, int column, size_t rowCount, int columnCount, bool sameRows);

  bool IsNarrowed() const { return !m_needle.empty(); }
  // The rows the list shows.
  size_t ListedCount() const { return IsNarrowed() ? m_listed.size() : m_rowCount; }
  // The page's row shown at the list's row `listRow` (a row of the list).
  int PageRow(int listRow) const {
    return IsNarrowed() ? static_cast<int>(m_listed[static_cast<size_t>(listRow)]) : listRow;
  }

  // IListItemProvider, by list row.
  std::string GetItemText(int row, int column) override { return m_rows.GetItemText(PageRow(row), column); }
  int GetItemImage(int row) override { return m_rows.GetItemImage(PageRow(row)); }

 private:
  bool Matches(int pageRow, int columnCount);

  IListItemProvider& m_rows;
  std::string m_needle;  // in lower case
  int m_column = kAllColumns;
  size_t m_rowCount = 0;
  std::vector<uint32_t> m_listed;  // page rows kept, in list order
  std::string m_scratch;           // a cell's text, for providers that make it
};
