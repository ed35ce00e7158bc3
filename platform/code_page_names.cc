// The Windows code pages the viewer can convert, with the name iconv gives
// each and the names a locale's character set goes by.
#include <cctype>
#include <string>
#include <string_view>

#include "platform/code_page.h"

namespace platform {
namespace {

struct CodePageName {
  unsigned codePage;
  const char* iconvName;
  // The character set names of locales that mean this page, as
  // nl_langinfo(CODESET) spells them; null when fewer.
  const char* charsets[2];
};

// Where Windows has two numbers for one set, the one its conversion calls
// take: EUC-JP is 20932 (51932 is known to the browser layer only).
constexpr CodePageName kCodePages[] = {
    {65001, "UTF-8", {"UTF-8"}},
    {1200, "UTF-16LE", {}},
    {20127, "ASCII", {"ANSI_X3.4-1968", "ASCII"}},
    {28591, "ISO-8859-1", {"ISO-8859-1"}},
    {28592, "ISO-8859-2", {"ISO-8859-2"}},
    {28593, "ISO-8859-3", {"ISO-8859-3"}},
    {28594, "ISO-8859-4", {"ISO-8859-4"}},
    {28595, "ISO-8859-5", {"ISO-8859-5"}},
    {28596, "ISO-8859-6", {"ISO-8859-6"}},
    {28597, "ISO-8859-7", {"ISO-8859-7"}},
    {28598, "ISO-8859-8", {"ISO-8859-8"}},
    {28599, "ISO-8859-9", {"ISO-8859-9"}},
    {28603, "ISO-8859-13", {"ISO-8859-13"}},
    {28605, "ISO-8859-15", {"ISO-8859-15"}},
    {20866, "KOI8-R", {"KOI8-R"}},
    {21866, "KOI8-U", {"KOI8-U"}},
    {437, "CP437", {"CP437"}},
    {850, "CP850", {"CP850"}},
    {866, "CP866", {"CP866"}},
    {874, "CP874", {"TIS-620", "CP874"}},
    {932, "CP932", {"SHIFT_JIS", "SJIS"}},
    {936, "GBK", {"GBK", "GB2312"}},
    {949, "CP949", {"CP949", "UHC"}},
    {950, "BIG5", {"BIG5"}},
    {1250, "CP1250", {"CP1250"}},
    {1251, "CP1251", {"CP1251"}},
    {1252, "CP1252", {"CP1252"}},
    {1253, "CP1253", {"CP1253"}},
    {1254, "CP1254", {"CP1254"}},
    {1255, "CP1255", {"CP1255"}},
    {1256, "CP1256", {"CP1256"}},
    {1257, "CP1257", {"CP1257"}},
    {1258, "CP1258", {"CP1258"}},
    {10000, "MACINTOSH", {"MACINTOSH"}},
    {20932, "EUC-JP", {"EUC-JP"}},
    {51949, "EUC-KR", {"EUC-KR"}},
    {54936, "GB18030", {"GB18030"}},
};

// A character set name as the C library compares them: letters and digits
// only, lower case ("ISO-8859-15", "iso885915" and "ISO8859-15" are one
// name; so are "UTF-8" and "utf8").
std::string Normalized(std::string_view name) {
  std::string out;
  for (const char c : name)
    if (std::isalnum(static_cast<unsigned char>(c)) != 0)
      out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

const char* IconvCharset(unsigned codePage) {
  for (const CodePageName& entry : kCodePages)
    if (entry.codePage == codePage) return entry.iconvName;
  return nullptr;
}

unsigned CodePageOfCharset(std::string_view charset) {
  const std::string wanted = Normalized(charset);
  if (wanted.empty()) return 0;
  for (const CodePageName& entry : kCodePages)
    for (const char* name : entry.charsets)
      if (name != nullptr && Normalized(name) == wanted) return entry.codePage;
  return 0;
}

}  // namespace platform
