#include "lang/vx_trans.h"

#include <strings.h>

void CVxTrans::TranslateString(std::string& text) const {
  std::string key = ToKeyForm(std::move(text));
  const size_t tab = key.find('\t');
  if (tab != std::string::npos && tab > 0) key.erase(tab);
  const std::string* translation = m_lang.Lookup(key);
  text = FromKeyForm(translation != nullptr && !translation->empty() ? *translation : key);
}

void CVxTrans::TranslateDialog(std::string_view /*section*/, IVxLangWindow& page) const {
  page.SetWindowText(Translated(StripMnemonics(page.GetWindowText())));

  const bool native = m_lang.UsesNativeFont();
  for (IVxLangWindow* control : page.GetChildWindows()) {
    const std::string className = control->GetClassName();
    const auto is = [&](const char* name) { return strcasecmp(className.c_str(), name) == 0; };
    if (is("Button") || is("Static")) {
      const std::string text = Translated(StripMnemonics(control->GetWindowText()));
      control->SetFont(native ? NativeFont() : PackFontAnsi());
      control->SetWindowText(text);
    } else if (is("ComboBox")) {
      control->SetFont(native ? NativeFont() : PackFontAnsi());
    } else if (is("Edit")) {
      control->SetFont(native ? NativeFont() : PackFontDefault());
    }
  }
}

std::string CVxTrans::StripMnemonics(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      out += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == '&') {
      out += '&';
      ++i;
    }
  }
  return out;
}
