#include "tools/logview-demo/language_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

TEST(LanguageFilesTest, CopyReplacesPacksAndManual) {
  TempFolder data, site;
  data.Write("lang/LanguageTable.xml", "<LanguageTable/>");
  data.Write("lang/GER/LogViewResGER.xml", "<LogView/>");
  data.Write("manual/manual.xml", "<manual file=\"LogViewer\"/>");
  data.Write("manual/LogViewer/welcome.htm", "<html></html>");
  site.Write("lang/OLD/LogViewResOLD.xml", "stale");

  std::string error;
  ASSERT_TRUE(CopyLanguageFiles(data.Path(), site.Path(), &error)) << error;
  EXPECT_EQ(ReadWholeFile(site.File("lang/GER/LogViewResGER.xml")), "<LogView/>");
  EXPECT_EQ(ReadWholeFile(site.File("manual/LogViewer/welcome.htm")), "<html></html>");
  EXPECT_FALSE(fs::exists(site.File("lang/OLD")));

  // A data folder without a manual leaves the installation without one.
  fs::remove_all(data.File("manual"));
  ASSERT_TRUE(CopyLanguageFiles(data.Path(), site.Path(), &error)) << error;
  EXPECT_FALSE(fs::exists(site.File("manual")));
  EXPECT_TRUE(fs::exists(site.File("lang/LanguageTable.xml")));

  // An installation "folder" that is a file cannot take the copies.
  const std::string file = site.Write("plain.txt", "a file");
  EXPECT_FALSE(CopyLanguageFiles(data.Path(), file, &error));
  EXPECT_NE(error.find("plain.txt/lang"), std::string::npos) << error;
}

}  // namespace
