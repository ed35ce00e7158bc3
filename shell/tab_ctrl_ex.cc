#include "shell/tab_ctrl_ex.h"

namespace {

bool IsWithin(const CWindowModel* window, const CWindowModel* ancestor) {
  for (; window != nullptr; window = window->GetParent())
    if (window == ancestor) return true;
  return false;
}

}  // namespace

CTabCtrlEx::CTabCtrlEx(platform::CWnd* forwardTarget) : m_forwardTarget(forwardTarget) {
  SetGuard([this](int from, int to) { return AllowUserChange(from, to); });
  m_userChanged = OnUserSelChanged([this](int index) {
    EnterPage(index, /*focusPage=*/true);
    OnPageActivated(index, ItemValue(index));
  });
  // A new size or tab band moves the current page with it.
  m_changed = OnChanged([this](Property property) {
    if (property == Property::kGeometry || property == Property::kStyle) PlaceCurrentPage();
  });
}

CTabCtrlEx::~CTabCtrlEx() = default;

int CTabCtrlEx::AddPage(const std::string& title, uint32_t itemValue, CTabPageEx* page) {
  if (page == nullptr) return -1;
  page->Show(false);
  page->SetParent(this);
  page->SetForwardTarget(m_forwardTarget);
  const int index = AddTab(title, itemValue, page);
  m_focus.push_back(nullptr);
  page->MoveWindow(PageArea());
  OnPageAdded(index, itemValue);
  if (GetItemCount() == 1) page->Show(true);
  return index;
}

void CTabCtrlEx::RemovePage(int index) {
  if (index < 0 || index >= GetItemCount()) return;
  OnPageRemoving(index, ItemValue(index));
  if (GetItemCount() > 1 && index == GetCurSel())
    SelectPage(index + 1 < GetItemCount() ? index + 1 : GetItemCount() - 2);
  CTabPageEx* page = GetPage(index);
  page->Show(false);
  m_focus.erase(m_focus.begin() + index);
  RemoveTab(index);
}

void CTabCtrlEx::RemoveAllPages() {
  for (int index = GetItemCount() - 1; index >= 0; --index) RemovePage(index);
}

void CTabCtrlEx::SelectPage(int index) {
  if (index < 0 || index >= GetItemCount() || index == GetCurSel()) return;
  if (GetCurSel() != kNone) LeavePage(GetCurSel());
  SetCurSel(index);
  EnterPage(index, /*focusPage=*/false);
}

CTabPageEx* CTabCtrlEx::GetPage(int index) const {
  const CTabItem* tab = GetTab(index);
  return tab != nullptr ? static_cast<CTabPageEx*>(tab->page) : nullptr;
}

void CTabCtrlEx::OnPageAdded(int, uint32_t) {}
void CTabCtrlEx::OnPageActivated(int index, uint32_t) { GetPage(index)->OnActivate(); }
void CTabCtrlEx::OnPageDeactivating(int index, uint32_t) { GetPage(index)->OnDeactivate(); }
void CTabCtrlEx::OnPageRemoving(int, uint32_t) {}

void CTabCtrlEx::LeavePage(int index) {
  CTabPageEx* page = GetPage(index);
  CWindowModel* focus = CWindowModel::GetFocus();
  m_focus[index] = IsWithin(focus, page) ? focus : nullptr;
  page->Show(false);
}

void CTabCtrlEx::EnterPage(int index, bool focusPage) {
  CTabPageEx* page = GetPage(index);
  // The window kept may have left the page since.
  CWindowModel* focus = m_focus[index];
  if (focus != nullptr && IsWithin(focus, page))
    focus->SetFocus();
  else if (focusPage)
    page->SetFocus();
  PlaceCurrentPage();
  page->Show(true);
}

void CTabCtrlEx::PlaceCurrentPage() {
  if (CTabPageEx* page = GetCurrentPage()) page->MoveWindow(PageArea());
}

bool CTabCtrlEx::AllowUserChange(int from, int to) {
  if (from != kNone) {
    if (!GetPage(from)->AcceptsInput()) return false;
    if (m_veto && !m_veto(from, to)) return false;
    OnPageDeactivating(from, ItemValue(from));
    LeavePage(from);
  }
  return true;
}
