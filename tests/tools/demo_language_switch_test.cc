// The demo installation carries the project's language packs and manual:
// switching the viewer's language on it translates the viewer's texts.
#include <gtest/gtest.h>

#include <filesystem>

#include "config/vx_config.h"
#include "config/vx_user_manual.h"
#include "lang/translated_string.h"
#include "lang/vx_lang.h"
#include "lang/vx_lang_def.h"
#include "logview/logview.h"
#include "platform/code_page.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "shell/log_viewer_app.h"
#include "temp_folder.h"
#include "tools/logview-demo/demo_installation.h"

namespace {

TEST(DemoLanguageSwitchTest, UnusualEventInGermanAndArabic) {
  TempFolder temp;
  DemoOptions options;
  options.days = 1;
  options.eventsPerDay = 10;
  options.endDate = CDateTime::FromFields(2024, 2, 1);
  options.folder = temp.File("site");
  std::string error;
  ASSERT_TRUE(WriteDemoInstallation(options, [](const std::string&) {}, &error)) << error;

  platform::SetSystemCodePage(platform::kCodePageUtf8);
  platform::SetInstallFolder(options.folder);
  ReloadVxConfig(options.folder);
  platform::Registry::Machine().UseFile(options.folder + "/registry.reg");
  CVxLangDef::Instance().SetTablePath("");
  CreateLogViewerApp();
  EXPECT_EQ(LoadTranslatedString(2), "Unusual Event");

  ResetLogViewerLanguage(7, nullptr);
  EXPECT_EQ(LoadTranslatedString(2), "Ungew\xC3\xB6hnliche Ereignisse");
  EXPECT_EQ(CVxLang::Instance().Path(), options.folder + "/lang/DEU/LogViewResDEU.xml");

  ResetLogViewerLanguage(1025, nullptr);
  EXPECT_EQ(LoadTranslatedString(2),
            "\xD8\xA7\xD9\x84\xD8\xA3\xD8\xAD\xD8\xAF\xD8\xA7\xD8\xAB \xD8\xBA\xD9\x8A\xD8\xB1 "
            "\xD8\xA7\xD9\x84\xD8\xA7\xD8\xB9\xD8\xAA\xD9\x8A\xD8\xA7\xD8\xAF\xD9\x8A\xD8\xA9");
  EXPECT_TRUE(CVxLang::Instance().IsRightToLeft());

  // The manual came along: a page's topic opens its page of the installation.
  EXPECT_EQ(CVxUserManual().PagePath("log_viewer.unusual"), options.folder + "/manual/html/unusual.htm");
  EXPECT_TRUE(std::filesystem::exists(CVxUserManual().PagePath("log_viewer.unusual")));
  DestroyLogViewerApp();
  platform::SetSystemCodePage(0);
}

}  // namespace
