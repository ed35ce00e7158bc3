#include "pages/system/system_log_rows.h"

#include <gtest/gtest.h>

#include "lang/vx_lang.h"
#include "platform/code_page.h"
#include "temp_folder.h"

namespace {

SystemLogRecord Record(int32_t type, std::string text, int32_t param1 = -1) {
  SystemLogRecord r;
  r.LogTime = CDateTime::FromFields(2024, 1, 31, 8, 5, 9);
  r.EventNumber = type;
  r.EventString = std::move(text);
  r.Param1 = param1;
  return r;
}

// Rows made with a pack of the test's own.
class SysLogRowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetSystemCodePage(platform::kCodePageUtf8);
    table.SetTablePath(folder.File("none.xml"));  // no table: the English pack's name
    folder.Write("ENG/LogViewResENG.xml",
                 "<Texts><Text from=\"Modify Configuration\" to=\"Konfiguration\"/>"
                 "<Text from=\"Camera settings changed\" to=\"Kamera neu\"/></Texts>");
    ASSERT_TRUE(lang.Load("LogView", 9, folder.Path() + "/", table));
  }
  void TearDown() override { platform::SetSystemCodePage(0); }

  TempFolder folder;
  CVxLangDef table;
  CVxLang lang;
};

TEST_F(SysLogRowsTest, LocalRecords) {
  const CSysLogRowTexts texts{CVxTrans(lang)};
  const SystemLogStatus on;
  // Only "Modify Configuration" texts are keys of the pack.
  EXPECT_EQ(texts.LocalRow(Record(16, "Camera settings changed"), on),
            (SysLogCells{"2024/01/31 08:05:09", "Konfiguration", "", "Kamera neu"}));
  EXPECT_EQ(texts.LocalRow(Record(15, "Camera settings changed", 0), on),
            (SysLogCells{"2024/01/31 08:05:09", "Modify Schedule", "1", "Camera settings changed"}));
  EXPECT_EQ(texts.LocalRow(Record(10, "x", -2), on)->at(2), "-1");
  // "Execute Backup" is listed though it cannot be chosen.
  EXPECT_EQ(texts.LocalRow(Record(9, "Backup job"), on)->at(1), "Execute Backup");
  for (int32_t dropped : {0, 7, 34, 35, 38, 41, 55}) EXPECT_FALSE(texts.LocalRow(Record(dropped, "x"), on)) << dropped;

  // The host's switches count in remote mode only.
  SystemLogStatus noWardix;
  noWardix.wardix = 0;
  EXPECT_FALSE(texts.LocalRow(Record(12, "Wardix started"), SystemSwitchesInEffect(noWardix, true)));
  EXPECT_TRUE(texts.LocalRow(Record(12, "Wardix started"), SystemSwitchesInEffect(noWardix, false)));
}

}  // namespace
