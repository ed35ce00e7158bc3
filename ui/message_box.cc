#include "ui/message_box.h"

#include <vector>

namespace {

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

int CMessageBox::DefaultAnswer(unsigned style) {
  const std::vector<int> buttons = Buttons(style);
  const size_t position = (style & kDefaultButtonMask) >> 8;
  return position < buttons.size() ? buttons[position] : buttons.front();
}
