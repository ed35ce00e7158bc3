#include "lang/vx_lang.h"

#include <clocale>
#include <cstring>
#include <string_view>
#include <utility>

#include "platform/code_page.h"
#include "platform/paths.h"
#include "xml/xml_parser.h"
#include "xml/xml_util.h"

namespace {

bool IsOneOf(const std::string& abbr, std::initializer_list<const char*> names) {
  for (const char* name : names)
    if (abbr == name) return true;
  return false;
}

bool IsRightToLeftPack(const std::string& abbr) { return IsOneOf(abbr, {"FAR", "HEB", "ARA"}); }
bool IsNativeFontPack(const std::string& abbr) {
  return IsOneOf(abbr, {"RUS", "THA", "JPN", "ELL", "BGR"});
}

// Texts of the runtime follow the system's locale, but numbers are always
// written with the English conventions.
void UseSystemLocaleWithEnglishNumbers() {
  const char* current = std::setlocale(LC_ALL, nullptr);
  if (current != nullptr && (std::strcmp(current, "C") == 0 || std::strcmp(current, "POSIX") == 0))
    std::setlocale(LC_ALL, "");
  std::setlocale(LC_NUMERIC, "C");
}

std::string ConvertTranslation(const std::string& utf8, unsigned codePage) {
  std::u16string wide = platform::ToUtf16(utf8, platform::kCodePageUtf8);
  if (wide.size() > CVxLang::kMaxTranslationLength) {
    wide.resize(CVxLang::kMaxTranslationLength);
    if (wide.back() >= 0xD800 && wide.back() <= 0xDBFF) wide.pop_back();  // half a pair
  }
  return platform::FromUtf16(wide, codePage);
}

}  // namespace

// The key form's replacements: ToKeyForm makes each plain text its key
// text, FromKeyForm each key text its plain text, both in this order.
constexpr std::pair<std::string_view, std::string_view> kKeyForm[] = {
    {"\r\n", "/r/n"}, {"\n", "/n"}, {"&", "&amp;"}, {"<", "&lt;"}, {">", "&gt;"}, {"\"", "&quot;"}};

std::string ToKeyForm(std::string text) {
  for (const auto& [plain, key] : kKeyForm) ReplaceAll(text, plain, key);
  return text;
}

std::string FromKeyForm(std::string text) {
  for (const auto& [plain, key] : kKeyForm) ReplaceAll(text, key, plain);
  return text;
}

CVxLang& CVxLang::Instance() {
  static CVxLang lang;
  return lang;
}

bool CVxLang::Load(const std::string& module, unsigned langId, const std::string& folder,
                   CVxLangDef& table) {
  UseSystemLocaleWithEnglishNumbers();
  const std::string abbr = table.GetAbbrName(langId);
  const unsigned codePage = langId == kVietnamese ? 1258 : platform::SystemCodePage();
  const std::string path =
      platform::LocateDataFile(folder + abbr + "/" + module + "Res" + abbr + ".xml");

  XmlParser parser;
  if (!parser.LoadFile(path)) {
    if (IsRightToLeftPack(abbr)) m_defaultLayoutRightToLeft = true;
    return false;
  }
  std::unique_ptr<XmlTree> tree = parser.TakeTree();

  std::vector<std::pair<std::string, std::string>> entries;
  const XmlElement* root = tree->root.get();
  for (const XmlElement* entry = root->ChildAt(0); entry && entries.size() < kMaxEntries;
       entry = entry->NextSibling()) {
    const XmlAttribute* from = FindAttributeNoCase(*entry, "from");
    const XmlAttribute* to = FindAttributeNoCase(*entry, "to");
    std::string source = from ? from->value : std::string();
    std::string translation = ConvertTranslation(to ? to->value : std::string(), codePage);
    m_translations.insert_or_assign(ToKeyForm(source), translation);
    entries.emplace_back(std::move(source), std::move(translation));
  }

  m_path = path;
  m_entries = std::move(entries);
  m_tree = std::move(tree);
  if (IsNativeFontPack(abbr)) m_nativeFont = true;
  if (IsRightToLeftPack(abbr)) m_rightToLeft = m_nativeFont = m_defaultLayoutRightToLeft = true;
  return true;
}

const std::string* CVxLang::Lookup(const std::string& key) const {
  const auto it = m_translations.find(key);
  return it == m_translations.end() ? nullptr : &it->second;
}
