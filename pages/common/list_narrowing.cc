#include "pages/common/list_narrowing.h"

namespace {

// 996126 → "996,126"
std::string Grouped(size_t value) {
  const std::string digits = std::to_string(value);
  std::string grouped;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

}  // namespace

CListNarrowing::CListNarrowing(IListItemProvider& rows, CLogListCtrl& list)
    : m_list(list), m_filter(rows), m_label(kStaticClass, "Find:"), m_count(kStaticClass) {}

std::string CListNarrowing::CountText(size_t listed, size_t rows) {
  return Grouped(listed) + " of " + Grouped(rows) + " rows";
}

void CListNarrowing::AddTo(CWindowModel& page) {
  for (CWindowModel* control : std::initializer_list<CWindowModel*>{&m_label, &m_box, &m_column, &m_count})
    control->SetParent(&page);
  m_count.Show(false);
  m_list.SetProvider(&m_filter);
  ListColumns();
  m_connections.push_back(m_box.OnUserChanged([this] { Narrow(true); }));
  m_connections.push_back(m_column.OnUserSelected([this](int) { Narrow(false); }));
  m_connections.push_back(m_list.OnChanged([this](CWindowModel::Property property) {
    if (property == CWindowModel::Property::kColumns) ListColumns();
  }));
}

void CListNarrowing::ListColumns() {
  const int chosen =
      m_column.GetCurSel() > 0 ? static_cast<int>(m_column.GetItemData(m_column.GetCurSel())) : kAllColumns;
  m_column.ResetContent();
  m_column.SetItemData(m_column.AddString("All columns"), kAllColumns);
  for (int i = 0; i < m_list.GetColumnCount(); ++i)
    m_column.SetItemData(m_column.AddString(m_list.GetColumn(i)->title), i);
  m_column.SetCurSel(chosen < m_list.GetColumnCount() ? chosen + 1 : 0);
}

void CListNarrowing::Show(size_t rowCount) {
  m_rowCount = rowCount;
  Narrow(false);
}

void CListNarrowing::Resorted() {
  Filter(false);
  m_list.Invalidate();
}

void CListNarrowing::Filter(bool sameRows) {
  m_filter.Narrow(m_box.GetWindowText(), static_cast<int>(m_column.GetItemData(m_column.GetCurSel())), m_rowCount,
                  m_list.GetColumnCount(), sameRows);
}

void CListNarrowing::Narrow(bool sameRows) {
  Filter(sameRows);
  m_list.SetItemCount(static_cast<int>(m_filter.ListedCount()));
  m_count.SetWindowText(CountText(m_filter.ListedCount(), m_rowCount));
  m_count.Show(m_filter.IsNarrowed());
}
