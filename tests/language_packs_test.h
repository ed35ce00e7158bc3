// LanguagePacksTest: a fixture whose installation is the test language
// packs (tests/data/lang/install) with their language table, read in a
// UTF-8 system code page that is reset after each test.
#pragma once

#include <gtest/gtest.h>

#include "lang/vx_lang_def.h"
#include "platform/code_page.h"
#include "platform/paths.h"
#include "temp_folder.h"

class LanguagePacksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetSystemCodePage(platform::kCodePageUtf8);
    platform::SetInstallFolder(TestDataPath("lang/install"));
    table.SetTablePath(TestDataPath("lang/install/lang/LanguageTable.xml"));
  }
  void TearDown() override { platform::SetSystemCodePage(0); }

  CVxLangDef table;
};
