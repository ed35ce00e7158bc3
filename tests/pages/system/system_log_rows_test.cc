#include "pages/system/system_log_rows.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "lang/vx_lang.h"
#include "lang/vx_lang_def.h"
#include "pages/system/system_log_types.h"
#include "platform/code_page.h"
#include "temp_folder.h"

namespace {

std::vector<int32_t> Values(const std::vector<SystemLogTypeChoice>& choices) {
  std::vector<int32_t> values;
  for (const auto& c : choices) values.push_back(c.value);
  return values;
}

bool Has(const std::vector<int32_t>& values, int32_t v) {
  return std::find(values.begin(), values.end(), v) != values.end();
}

SystemLogStatus WardixOff() {
  SystemLogStatus s;
  s.wardix = 0;
  return s;
}

SystemLogRecord Record(int32_t type, std::string text, int32_t param1 = -1) {
  SystemLogRecord r;
  r.LogTime = CDateTime::FromFields(2024, 1, 31, 8, 5, 9);
  r.EventNumber = type;
  r.EventString = std::move(text);
  r.Param1 = param1;
  return r;
}

TEST(SystemLogTypesTest, LocalSelectorOffersTextTypesButNeverSevenOrNine) {
  const auto all = LocalSystemLogTypeChoices(SystemLogStatus{});
  ASSERT_FALSE(all.empty());
  EXPECT_EQ(all.front(), (SystemLogTypeChoice{0, 26}));
  EXPECT_EQ(all.size(), 49u);  // "All" and 54 types less 34, 35, 38, 41, 7, 9
  const auto values = Values(all);
  for (int32_t never : {7, 9, 34, 35, 38, 41}) EXPECT_FALSE(Has(values, never)) << never;
  EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
  EXPECT_EQ(all[1], (SystemLogTypeChoice{1, 27}));
  EXPECT_EQ(all.back(), (SystemLogTypeChoice{54, 201}));
  EXPECT_EQ(LocalSystemLogTypeString(42), 110);
  EXPECT_EQ(LocalSystemLogTypeString(50), 192);
  EXPECT_EQ(LocalSystemLogTypeString(55), 0);
  EXPECT_EQ(LocalSystemLogTypeString(-1), 0);

  // A switch takes out exactly the types it gates.
  const auto noWardix = Values(LocalSystemLogTypeChoices(WardixOff()));
  EXPECT_EQ(noWardix.size(), 46u);
  for (int32_t t : {12, 13, 14}) EXPECT_FALSE(Has(noWardix, t)) << t;
  EXPECT_TRUE(Has(noWardix, 11) && Has(noWardix, 15));
}

TEST(SystemLogTypesTest, RemoteSelectorAndTypes) {
  const auto remote = RemoteSystemLogTypeChoices();
  ASSERT_EQ(remote.size(), 9u);
  EXPECT_EQ(remote.front(), (SystemLogTypeChoice{0, 132}));
  EXPECT_EQ(remote.back(), (SystemLogTypeChoice{8, 140}));
  EXPECT_EQ(RemoteSystemLogTypeString(9), 0);
  EXPECT_TRUE(IsRemoteSystemLogTypeListed(99));
  EXPECT_TRUE(IsRemoteSystemLogTypeListed(-3));
  EXPECT_FALSE(IsRemoteSystemLogTypeListed(100));
}

TEST(SystemLogTypesTest, ListedLocalTypes) {
  const SystemLogStatus on;
  EXPECT_TRUE(IsLocalSystemLogTypeListed(9, on));  // listed though never offered
  EXPECT_TRUE(IsLocalSystemLogTypeListed(1, on));
  EXPECT_TRUE(IsLocalSystemLogTypeListed(54, on));
  for (int32_t t : {0, 7, 34, 35, 38, 41, 55, -1}) EXPECT_FALSE(IsLocalSystemLogTypeListed(t, on)) << t;
  // The host's switches count in remote mode only.
  EXPECT_FALSE(IsLocalSystemLogTypeListed(13, SystemSwitchesInEffect(WardixOff(), true)));
  EXPECT_TRUE(IsLocalSystemLogTypeListed(13, SystemSwitchesInEffect(WardixOff(), false)));
  EXPECT_TRUE(Has(Values(LocalSystemLogTypeChoices(SystemSwitchesInEffect(WardixOff(), false))), 13));
}

class SysLogRowTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetSystemCodePage(platform::kCodePageUtf8);
    table.SetTablePath(folder.File("none.xml"));  // no table: the English pack's name
    folder.Write("ENG/LogViewResENG.xml",
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Texts>\n"
                 "<Text from=\"Modify Configuration\" to=\"Konfiguration\"/>\n"
                 "<Text from=\"Camera settings changed\" to=\"Kamera ge\xC3\xA4ndert\"/>\n"
                 "<Text from=\"Disk\" to=\"Platte\"/>\n</Texts>\n");
    ASSERT_TRUE(lang.Load("LogView", 9, folder.Path() + "/", table));
  }
  void TearDown() override { platform::SetSystemCodePage(0); }

  TempFolder folder;
  CVxLangDef table;
  CVxLang lang;
};

TEST_F(SysLogRowTextsTest, LocalRows) {
  const CSysLogRowTexts texts{CVxTrans(lang)};
  const SystemLogStatus on;
  // Type 16's text is a key of the pack; other types keep theirs.
  EXPECT_EQ(texts.LocalRow(Record(16, "Camera settings changed"), on),
            (SysLogCells{"2024/01/31 08:05:09", "Konfiguration", "", "Kamera ge\xC3\xA4ndert"}));
  EXPECT_EQ(texts.LocalRow(Record(15, "Camera settings changed", 0), on)->at(3), "Camera settings changed");
  // Devices count from 1; -1 is none.
  EXPECT_EQ(texts.LocalRow(Record(10, "x", 0), on)->at(2), "1");
  EXPECT_EQ(texts.LocalRow(Record(10, "x", 16), on)->at(2), "17");
  EXPECT_EQ(texts.LocalRow(Record(10, "x", -2), on)->at(2), "-1");
  EXPECT_EQ(texts.LocalRow(Record(9, "Backup job"), on)->at(1), "Execute Backup");
  EXPECT_FALSE(texts.LocalRow(Record(35, "backup"), on));
  EXPECT_FALSE(texts.LocalRow(Record(12, "Wardix started"), SystemSwitchesInEffect(WardixOff(), true)));
}

TEST_F(SysLogRowTextsTest, RemoteRows) {
  const CSysLogRowTexts texts{CVxTrans(lang)};
  EXPECT_EQ(texts.RemoteRow(Record(3, "Warning|Disk 2 is almost full")),
            (SysLogCells{"2024/01/31", "08:05:09", "Platte", "Warning", "Disk 2 is almost full"}));
  const auto plain = texts.RemoteRow(Record(1, "Fan speed low"));
  EXPECT_EQ(plain->at(3), "");
  EXPECT_EQ(plain->at(4), "Fan speed low");
  const auto bars = texts.RemoteRow(Record(8, "Info||a|b"));
  EXPECT_EQ(bars->at(2), "Recording History");
  EXPECT_EQ(bars->at(3), "Info");
  EXPECT_EQ(bars->at(4), "|a|b");
  EXPECT_EQ(texts.RemoteRow(Record(16, "Modify Configuration"))->at(4), "Modify Configuration");
  EXPECT_EQ(texts.RemoteRow(Record(99, "x"))->at(2), "");
  EXPECT_FALSE(texts.RemoteRow(Record(100, "x")));
  EXPECT_FALSE(texts.RemoteRow(Record(4000, "x")));
}

}  // namespace
