#include "lang/vx_lang_def.h"

#include "lang/lang_names.h"
#include "platform/paths.h"
#include "xml/xml_util.h"

namespace {
constexpr unsigned kPrimaryMask = 0x3ff;
constexpr unsigned kSubLanguageUnit = 1024;
}  // namespace

CVxLangDef& CVxLangDef::Instance() {
  static CVxLangDef table;
  return table;
}

void CVxLangDef::SetTablePath(std::string path) {
  m_path = std::move(path);
  m_read = false;
}

void CVxLangDef::Read() {
  m_read = true;
  m_languages.clear();
  const std::string path =
      m_path.empty() ? platform::LocateDataFile("lang/LanguageTable.xml") : m_path;
  CXmlUtil xml;
  if (xml.Load(path) != kXmlStatusOk || xml.Root()->Name() != "LanguageTable") return;
  const XmlElement* root = xml.Root();
  for (const XmlElement* language = root->ChildAt(0); language; language = language->NextSibling()) {
    std::string primaryName, subName, abbrName, nativeFont, fullName;
    // "NativeFontCtrl" is not used, but a language without it is incomplete.
    if (GetChildStringValue(language, "PrimaryLangID", primaryName) != kXmlStatusOk ||
        GetChildStringValue(language, "SubLangID", subName) != kXmlStatusOk ||
        GetChildStringValue(language, "AbbrName", abbrName) != kXmlStatusOk ||
        GetChildStringValue(language, "NativeFontCtrl", nativeFont) != kXmlStatusOk ||
        GetChildStringValue(language, "FullName", fullName) != kXmlStatusOk)
      continue;
    const unsigned primary = LookupLangName(PrimaryLangNames(), primaryName).value_or(kEnglish);
    const unsigned sub = LookupLangName(SubLangNames(), subName).value_or(0);
    m_languages.push_back({primary + sub * kSubLanguageUnit, std::move(abbrName), std::move(fullName)});
  }
}

void CVxLangDef::ReadOnce() {
  if (!m_read) Read();
}

const std::vector<SupportedLangTable>& CVxLangDef::Languages() {
  ReadOnce();
  return m_languages;
}

std::string CVxLangDef::GetAbbrName(unsigned langId) {
  for (const auto& language : Languages())
    if (language.langId == langId) return language.abbrName;
  return kDefaultAbbrName;
}

unsigned CVxLangDef::LangIdForSystemLanguage(unsigned systemLangId) {
  for (const auto& language : Languages()) {
    if ((language.langId & kPrimaryMask) != (systemLangId & kPrimaryMask)) continue;
    return language.langId > kPrimaryMask ? systemLangId : systemLangId & kPrimaryMask;
  }
  return kEnglish;
}
