#include "ui/log_list_ctrl.h"

#include <algorithm>

CLogListCtrl::CLogListCtrl() : CWindowModel(kListViewClass) {}

void CLogListCtrl::SetProvider(IListItemProvider* provider) {
  if (provider == m_provider) return;
  m_provider = provider;
  // Images remembered from the previous provider mean nothing to this one.
  Invalidate();
}

int CLogListCtrl::InsertColumn(int index, const std::string& title, CListColumn::Align align,
                               int width) {
  if (index < 0) return kNone;
  index = std::min(index, GetColumnCount());
  m_columns.insert(m_columns.begin() + index, CListColumn{title, width, align});
  NotifyChanged(Property::kColumns);
  ForgetSortState();
  return index;
}

bool CLogListCtrl::DeleteColumn(int index) {
  if (!IsColumn(index)) return false;
  m_columns.erase(m_columns.begin() + index);
  NotifyChanged(Property::kColumns);
  ForgetSortState();
  return true;
}

const CListColumn* CLogListCtrl::GetColumn(int index) const {
  return IsColumn(index) ? &m_columns[index] : nullptr;
}

bool CLogListCtrl::SetColumnTitle(int index, const std::string& title) {
  if (!IsColumn(index)) return false;
  Update(m_columns[index].title, title, Property::kColumns);
  return true;
}

bool CLogListCtrl::SetColumnWidth(int index, int width) {
  if (!IsColumn(index)) return false;
  Update(m_columns[index].width, width, Property::kColumns);
  return true;
}

void CLogListCtrl::SetItemCount(int count) {
  m_rowImages.assign(static_cast<size_t>(std::max(count, 0)), std::nullopt);
  Update(m_selected, kNone, Property::kSelection);
  m_rowsReset.Emit();
}

std::string CLogListCtrl::GetItemText(int row, int column) const {
  if (!m_provider || !IsRow(row) || !IsColumn(column)) return {};
  return m_provider->GetItemText(row, column);
}

int CLogListCtrl::GetItemImage(int row) {
  if (!m_provider || !IsRow(row)) return kNone;
  std::optional<int>& image = m_rowImages[row];
  if (!image) image = m_provider->GetItemImage(row);
  return *image;
}

void CLogListCtrl::RedrawItems(int first, int last) {
  first = std::max(first, 0);
  last = std::min(last, GetItemCount() - 1);
  if (first > last) return;
  std::fill(m_rowImages.begin() + first, m_rowImages.begin() + last + 1, std::nullopt);
  m_rowsChanged.Emit(first, last);
}

std::vector<CListRowView> CLogListCtrl::DrawRows(int first, int count) {
  std::vector<CListRowView> rows;
  const int begin = std::max(first, 0);
  const int end =
      static_cast<int>(std::min<int64_t>(int64_t{first} + std::max(count, 0), GetItemCount()));
  for (int row = begin; row < end; ++row) {
    CListRowView view;
    view.image = GetItemImage(row);
    for (int column = 0; column < GetColumnCount(); ++column) {
      view.texts.push_back(GetItemText(row, column));
    }
    rows.push_back(std::move(view));
  }
  return rows;
}

void CLogListCtrl::SetFullRowSelect(bool fullRow) {
  Update(m_fullRowSelect, fullRow, Property::kStyle);
}

void CLogListCtrl::SetImages(const CListImages& images) {
  Update(m_imageList, images, Property::kStyle);
}

void CLogListCtrl::SelectRow(int row) {
  Update(m_selected, IsRow(row) ? row : kNone, Property::kSelection);
}

bool CLogListCtrl::ClickHeader(int column) {
  if (!AcceptsUser() || !IsColumn(column)) return false;
  const int direction = (column == m_sortColumn) ? 1 - m_sortDirection : 0;
  m_sortColumn = column;
  m_sortDirection = direction;
  NotifyChanged(Property::kSort);
  m_sortRequest.Emit(column, direction);
  return true;
}

bool CLogListCtrl::DoubleClickRow(int row) {
  if (!AcceptsUser() || !IsRow(row)) return false;
  SelectRow(row);
  m_rowDoubleClicked.Emit(row);
  return true;
}

bool CLogListCtrl::ChooseRowMenuItem(int row, int item) {
  if (!AcceptsUser() || !IsRow(row) || item < 0 || item >= static_cast<int>(m_rowMenu.size())) return false;
  SelectRow(row);
  m_rowMenuChosen.Emit(row, item);
  return true;
}

void CLogListCtrl::ForgetSortState() {
  if (m_sortColumn == kNone) return;
  m_sortColumn = kNone;
  m_sortDirection = kNone;
  NotifyChanged(Property::kSort);
}
