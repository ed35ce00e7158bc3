// CListNarrowing: the find box above a page's list.  "Find:", a text box, a
// choice of the column it looks in ("All columns" or one column's title)
// and the count of the rows it keeps ("1,204 of 996,126 rows", shown only
// while the list is narrowed).  Typing narrows the rows the page holds,
// without searching again (CRowFilter); clearing the box lists every row
// again, in the order the page holds them.  The list's item provider is the
// filter: the page answers for its own rows by page row, the list counts in
// list rows, and PageRow maps one to the other.
//
// The page calls Show after its rows changed (a search, a cleared list) and
// Resorted after it sorted them; the text stays and narrows the new rows.
//
// Ownership: the page owns the narrowing and its list; both outlive it.
// Threads: the user-interface thread only.
#pragma once

#include <string>
#include <vector>

#include "pages/common/row_filter.h"
#include "ui/combo_box_model.h"
#include "ui/edit_model.h"
#include "ui/log_list_ctrl.h"

class CListNarrowing {
 public:
  // The column choice's item value for every column.
  static constexpr int kAllColumns = CRowFilter::kAllColumns;

  // `rows` answers for the page's rows; `list` is the page's list.
  CListNarrowing(IListItemProvider& rows, CLogListCtrl& list);

  // Makes the controls children of `page` (after the controls before them)
  // and makes the filter the list's provider.
  void AddTo(CWindowModel& page);

  // The page holds `rowCount` new rows: narrows them by the text and lists
  // them.
  void Show(size_t rowCount);
  // The page sorted its rows: the same rows are listed in the new order.
  void Resorted();

  int PageRow(int listRow) const { return m_filter.PageRow(listRow); }

  CEditModel& FindBox() { return m_box; }
  std::string FindText() const { return m_box.GetWindowText(); }
  // The column choice as shown ("All columns", "Camera" ...).
  std::string ColumnText() const { return m_column.GetLBText(m_column.GetCurSel()); }
  CComboBoxModel& ColumnChoice() { return m_column; }
  // "1,204 of 996,126 rows"
  static std::string CountText(size_t listed, size_t rows);

 private:
  void Filter(bool sameRows);
  // Filters and lists the rows kept, with their count.
  void Narrow(bool sameRows);
  void ListColumns();

  CLogListCtrl& m_list;
  CRowFilter m_filter;
  CWindowModel m_label;
  CEditModel m_box;
  CComboBoxModel m_column;
  CWindowModel m_count;
  size_t m_rowCount = 0;
  std::vector<CConnection> m_connections;
};
