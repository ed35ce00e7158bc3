// IVxLangWindow: what translating a dialog page needs of a window -- its
// class name ("Button", "Static", "ComboBox", "Edit" ...), its text, its
// font and its child windows.  The control layer implements it for its pages
// and controls; the translation only borrows the windows for the call.
#pragma once

#include <string>
#include <vector>

#include "lang/lang_fonts.h"

class IVxLangWindow {
 public:
  virtual ~IVxLangWindow() = default;

  virtual std::string GetClassName() const = 0;
  virtual std::string GetWindowText() const = 0;
  virtual void SetWindowText(const std::string& text) = 0;
  virtual void SetFont(const FontSpec& font) = 0;
  // The direct children, in creation order.
  virtual std::vector<IVxLangWindow*> GetChildWindows() = 0;
};
