// CTabControlModel: a row of tabs, each a title, a 32-bit item value and the
// page window shown under it, with one current tab.  It is the control the
// viewer's tabbed dialog builds its page switching on: showing, hiding and
// focusing pages is left to that owner; this model only keeps the tabs, the
// current one and the geometry of the tab band.
//
// A tab added to an empty control becomes current.  Inserting or removing
// a tab before the current one keeps the same tab current; removing the
// current tab leaves none current.  Indexes outside the tabs are refused
// (false or kNone).
//
// A change asked for by the user (UserSelect) is first put to the guard,
// which may refuse it; SetCurSel is the owner's own change and is not
// guarded.  Notifications: OnChanged (kItems, kSelection, kStyle and the
// window's own) for every change, OnUserSelChanged after a change the user
// made.
//
// Pages are not owned; a page must stay alive while its tab exists.
// Threads: the user-interface thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/rect.h"
#include "ui/tab_page_area.h"
#include "ui/window_model.h"

struct CTabItem {
  std::string title;
  uint32_t itemValue = 0;
  CWindowModel* page = nullptr;
};

class CTabControlModel : public CWindowModel {
 public:
  static constexpr int kNone = -1;
  // Answers whether the current tab `from` may give way to tab `to`.
  using Guard = std::function<bool(int from, int to)>;

  CTabControlModel();

  // Index of the new tab; index -1 or beyond the last appends.
  int InsertTab(int index, const std::string& title, uint32_t itemValue, CWindowModel* page);
  int AddTab(const std::string& title, uint32_t itemValue, CWindowModel* page) {
    return InsertTab(kNone, title, itemValue, page);
  }
  bool RemoveTab(int index);
  int GetItemCount() const { return static_cast<int>(m_tabs.size()); }
  // nullptr for an index outside the tabs.
  const CTabItem* GetTab(int index) const;
  bool SetTabTitle(int index, const std::string& title);

  int GetCurSel() const { return m_current; }
  // Makes a tab current; returns the previously current one, or kNone and
  // changes nothing for an index outside the tabs.
  int SetCurSel(int index);

  // The user clicks a tab.  False when the control is disabled or hidden,
  // the index lies outside the tabs, the tab already is current, or the
  // guard refuses; the front end then shows GetCurSel() again.
  bool UserSelect(int index);
  void SetGuard(Guard guard) { m_guard = std::move(guard); }
  [[nodiscard]] CConnection OnUserSelChanged(std::function<void(int index)> slot) {
    return m_userSelChanged.Connect(std::move(slot));
  }

  // Where the tabs lie (the top by default) and how much room they take, as
  // the front end lays them out: rows of tabs and the size of one tab (no
  // rows and no size until it reports them).
  CTabPlacement GetPlacement() const { return m_placement; }
  void SetPlacement(CTabPlacement placement);
  void SetTabMetrics(int rows, int tabWidth, int tabHeight);
  // The current pages' place in this control's client area (TabPageArea).
  CRect PageArea() const;

 private:
  bool IsIndex(int index) const { return index >= 0 && index < GetItemCount(); }

  std::vector<CTabItem> m_tabs;
  int m_current = kNone;
  Guard m_guard;
  CTabPlacement m_placement = CTabPlacement::kTop;
  int m_rows = 0;
  int m_tabWidth = 0;
  int m_tabHeight = 0;
  CSignal<int> m_userSelChanged;
};
