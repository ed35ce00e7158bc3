// CTabCtrlEx: the viewer dialog's tab control.  Each tab holds one page
// (CTabPageEx); the control shows the current page in its display area,
// hides the others, keeps the focus each page had when it was left, and
// tells the pages and its own hooks when the current page changes.
//
// Rules: a page added to an empty control is shown at once; removing the
// current tab first selects the next tab (or the one before when it was the
// last); a user's change of tab is cancelled when the current page refuses
// its input or the veto says no.  A removed page is hidden.
//
// Ownership: the pages belong to the viewer dialog, never to the control;
// each must outlive its tab.  The forward target (the dialog's window)
// receives the commands and notifications the pages forward.  Threads: the
// user-interface thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "pages/common/tab_page_ex.h"
#include "ui/tab_control_model.h"

class CTabCtrlEx : public CTabControlModel {
 public:
  // Asked before the user leaves tab `from` for tab `to`; false keeps `from`.
  using Veto = std::function<bool(int from, int to)>;

  explicit CTabCtrlEx(platform::CWnd* forwardTarget = nullptr);
  ~CTabCtrlEx() override;

  // Appends a tab titled `title` holding `page`, which moves into the
  // control and its display area.  Returns the new tab's index, -1 without
  // a page.
  int AddPage(const std::string& title, uint32_t itemValue, CTabPageEx* page);
  // Ignored for an index outside the tabs.
  void RemovePage(int index);
  // Removes every tab, the last first.
  void RemoveAllPages();
  // Makes tab `index` current: the page left is hidden (its focus kept), the
  // new one placed, shown and given back its focus.  Ignored for an index
  // outside the tabs or the current one.
  void SelectPage(int index);

  CTabPageEx* GetPage(int index) const;
  CTabPageEx* GetCurrentPage() const { return GetPage(GetCurSel()); }

  void SetVeto(Veto veto) { m_veto = std::move(veto); }

 protected:
  // Hooks, each given the tab's index and item value.  Activation and
  // deactivation reach the page (CTabPageEx::OnActivate / OnDeactivate);
  // the others do nothing here.
  virtual void OnPageAdded(int index, uint32_t itemValue);
  virtual void OnPageActivated(int index, uint32_t itemValue);
  virtual void OnPageDeactivating(int index, uint32_t itemValue);
  virtual void OnPageRemoving(int index, uint32_t itemValue);

 private:
  uint32_t ItemValue(int index) const { return GetTab(index)->itemValue; }
  void LeavePage(int index);
  // Gives the page back its focus (or, with `focusPage`, the focus to the
  // page itself when it kept none), places and shows it.
  void EnterPage(int index, bool focusPage);
  void PlaceCurrentPage();
  bool AllowUserChange(int from, int to);

  platform::CWnd* const m_forwardTarget;
  // Per tab: the window inside its page that had the focus when it was left.
  std::vector<CWindowModel*> m_focus;
  Veto m_veto;
  CConnection m_userChanged;
  CConnection m_changed;
};
