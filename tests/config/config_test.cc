#include <gtest/gtest.h>

#include <string>

#include "config/initial_file.h"
#include "config/vx_config.h"
#include "temp_folder.h"

namespace {

CInitialFile Parsed(const std::string& text) {
  CInitialFile ini;
  ini.Parse(text);
  return ini;
}

TEST(InitialFileTest, LinesKeysAndValues) {
  const CInitialFile ini = Parsed(
      "top=level\r\n"
      "  [SETUP]  \r\n"
      " \t key = a=b \r\n"
      "# note = not an entry\n"
      "; also=a comment\n"
      "plain line without equals\n"
      "empty=\n"
      "dup=first\n"
      "dup=second\n"
      "Key=case\n"
      "[OTHER]\n"
      "dup=other\n"
      "[SETUP]\n"
      "late=reopened");
  EXPECT_EQ(ini.GetValue("SETUP", "key"), "a=b");
  EXPECT_EQ(ini.GetValue("SETUP", "dup"), "first");
  EXPECT_EQ(ini.GetValue("OTHER", "dup"), "other");
  EXPECT_EQ(ini.GetValue("SETUP", "late"), "reopened");
  EXPECT_EQ(ini.GetValue("", "top"), "level");
  EXPECT_EQ(ini.GetValue("SETUP", "Key"), "case");
  EXPECT_EQ(ini.GetValue("setup", "key"), "");
  EXPECT_EQ(ini.GetValue("SETUP", "# note"), "");
  EXPECT_EQ(ini.GetValue("SETUP", "empty"), "");
  EXPECT_EQ(ini.GetValue("NONE", "key"), "");

  int comments = 0;
  for (const auto& entry : ini.Entries())
    if (entry.comment) {
      ++comments;
      EXPECT_TRUE(entry.key[0] == '#' || entry.key[0] == ';') << entry.key;
    }
  EXPECT_EQ(comments, 2);
}

TEST(InitialFileTest, UnreadableFileLeavesNothing) {
  CInitialFile ini;
  ini.Parse("[SETUP]\nkey=value\n");
  EXPECT_FALSE(ini.Load("/nonexistent/folder/vx_config.ini"));
  EXPECT_EQ(ini.GetValue("SETUP", "key"), "");
  EXPECT_TRUE(ini.Entries().empty());
}

class VxConfigTest : public ::testing::Test {
 protected:
  void WriteIni(const std::string& text) { m_folder.Write("vx_config.ini", text); }
  vx_config_ Read() { return ReadVxConfig(m_root); }

  TempFolder m_folder;
  const std::string m_root = m_folder.Path();
};

TEST_F(VxConfigTest, DefaultsAndReplaceRules) {
  vx_config_ config = Read();  // no file
  EXPECT_EQ(config.developerKey, "VEXOIP");
  EXPECT_EQ(config.failoverKey, "VEXOIP_FAILOVER");
  EXPECT_EQ(config.appDataFolder, "VEXO");
  EXPECT_EQ(config.filePath, m_root + "/vx_config.ini");

  WriteIni(std::string("[SETUP]\nDEVELOPER_TYPE=ACME\nCARD_TYPE=12x\nRESOURCE_TYPE=\n") +
           vx_config_::kWindowTitleKeys[0] + "=Console\n" + vx_config_::kWindowTitleKeys[5] +
           "=\n");
  config = Read();
  EXPECT_EQ(config.developerKey, "ACME");
  EXPECT_EQ(config.failoverKey, "ACME_FAILOVER");
  EXPECT_EQ(config.cardType, 12);
  // Vendor names follow the file even when it leaves them empty or out;
  // window titles only when it gives one.
  EXPECT_EQ(config.resourceFolder, "");
  EXPECT_EQ(config.appDataFolder, "");
  EXPECT_EQ(config.windowTitles[0], "Console");
  EXPECT_EQ(config.windowTitles[5], vx_config_::kDefaultWindowTitles[5]);

  WriteIni("[OTHER]\nDEVELOPER_TYPE=ACME\n");  // not in "SETUP"
  EXPECT_EQ(Read().developerKey, "");
  EXPECT_EQ(Read().failoverKey, "_FAILOVER");
}

TEST_F(VxConfigTest, ReadOnceUntilReloaded) {
  WriteIni("[SETUP]\nDEVELOPER_TYPE=ACME\n");
  const vx_config_& config = ReloadVxConfig(m_root);
  EXPECT_EQ(&config, &GetVxConfig());
  WriteIni("[SETUP]\nDEVELOPER_TYPE=OTHER\n");
  EXPECT_EQ(GetVxConfig().GetDeveloperType(), "ACME");
  ReloadVxConfig(m_root);
  EXPECT_EQ(config.GetDeveloperType(), "OTHER");
}

}  // namespace
