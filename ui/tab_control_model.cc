#include "ui/tab_control_model.h"

CTabControlModel::CTabControlModel() : CWindowModel(kTabControlClass) {}

int CTabControlModel::InsertTab(int index, const std::string& title, uint32_t itemValue,
                                CWindowModel* page) {
  if (index < 0 || index > GetItemCount()) index = GetItemCount();
  m_tabs.insert(m_tabs.begin() + index, CTabItem{title, itemValue, page});
  NotifyChanged(Property::kItems);
  if (GetItemCount() == 1) {
    m_current = 0;
    NotifyChanged(Property::kSelection);
  } else if (m_current != kNone && m_current >= index) {
    ++m_current;
    NotifyChanged(Property::kSelection);
  }
  return index;
}

bool CTabControlModel::RemoveTab(int index) {
  if (!IsIndex(index)) return false;
  m_tabs.erase(m_tabs.begin() + index);
  NotifyChanged(Property::kItems);
  if (m_current >= index) {
    m_current = (m_current == index) ? kNone : m_current - 1;
    NotifyChanged(Property::kSelection);
  }
  return true;
}

const CTabItem* CTabControlModel::GetTab(int index) const {
  return IsIndex(index) ? &m_tabs[index] : nullptr;
}

bool CTabControlModel::SetTabTitle(int index, const std::string& title) {
  if (!IsIndex(index)) return false;
  Update(m_tabs[index].title, title, Property::kItems);
  return true;
}

int CTabControlModel::SetCurSel(int index) {
  if (!IsIndex(index)) return kNone;
  const int previous = m_current;
  Update(m_current, index, Property::kSelection);
  return previous;
}

bool CTabControlModel::UserSelect(int index) {
  if (!IsEnabled() || !IsVisible() || !IsIndex(index) || index == m_current) return false;
  if (m_guard && !m_guard(m_current, index)) return false;
  // The guard may have changed the tabs; the choice must still be one.
  if (!IsIndex(index) || index == m_current) return false;
  SetCurSel(index);
  m_userSelChanged.Emit(index);
  return true;
}

void CTabControlModel::SetPlacement(CTabPlacement placement) {
  Update(m_placement, placement, Property::kStyle);
}

void CTabControlModel::SetTabMetrics(int rows, int tabWidth, int tabHeight) {
  if (rows == m_rows && tabWidth == m_tabWidth && tabHeight == m_tabHeight) return;
  m_rows = rows;
  m_tabWidth = tabWidth;
  m_tabHeight = tabHeight;
  NotifyChanged(Property::kStyle);
}

CRect CTabControlModel::PageArea() const {
  const CRect& rect = GetRect();
  const CRect client{0, 0, rect.Width(), rect.Height()};
  return TabPageArea(client, m_placement, m_rows, m_tabWidth, m_tabHeight);
}
