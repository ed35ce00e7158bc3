#include "config/vx_user_manual.h"

#include <gtest/gtest.h>

#include "platform/debug_output.h"
#include "temp_folder.h"

namespace {

class VxUserManualTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetDebugSink([this](const std::string& line) { logged.push_back(line); });
  }
  void TearDown() override { platform::SetDebugSink(nullptr); }

  CVxUserManual Manual(const std::string& folder, bool startable = true) {
    return CVxUserManual(folder, [this, startable](const std::string& path) {
      opened.push_back(path);
      return startable;
    });
  }
  static std::string Page(const CVxUserManual& manual, const std::string& topic) {
    const auto help = manual.FindHelpPage(topic);
    return help.file + "|" + help.page;
  }

  const std::string manualFolder = TestDataPath("config/manual");
  std::vector<std::string> logged;
  std::vector<std::string> opened;
};

TEST_F(VxUserManualTest, TopicPathFindsPageAndHelpFile) {
  const CVxUserManual manual = Manual(manualFolder);
  EXPECT_EQ(Page(manual, "log_viewer.unusual"), "LogViewer|unusual.htm");
  EXPECT_EQ(Page(manual, "log_viewer.counting"), "Counting|counting.htm");
  EXPECT_EQ(Page(manual, "log_viewer counting.counting_diagram"), "Counting|diagram.htm");
  EXPECT_EQ(Page(manual, "log_viewer..unusual "), "LogViewer|unusual.htm");
  // Unknown topics, exact names, elements without "ref": the root's welcome page.
  EXPECT_EQ(Page(manual, "log_viewer.ivs"), "LogViewer|welcome.htm");
  EXPECT_EQ(Page(manual, "Log_Viewer.unusual"), "LogViewer|welcome.htm");
  EXPECT_EQ(Page(manual, "log_viewer.system"), "LogViewer|welcome.htm");
  EXPECT_EQ(Page(manual, "log_viewer.counting.other"), "LogViewer|welcome.htm");
  EXPECT_EQ(Page(manual, ""), "LogViewer|welcome.htm");
  TempFolder empty;
  EXPECT_EQ(Page(Manual(empty.Path()), "log_viewer.unusual"), "|welcome.htm");
}

TEST_F(VxUserManualTest, OpenLogsTheCommandAndOpensThePage) {
  EXPECT_TRUE(Manual(manualFolder).OpenUserManual("log_viewer.unusual"));
  const std::string page = manualFolder + "/LogViewer/unusual.htm";
  EXPECT_EQ(opened, std::vector<std::string>{page});
  ASSERT_EQ(logged.size(), 1u);
  EXPECT_EQ(logged[0], "[CVxUserManual::OpenUserManaul] xdg-open " + page);

  EXPECT_FALSE(Manual(manualFolder, false).OpenUserManual("log_viewer.unusual"));
  EXPECT_TRUE(platform::StartDetachedProcess({"true"}));
  EXPECT_FALSE(platform::StartDetachedProcess({"/nonexistent/help-viewer"}));
}

}  // namespace
