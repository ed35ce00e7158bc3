// CVxTrans: the translating functions every page uses -- a text in place, a
// whole dialog page with the fonts of its controls, and the removal of
// mnemonic markers.  A CVxTrans borrows a pack (the process's by default)
// and is used on the viewer's user-interface thread.
#pragma once

#include <string>
#include <string_view>

#include "lang/vx_lang.h"
#include "lang/vx_lang_window.h"

class CVxTrans {
 public:
  explicit CVxTrans(const CVxLang& lang = CVxLang::Instance()) : m_lang(lang) {}

  // Replaces `text` by its translation, or by itself when the pack has none.
  // A tab after the first character ends the text: "Save\tCtrl+S" is looked
  // up, and comes back, as "Save".
  void TranslateString(std::string& text) const;
  std::string Translated(std::string text) const {
    TranslateString(text);
    return text;
  }

  // Translates the page's title and the texts of its buttons and static
  // texts, and gives those, its combo boxes and its edit boxes the font the
  // pack calls for.  `section` names the page's part of the pack; the lookup
  // does not depend on it.
  void TranslateDialog(std::string_view section, IVxLangWindow& page) const;

  // Every single "&" removed, every "&&" made one "&".
  static std::string StripMnemonics(std::string_view text);

 private:
  const CVxLang& m_lang;
};
