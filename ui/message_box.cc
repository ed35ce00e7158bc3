#include "ui/message_box.h"

#include <utility>
#include <vector>

namespace {

CMessageBox::Handler& InstalledHandler() {
  static CMessageBox::Handler handler;
  return handler;
}

// The buttons of each button set, left to right.
std::vector<int> Buttons(unsigned style) {
  switch (style & CMessageBox::kButtonMask) {
    case CMessageBox::kOkCancel:
      return {CMessageBox::kIdOk, CMessageBox::kIdCancel};
    case CMessageBox::kAbortRetryIgnore:
      return {CMessageBox::kIdAbort, CMessageBox::kIdRetry, CMessageBox::kIdIgnore};
    case CMessageBox::kYesNoCancel:
      return {CMessageBox::kIdYes, CMessageBox::kIdNo, CMessageBox::kIdCancel};
    case CMessageBox::kYesNo:
      return {CMessageBox::kIdYes, CMessageBox::kIdNo};
    case CMessageBox::kRetryCancel:
      return {CMessageBox::kIdRetry, CMessageBox::kIdCancel};
    default:
      return {CMessageBox::kIdOk};
  }
}

}  // namespace

int CMessageBox::Show(const std::string& text, const std::string& caption, unsigned style) {
  // A copy: the handler may install another one while it runs.
  const Handler handler = InstalledHandler();
  if (!handler) return DefaultAnswer(style);
  return handler(CMessageBoxRequest{text, caption, style});
}

int CMessageBox::DefaultAnswer(unsigned style) {
  const std::vector<int> buttons = Buttons(style);
  const size_t position = (style & kDefaultButtonMask) >> 8;
  return position < buttons.size() ? buttons[position] : buttons.front();
}

CMessageBox::Handler CMessageBox::SetHandler(Handler handler) {
  return std::exchange(InstalledHandler(), std::move(handler));
}
