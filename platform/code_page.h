// Code-page conversion over iconv, standing in for MultiByteToWideChar and
// WideCharToMultiByte.  Narrow texts of the viewer are in the "system code
// page", a setting: $LOGVIEW_CODEPAGE (Windows numbers: 1252, 932, 65001 ...),
// else the code page of the locale's character set (UTF-8 is 65001).
#pragma once

#include <string>
#include <string_view>

namespace platform {

constexpr unsigned kCodePageUtf8 = 65001;

unsigned SystemCodePage();
// Hosts and tests may fix the system code page; 0 returns to the default.
void SetSystemCodePage(unsigned codePage);

// The iconv name of a Windows code page number, or nullptr when unknown.
const char* IconvCharset(unsigned codePage);
// The code page of a locale's character set name as nl_langinfo(CODESET)
// gives it ("ISO-8859-15": 28605, "EUC-JP": 20932), compared as the C
// library compares them (case, "-" and "_" aside); 0 when none is known.
unsigned CodePageOfCharset(std::string_view charset);
// The code page of a locale named as $LANG names it: its character set, read
// from the installed locale, else from the name ("de_DE.ISO-8859-15@euro").
// No locale, "C" or "POSIX": UTF-8, the viewer's own default.  A character
// set without a code page: UTF-8, and one line on the debug output.
unsigned CodePageOfLocale(const std::string& localeName);

// Narrow text of `codePage` to UTF-16; a sequence that is not valid in the
// code page becomes U+FFFD, as the Windows call does without strict flags.
std::u16string ToUtf16(std::string_view text, unsigned codePage);
// UTF-16 to narrow text of `codePage`; a character without a mapping becomes
// the default character "?" (no best-fit mapping).  `usedDefault` tells
// whether that happened.
std::string FromUtf16(std::u16string_view text, unsigned codePage, bool* usedDefault = nullptr);

// Narrow text of `codePage` as UTF-16LE bytes (the form Windows keeps text
// in files and the registry), and back; an odd last byte is dropped.
std::string ToUtf16LeBytes(std::string_view text, unsigned codePage);
std::string FromUtf16LeBytes(std::string_view bytes, unsigned codePage);

// Through UTF-16, from one code page to another.  Equal pages return the text unchanged.
std::string ConvertCodePage(std::string_view text, unsigned fromCodePage, unsigned toCodePage);

// Shorthands between the system code page and UTF-8.
inline std::string SystemToUtf8(std::string_view text) {
  return ConvertCodePage(text, SystemCodePage(), kCodePageUtf8);
}
inline std::string Utf8ToSystem(std::string_view text) {
  return ConvertCodePage(text, kCodePageUtf8, SystemCodePage());
}

}  // namespace platform
