// CButtonModel: a push button ("Search", "Export to...").  A click made by
// the widget front end, a host or a test reaches the page through OnClicked.
// Threads: the user-interface thread only.
#pragma once

#include <functional>
#include <string>

#include "ui/window_model.h"

class CButtonModel : public CWindowModel {
 public:
  explicit CButtonModel(std::string text = {}) : CWindowModel(kButtonClass, std::move(text)) {}

  // A disabled or hidden button cannot be clicked (false).
  bool Click() {
    if (!IsEnabled() || !IsVisible()) return false;
    m_clicked.Emit();
    return true;
  }

  [[nodiscard]] CConnection OnClicked(std::function<void()> slot) {
    return m_clicked.Connect(std::move(slot));
  }

 private:
  CSignal<> m_clicked;
};
