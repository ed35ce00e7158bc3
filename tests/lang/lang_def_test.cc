#include <gtest/gtest.h>

#include "lang/lang_names.h"
#include "lang/vx_lang_def.h"
#include "platform/ui_language.h"
#include "temp_folder.h"

namespace {

CVxLangDef TableFrom(const std::string& path) {
  CVxLangDef table;
  table.SetTablePath(path);
  return table;
}

TEST(LangNamesTest, NamesAreLookedUpExactly) {
  EXPECT_EQ(LookupLangName(PrimaryLangNames(), "LANG_INVARIANT"), 127u);
  EXPECT_EQ(LookupLangName(PrimaryLangNames(), "lang_english"), std::nullopt);
  EXPECT_EQ(LookupLangName(SubLangNames(), "SUBLANG_SPANISH_PUERTO_RICO"), 20u);
}

TEST(LangDefTest, ReadTableSkipsIncompleteLanguages) {
  CVxLangDef table = TableFrom(TestDataPath("lang/install/lang/LanguageTable.xml"));
  const auto& languages = table.Languages();
  ASSERT_EQ(languages.size(), 7u);  // the one without "NativeFontCtrl" is left out
  EXPECT_EQ(languages[2].langId, 1025u);
  EXPECT_EQ(languages[2].fullName, "\xD8\xA7\xD9\x84\xD8\xB9\xD8\xB1\xD8\xA8\xD9\x8A\xD8\xA9");
  EXPECT_EQ(languages[5].langId, 9u);  // unknown names: English, no sub-language
  EXPECT_EQ(table.GetAbbrName(1025), "ARA");
  EXPECT_EQ(table.GetAbbrName(9), "ENG");     // first entry of the number
  EXPECT_EQ(table.GetAbbrName(1049), "ENG");  // Russian was skipped
  EXPECT_EQ(table.GetAbbrName(2055), "ENG");  // the number must match exactly

  table.SetTablePath(TestDataPath("lang/wrong_root.xml"));
  EXPECT_TRUE(table.Languages().empty());
  table.SetTablePath(TestDataPath("lang/missing.xml"));
  EXPECT_TRUE(table.Languages().empty());
  EXPECT_EQ(table.GetAbbrName(1031), "ENG");
  EXPECT_EQ(table.LangIdForSystemLanguage(1031), 9u);
}

TEST(LangDefTest, SystemLanguageRule) {
  CVxLangDef neutral = TableFrom(TestDataPath("lang/install/lang/LanguageTable.xml"));
  EXPECT_EQ(neutral.LangIdForSystemLanguage(2057), 9u);  // only English, neutral
  EXPECT_EQ(neutral.LangIdForSystemLanguage(2055), 2055u);  // German has a sub-language
  EXPECT_EQ(neutral.LangIdForSystemLanguage(3073), 3073u);  // Arabic (Egypt)
  EXPECT_EQ(neutral.LangIdForSystemLanguage(1036), 9u);  // French is not in the table
  CVxLangDef us = TableFrom(TestDataPath("lang/us_english_table.xml"));
  EXPECT_EQ(us.LangIdForSystemLanguage(2057), 2057u);
}

TEST(LangDefTest, SystemLanguageFromLocale) {
  EXPECT_EQ(platform::LanguageNumberOfLocale("en_GB.UTF-8"), 2057u);
  EXPECT_EQ(platform::LanguageNumberOfLocale("de_CH"), 2055u);
  EXPECT_EQ(platform::LanguageNumberOfLocale("zh_CN.GB18030"), 2052u);
  EXPECT_EQ(platform::LanguageNumberOfLocale("sr_RS@latin"), 3098u);
  EXPECT_EQ(platform::LanguageNumberOfLocale("ja"), 1041u);
  EXPECT_EQ(platform::LanguageNumberOfLocale("C.UTF-8"), 0u);
  platform::SetSystemUiLanguage(1025);
  EXPECT_EQ(platform::SystemUiLanguage(), 1025u);
  platform::SetSystemUiLanguage(0);
}

}  // namespace
