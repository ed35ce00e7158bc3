#include "lang/vx_lang.h"

#include <gtest/gtest.h>

#include "lang/vx_trans.h"
#include "platform/code_page.h"
#include "language_packs_test.h"
#include "temp_folder.h"

namespace {

class VxLangTest : public LanguagePacksTest {
 protected:
  bool Load(unsigned langId, const std::string& folder = "lang/") {
    return lang.Load("LogView", langId, folder, table);
  }
  std::string T(std::string text) { return CVxTrans(lang).Translated(std::move(text)); }

  CVxLang lang;
};

TEST_F(VxLangTest, ArabicLoadsItsPackAndTurnsOnRightToLeft) {
  ASSERT_TRUE(Load(1025));
  EXPECT_EQ(lang.Path(), TestDataPath("lang/install/lang/ARA/LogViewResARA.xml"));
  EXPECT_EQ(T("Unusual Event"), "\xD8\xAD\xD8\xAF\xD8\xAB \xD8\xBA\xD9\x8A\xD8\xB1 \xD8\xB9\xD8\xA7\xD8\xAF\xD9\x8A");
  EXPECT_TRUE(lang.IsRightToLeft());
  EXPECT_TRUE(lang.UsesNativeFont());
  EXPECT_TRUE(lang.DefaultLayoutRightToLeft());
  // Switches stay on after a later pack.
  ASSERT_TRUE(Load(1031));
  EXPECT_TRUE(lang.IsRightToLeft());
}

TEST_F(VxLangTest, LookupUsesKeyFormTabCutAndLaterDuplicates) {
  ASSERT_TRUE(Load(1031));
  EXPECT_EQ(T("Unusual Event"), "Ungew\xC3\xB6hnliches Ereignis");
  EXPECT_EQ(T("Search"), "Suchen");  // attribute names in any case
  EXPECT_EQ(T("Event Time"), "Ereigniszeit");  // the later of two entries
  EXPECT_EQ(T("First line\r\nSecond line"), "Erste Zeile\r\nZweite Zeile");
  EXPECT_EQ(T("First line/r/nSecond line"), "Erste Zeile\r\nZweite Zeile");
  EXPECT_EQ(T("First line\nSecond line"), "First line\nSecond line");
  EXPECT_EQ(T("Size <MB> \"all\" & more"), "Gr\xC3\xB6\xC3\x9F" "e <MB> & mehr");
  EXPECT_EQ(T("Camera\tCtrl+K"), "Kamera");
  EXPECT_EQ(T("Nothing\tCtrl+N"), "Nothing");
  EXPECT_EQ(T("\tCamera"), "\tCamera");  // a leading tab is no cut
  EXPECT_EQ(T("Untranslated"), "Untranslated");  // empty translation
  EXPECT_EQ(T("Not in the pack"), "Not in the pack");
  EXPECT_EQ(T(""), "");
  ASSERT_EQ(lang.Entries().size(), 9u);
  EXPECT_EQ(lang.Entries()[4].second, "Erste \xC3\x9C" "bersetzung");  // the list keeps both
}

TEST_F(VxLangTest, FailedLoadKeepsPackAndNewPackAddsToTheMap) {
  ASSERT_TRUE(Load(1031));
  const std::string germanPath = lang.Path();
  EXPECT_FALSE(Load(1041, "nowhere/"));
  EXPECT_EQ(lang.Path(), germanPath);
  EXPECT_EQ(T("Camera"), "Kamera");
  EXPECT_FALSE(lang.UsesNativeFont());

  ASSERT_TRUE(Load(9));
  EXPECT_EQ(lang.Entries().size(), 2u);
  EXPECT_EQ(T("Camera"), "Kamera");  // not in the English pack: the earlier translation stays
  EXPECT_EQ(T("Unusual Event"), "Unusual Event");

  ASSERT_TRUE(Load(1041));
  EXPECT_TRUE(lang.UsesNativeFont());
  EXPECT_FALSE(lang.IsRightToLeft());
}

TEST_F(VxLangTest, MissingRightToLeftPackStillSwitchesTheWindowLayout) {
  EXPECT_FALSE(Load(1037));  // Hebrew is in the table but has no pack
  EXPECT_TRUE(lang.DefaultLayoutRightToLeft());
  EXPECT_FALSE(lang.IsRightToLeft());
  EXPECT_FALSE(lang.UsesNativeFont());
}

TEST_F(VxLangTest, VietnameseIsConvertedToCodePage1258) {
  platform::SetSystemCodePage(1252);
  ASSERT_TRUE(Load(42));
  EXPECT_EQ(T("Camera"), platform::ConvertCodePage("M\xC3\xA1y \xE1\xBA\xA3nh", 65001, 1258));
  EXPECT_EQ(T("Camera").find('?'), std::string::npos);  // 1252 has no "áº£"
  ASSERT_TRUE(Load(1031));  // other languages: the system code page, "?" where it has no mapping
  EXPECT_EQ(T("Unusual Event"), "Ungew\xF6hnliches Ereignis");
}

TEST_F(VxLangTest, PackLimits) {
  TempFolder folder;
  std::string pack = "<LogView>\n";
  for (size_t i = 0; i <= CVxLang::kMaxEntries; ++i)
    pack += "<E from=\"t" + std::to_string(i) + "\" to=\"u" + std::to_string(i) + "\"/>\n";
  pack += "<E from=\"long\" to=\"" + std::string(600, 'x') + "\"/>\n</LogView>\n";
  folder.Write("ENG/LogViewResENG.xml", pack);
  ASSERT_TRUE(Load(9, folder.Path() + "/"));
  EXPECT_EQ(lang.Entries().size(), CVxLang::kMaxEntries);
  EXPECT_EQ(T("t65534"), "u65534");
  EXPECT_EQ(T("t65535"), "t65535");
  EXPECT_EQ(T("long"), "long");  // beyond the limit as well

  folder.Write("ENG/LogViewResENG.xml",
               "<P><E from=\"long\" to=\"" + std::string(600, 'x') + "\"/></P>");
  ASSERT_TRUE(Load(9, folder.Path() + "/"));
  EXPECT_EQ(T("long"), std::string(CVxLang::kMaxTranslationLength, 'x'));
}

}  // namespace
