#include "config/pos_settings_ini.h"

#include <gtest/gtest.h>

#include "vocabulary/epos_setting_fields.h"

namespace {

TEST(PosSettingsIniTest, OneSourcePerSectionWithDecimalNumbers) {
  CInitialFile ini;
  ini.Parse(
      "[Till]\nPosId=010\nName=Till one\nPort=0x10\n"
      "[Door]\nMetaSourceID=4294967295\nMetaChannelID=-2\nAssociation0=3,1,10,20,30,40\nAssociation2=4,0,0,0,0,0\n"
      "[Till]\nName=ignored: the first value wins\nbActive=1\n");
  const std::vector<EPOS_Setting> sources = PosSettingsFromIni(ini);
  ASSERT_EQ(sources.size(), 2u);  // a section named again is the same source
  EXPECT_EQ(sources[0].PosId, 10u);
  EXPECT_EQ(sources[0].Name, "Till one");
  EXPECT_EQ(sources[0].Port, 0);  // decimal only
  EXPECT_EQ(sources[0].bActive, 1);
  EXPECT_EQ(sources[0].SerialBoxType, "QRT-B58");  // missing: the default
  EXPECT_EQ(sources[1].MetaSourceID, -1);
  EXPECT_EQ(sources[1].MetaChannelID, -2);
  ASSERT_EQ(sources[1].associations.size(), 1u);  // up to the first gap
  EXPECT_EQ(sources[1].associations[0].Left, 10);
  EXPECT_EQ(sources[1].associations[0].Bottom, 40);

  // Every field of the table is a key of the file.
  CInitialFile every;
  std::string text = "[S]\n";
  const EPOS_Setting defaults;
  ForEachPosSettingField(defaults, [&](const char* name, const auto&) { text += std::string(name) + "=7\n"; });
  every.Parse(text);
  const EPOS_Setting read = PosSettingsFromIni(every).at(0);
  ForEachPosSettingField(read, [](const char* name, const auto& field) {
    EXPECT_EQ(PosSettingFieldText(field), "7") << name;
  });
}

}  // namespace
