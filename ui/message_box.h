// CMessageBox: the vocabulary of the message boxes the pages and the dialog
// show ("Fail to open database", the playback channel limit, a failed
// search): style bits, answers, and the answer of a user pressing Enter.
// Nothing is drawn here: the viewer asks its host through the viewer
// context (AskUser).
#pragma once

#include <string>

struct CMessageBoxRequest {
  std::string text;
  std::string caption;
  unsigned style = 0;
};

class CMessageBox {
 public:
  // Style bits: one button set, one icon, one default button.
  static constexpr unsigned kOk = 0x0;
  static constexpr unsigned kOkCancel = 0x1;
  static constexpr unsigned kAbortRetryIgnore = 0x2;
  static constexpr unsigned kYesNoCancel = 0x3;
  static constexpr unsigned kYesNo = 0x4;
  static constexpr unsigned kRetryCancel = 0x5;
  static constexpr unsigned kButtonMask = 0xF;
  static constexpr unsigned kIconStop = 0x10;
  static constexpr unsigned kIconQuestion = 0x20;
  static constexpr unsigned kIconWarning = 0x30;
  static constexpr unsigned kIconInformation = 0x40;
  static constexpr unsigned kIconMask = 0xF0;
  static constexpr unsigned kDefaultButton2 = 0x100;
  static constexpr unsigned kDefaultButton3 = 0x200;
  static constexpr unsigned kDefaultButtonMask = 0xF00;

  // Answers: the button pressed.
  static constexpr int kIdOk = 1;
  static constexpr int kIdCancel = 2;
  static constexpr int kIdAbort = 3;
  static constexpr int kIdRetry = 4;
  static constexpr int kIdIgnore = 5;
  static constexpr int kIdYes = 6;
  static constexpr int kIdNo = 7;

  // The button a user pressing Enter chooses: the default button of the
  // style's button set (the first when the style names none, or names one
  // the set lacks).
  static int DefaultAnswer(unsigned style);
};
