// CLogListCtrl: the virtual list of a log page.  The list keeps only its
// columns, its row count, the selected row and the sort state; the page
// keeps the rows and answers for one cell or one row's image when the list
// asks (IListItemProvider), so a search of many thousand records costs the
// list nothing until rows are drawn.
//
// A row's image is asked of the provider the first time the row is drawn
// and then remembered until the rows are reset (SetItemCount) or redrawn
// (RedrawItems, Invalidate): the event pages decide whether a row can be
// played at that moment, which asks the host.  Cell texts are asked every
// time they are needed.
//
// Sorting is the page's work: a click on a column header reaches the page as
// a sort request (column, direction).  The first click on a header asks for
// the smaller key first (direction 0); each further click on the same header
// reverses the direction; a click on another header starts again at 0.  The
// sort state outlives SetItemCount (a new search keeps the header's state)
// and is forgotten when columns are inserted or deleted.
//
// Notifications: OnChanged (kColumns, kStyle, kSelection, kSort and the
// window's own); OnRowsReset after SetItemCount; OnRowsChanged(first, last) after
// RedrawItems and Invalidate; OnSortRequest, OnRowDoubleClicked and OnRowMenuChosen
// for what the user does (ClickHeader, DoubleClickRow, ChooseRowMenuItem).  A widget front end mirrors
// the list as a table model: rows reset on OnRowsReset, cells changed on
// OnRowsChanged, and each cell fetched through GetItemText / GetItemImage.
//
// The provider is not owned; it must outlive the list or be replaced
// (SetProvider(nullptr)) first.  Threads: the user-interface thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/window_model.h"

// What a page answers for its list.
class IListItemProvider {
 public:
  virtual ~IListItemProvider() = default;
  // Text of one cell; row and column lie within the list.
  virtual std::string GetItemText(int row, int column) = 0;
  // The same text without a copy, for a reader of many cells: a provider
  // that keeps its cells' texts returns a view of them; by default the text
  // is put into `scratch`.  Valid until the rows or `scratch` change.
  virtual std::string_view GetItemTextView(int row, int column, std::string& scratch) {
    scratch = GetItemText(row, column);
    return scratch;
  }
  // Image index of one row in the list's image list; -1 for none.
  virtual int GetItemImage(int row) = 0;
};

struct CListColumn {
  enum class Align { kLeft, kCentre, kRight };

  std::string title;
  int width = 0;  // pixels
  Align align = Align::kLeft;
};

// The small images of the rows: a bitmap resource cut into square images of
// `imageWidth` pixels, `maskColour` (0x00BBGGRR) drawn transparent.
struct CListImages {
  int bitmapId = 0;
  int imageWidth = 0;
  uint32_t maskColour = 0;

  friend bool operator==(const CListImages&, const CListImages&) = default;
};

// One drawn row: its image and the texts of its cells in column order.
struct CListRowView {
  int image = -1;
  std::vector<std::string> texts;
};

class CLogListCtrl : public CWindowModel {
 public:
  static constexpr int kNone = -1;

  CLogListCtrl();

  void SetProvider(IListItemProvider* provider);

  // Index of the new column (an index beyond the last appends), kNone for a
  // negative index.
  int InsertColumn(int index, const std::string& title, CListColumn::Align align, int width);
  bool DeleteColumn(int index);
  int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
  // nullptr for an index outside the columns.
  const CListColumn* GetColumn(int index) const;
  bool SetColumnTitle(int index, const std::string& title);
  bool SetColumnWidth(int index, int width);

  // Sets the number of rows (a negative count counts as 0) and forgets the
  // images and the selection: the page has new rows.
  void SetItemCount(int count);
  int GetItemCount() const { return static_cast<int>(m_rowImages.size()); }

  // Empty / kNone outside the rows or columns, or without a provider.
  std::string GetItemText(int row, int column) const;
  int GetItemImage(int row);

  // Forgets the images of rows first..last (clipped to the rows) and reports
  // them changed, as after the page sorted or changed its rows.
  void RedrawItems(int first, int last);
  void Invalidate() { RedrawItems(0, GetItemCount() - 1); }

  // Draws `count` rows from `first` as a window would: each row's image, then
  // its texts.  Rows outside the list are left out.
  std::vector<CListRowView> DrawRows(int first, int count);

  // Full-row selection: a click anywhere in a row selects the whole row.
  bool HasFullRowSelect() const { return m_fullRowSelect; }
  void SetFullRowSelect(bool fullRow);
  const CListImages& GetImages() const { return m_imageList; }
  void SetImages(const CListImages& images);

  // The selected row, kNone for none.  Selecting a row outside the rows
  // clears the selection.
  int GetSelectedRow() const { return m_selected; }
  void SelectRow(int row);

  // Sort state of the headers: kNone before the first click.
  int GetSortColumn() const { return m_sortColumn; }
  int GetSortDirection() const { return m_sortDirection; }

  // The user clicks a header: refused (false) for a column outside the
  // columns or a disabled or hidden list.
  bool ClickHeader(int column);
  // The user double-clicks a row: it is selected, then reported.  Refused
  // like ClickHeader for a row outside the rows.
  bool DoubleClickRow(int row);

  // The entries of a row's context menu, in order (none by default: a window
  // then offers no menu).  The page sets them; the user's choice of entry
  // `item` on `row` selects the row, then is reported.  Refused like
  // DoubleClickRow, and for an item outside the entries.
  void SetRowMenu(std::vector<std::string> entries) { m_rowMenu = std::move(entries); }
  const std::vector<std::string>& GetRowMenu() const { return m_rowMenu; }
  bool ChooseRowMenuItem(int row, int item);

  [[nodiscard]] CConnection OnRowsReset(std::function<void()> slot) {
    return m_rowsReset.Connect(std::move(slot));
  }
  [[nodiscard]] CConnection OnRowsChanged(std::function<void(int first, int last)> slot) {
    return m_rowsChanged.Connect(std::move(slot));
  }
  [[nodiscard]] CConnection OnSortRequest(std::function<void(int column, int direction)> slot) {
    return m_sortRequest.Connect(std::move(slot));
  }
  [[nodiscard]] CConnection OnRowDoubleClicked(std::function<void(int row)> slot) {
    return m_rowDoubleClicked.Connect(std::move(slot));
  }
  [[nodiscard]] CConnection OnRowMenuChosen(std::function<void(int row, int item)> slot) {
    return m_rowMenuChosen.Connect(std::move(slot));
  }

 private:
  bool IsRow(int row) const { return row >= 0 && row < GetItemCount(); }
  bool IsColumn(int column) const { return column >= 0 && column < GetColumnCount(); }
  bool AcceptsUser() const { return IsEnabled() && IsVisible(); }
  void ForgetSortState();

  IListItemProvider* m_provider = nullptr;
  std::vector<CListColumn> m_columns;
  // One entry per row: the image once asked.
  std::vector<std::optional<int>> m_rowImages;
  bool m_fullRowSelect = false;
  CListImages m_imageList;
  int m_selected = kNone;
  int m_sortColumn = kNone;
  int m_sortDirection = kNone;
  CSignal<> m_rowsReset;
  CSignal<int, int> m_rowsChanged;
  CSignal<int, int> m_sortRequest;
  CSignal<int> m_rowDoubleClicked;
  std::vector<std::string> m_rowMenu;
  CSignal<int, int> m_rowMenuChosen;
};
