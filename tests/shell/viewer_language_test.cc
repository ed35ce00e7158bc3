// The language at start-up and after ResetLogViewerLanguage, on an
// installation that carries the test packs under "lang/".
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "lang/translated_string.h"
#include "lang/vx_lang.h"
#include "lang/vx_lang_def.h"
#include "platform/code_page.h"
#include "platform/registry.h"
#include "platform/ui_language.h"
#include "shell/log_viewer_app.h"
#include "shell/viewer_fixture.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kVendor = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\VEXOIP]\r\n";

class ViewerLanguageTest : public ViewerTest {
 protected:
  void SetUp() override {
    ViewerTest::SetUp();
    platform::SetSystemCodePage(platform::kCodePageUtf8);
    setenv("XDG_DATA_HOME", (m_root + "/user").c_str(), 1);
    CVxLangDef::Instance().SetTablePath("");
  }
  void TearDown() override {
    ViewerTest::TearDown();
    platform::SetSystemUiLanguage(0);
    platform::SetSystemCodePage(0);
    unsetenv("XDG_DATA_HOME");
  }
  // The test packs as the installation's "lang/", or as `folder` of it.
  void InstallPacks(const std::string& folder = "lang") {
    const fs::path to = m_root + "/" + folder;
    fs::create_directories(to.parent_path());
    fs::copy(TestDataPath("lang/install/lang"), to, fs::copy_options::recursive);
  }
};


TEST_F(ViewerLanguageTest, AbsentLanguageFollowsTheSystemThroughTheTable) {
  InstallPacks();
  platform::SetSystemUiLanguage(2055);  // German (Switzerland): the table has German with a sub-language
  StartViewer(std::string(kVendor));
  EXPECT_EQ(AfxGetLogViewerApp()->languageNumber, 2055u);
  EXPECT_NE(ReadRegistryFile().find("\"LangID\"=dword:00000807"), std::string::npos);
  EXPECT_EQ(LoadTranslatedString(2), "Unusual Event");  // no pack of 2055 itself: ENG

  platform::SetSystemUiLanguage(2057);  // English (UK): the table has English, neutral
  std::ofstream(m_registryPath, std::ios::binary) << "Windows Registry Editor Version 5.00\r\n\r\n" << kVendor;
  platform::Registry::Machine().Reload();
  CreateLogViewerApp();
  EXPECT_EQ(AfxGetLogViewerApp()->languageNumber, 9u);
}

TEST_F(ViewerLanguageTest, ResetLoadsFromTheHostsFolderAndItsTable) {
  InstallPacks("packs");
  StartViewer(std::string(kVendor) + "\"LangID\"=dword:00000009\r\n");
  ResetLogViewerLanguage(1025, (m_root + "/packs/").c_str());
  EXPECT_EQ(AfxGetLogViewerApp()->languageNumber, 1025u);
  EXPECT_EQ(CVxLang::Instance().Path(), m_root + "/packs/ARA/LogViewResARA.xml");
  EXPECT_TRUE(CVxLang::Instance().IsRightToLeft());
  EXPECT_NE(LoadTranslatedString(2), "Unusual Event");
}

TEST_F(ViewerLanguageTest, FailedLoadFallsBackToThePerUserFolder) {
  InstallPacks("user/VEXO/KTPres/langs");
  fs::create_directories(m_root + "/lang");  // the installation has the table but no packs
  fs::copy(TestDataPath("lang/install/lang/LanguageTable.xml"), m_root + "/lang/LanguageTable.xml");
  const std::string fallback = m_root + "/user/VEXO/KTPres/langs/";
  StartViewer(std::string(kVendor) + "\"LangID\"=dword:00000407\r\n");
  EXPECT_EQ(CVxLang::Instance().Path(), fallback + "GER/LogViewResGER.xml");
  ResetLogViewerLanguage(1041, nullptr);
  EXPECT_EQ(CVxLang::Instance().Path(), fallback + "JPN/LogViewResJPN.xml");
  // A host folder without a table leaves no language but English.
  ResetLogViewerLanguage(1041, (m_root + "/nowhere/").c_str());
  EXPECT_EQ(CVxLang::Instance().Path(), fallback + "ENG/LogViewResENG.xml");
}

}  // namespace
