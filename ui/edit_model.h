// CEditModel: a one-line text box (the find box above a page's list).  Its
// text is the window text; what the user types reaches the page through
// OnUserChanged, after the text is set, so that a page reacts to typing and
// not to its own SetWindowText.
// Threads: the user-interface thread only.
#pragma once

#include <functional>
#include <string>

#include "ui/window_model.h"

class CEditModel : public CWindowModel {
 public:
  CEditModel() : CWindowModel(kEditClass) {}

  // The user's edit: refused (false) by a disabled or hidden box.
  bool UserSetText(const std::string& text) {
    if (!IsEnabled() || !IsVisible()) return false;
    SetWindowText(text);
    m_userChanged.Emit();
    return true;
  }

  [[nodiscard]] CConnection OnUserChanged(std::function<void()> slot) { return m_userChanged.Connect(std::move(slot)); }

 private:
  CSignal<> m_userChanged;
};
