#include "config/supported_edge_event_list.h"

#include <gtest/gtest.h>

#include "platform/paths.h"
#include "temp_folder.h"

namespace {

class EdgeEventIniTest : public ::testing::Test {
 protected:
  std::map<int, EdgeEvent> Read(const std::string& text) {
    return RetrieveSupportedEdgeEventListOfDPFromIni(folder.Write("list.ini", text));
  }
  static std::string Describe(const std::map<int, EdgeEvent>& events) {
    std::string out;
    for (const auto& [type, e] : events)
      out += std::to_string(type) + ":" + e.EdgeEventKey + "/" + e.EdgeEventName + "/" + e.EdgeEventDescription + ";";
    return out;
  }
  TempFolder folder;
};

TEST_F(EdgeEventIniTest, ReadsCountedSections) {
  EXPECT_EQ(Describe(Read("[SupportedEdgeEvent]\nEdgeEventCount=2\n"
                          "[EdgeEvent0001]\nEventType=30005\nEdgeEventKey=B\nEdgeEventName=Second\n"
                          "[EdgeEvent0000]\nEventType=30009\nEdgeEventKey=A\nEdgeEventName=First\n"
                          "EdgeEventDescription=d\n"
                          "[EdgeEvent0002]\nEventType=30001\nEdgeEventKey=Beyond the count\n")),
            "30005:B/Second/;30009:A/First/d;");
  // Same type twice: the later section's texts.
  EXPECT_EQ(Describe(Read("[SupportedEdgeEvent]\nEdgeEventCount=2\n"
                          "[EdgeEvent0000]\nEventType=30001\nEdgeEventKey=Old\nEdgeEventName=Old\n"
                          "[EdgeEvent0001]\nEventType=30001\nEdgeEventKey=New\n")),
            "30001:New//;");
}

TEST_F(EdgeEventIniTest, MissingValuesAndCounts) {
  EXPECT_EQ(Describe(Read("[SupportedEdgeEvent]\nEdgeEventCount=1\n[EdgeEvent0000]\nEdgeEventKey=K\n")),
            "30000:K//;");
  EXPECT_EQ(Describe(Read("[SupportedEdgeEvent]\nEdgeEventCount=1\n[EdgeEvent0000]\nEventType=x\n")),
            "0://;");  // atoi of a word
  EXPECT_EQ(Describe(Read("[SupportedEdgeEvent]\nEdgeEventCount=0\n[EdgeEvent0000]\nEventType=30001\n")), "");
  EXPECT_EQ(Describe(Read("[SupportedEdgeEvent]\nEdgeEventCount=-3\n")), "");
  EXPECT_EQ(Describe(Read("[EdgeEvent0000]\nEventType=30001\n")), "");
  EXPECT_EQ(Describe(RetrieveSupportedEdgeEventListOfDPFromIni(folder.File("missing.ini"))), "");
  // A count past the sections: every missing section is an empty 30000 entry.
  EXPECT_EQ(Describe(Read("[SupportedEdgeEvent]\nEdgeEventCount=2147483647\n"
                          "[EdgeEvent0000]\nEventType=30001\nEdgeEventKey=K\n"
                          "[EdgeEvent00001]\nEventType=30002\n")),  // not the section "EdgeEvent0001"
            "30000://;30001:K//;");
  EXPECT_EQ(Describe(Read("[SupportedEdgeEvent]\nEdgeEventCount=3\n"
                          "[EdgeEvent0000]\nEdgeEventKey=first\n"
                          "[EdgeEvent0002]\nEventType=30004\n")),
            "30000://;30004://;");  // section 0001 is missing
}

TEST_F(EdgeEventIniTest, PageReadsTheDownloadWhenSearchingRemotely) {
  platform::SetInstallFolder(TestDataPath("config/edge_install"));
  std::vector<std::string> asked;
  const auto failing = [&](const std::string& f, const std::string& name) {
    asked.push_back(f + "|" + name);
    return false;
  };
  EXPECT_EQ(ReadPageEdgeEventList(false, false, failing).size(), 3u);
  EXPECT_EQ(ReadPageEdgeEventList(true, true, failing).size(), 3u);  // a backup copy: the local file
  EXPECT_TRUE(asked.empty());
  EXPECT_TRUE(ReadPageEdgeEventList(false, true, failing).empty());
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], TestDataPath("config/edge_install") + "|SupportedEdgeEventListOfDP.ini");

  platform::SetInstallFolder(folder.Path());
  const auto downloading = [&](const std::string& f, const std::string& name) {
    // The server's answer lands beside the installation's files.
    std::ofstream(f + "/" + name + ".tmp") << "[SupportedEdgeEvent]\nEdgeEventCount=1\n[EdgeEvent0000]\nEventType=30007\n";
    return true;
  };
  const auto events = ReadPageEdgeEventList(false, true, downloading);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events.begin()->first, 30007);
}

}  // namespace
