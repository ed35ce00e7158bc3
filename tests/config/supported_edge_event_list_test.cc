#include "config/supported_edge_event_list.h"

#include <gtest/gtest.h>

#include "config/vx_config.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "temp_folder.h"

namespace {

std::string Describe(const std::map<int, EdgeEvent>& events) {
  std::string out;
  for (const auto& [type, e] : events)
    out += std::to_string(type) + ":" + e.EdgeEventKey + "/" + e.EdgeEventName + "/" + e.EdgeEventDescription + ";";
  return out;
}

class EdgeEventIniTest : public ::testing::Test {
 protected:
  std::map<int, EdgeEvent> Read(const std::string& text) {
    return RetrieveSupportedEdgeEventListOfDPFromIni(folder.Write("list.ini", text));
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
  EXPECT_EQ(Describe(Read("[EdgeEvent0000]\nEventType=30001\n")), "");
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
  const std::string install = TestDataPath("config/edge_install");
  std::vector<std::string> asked;
  const auto failing = [&](const std::string& f, const std::string& name) {
    asked.push_back(f + "|" + name);
    return false;
  };
  EXPECT_EQ(ReadPageEdgeEventList(install, false, false, failing).size(), 3u);
  EXPECT_EQ(ReadPageEdgeEventList(install, true, true, failing).size(), 3u);  // a backup copy: the local file
  EXPECT_TRUE(asked.empty());
  EXPECT_TRUE(ReadPageEdgeEventList(install, false, true, failing).empty());
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], install + "|SupportedEdgeEventListOfDP.ini");

  const auto downloading = [&](const std::string& f, const std::string& name) {
    // The server's answer lands beside the installation's files.
    std::ofstream(f + "/" + name + ".tmp") << "[SupportedEdgeEvent]\nEdgeEventCount=1\n[EdgeEvent0000]\nEventType=30007\n";
    return true;
  };
  const auto events = ReadPageEdgeEventList(folder.Path(), false, true, downloading);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events.begin()->first, 30007);
}

}  // namespace

namespace {

constexpr const char* kListKey = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ACME\\Vantor\\EventAction\\EdgeEvent";

std::string Event(const std::string& subKey, const std::string& values) {
  return std::string(kListKey) + "\\" + subKey + "]\n" + values + "\n";
}

class EdgeEventRegistryTest : public ::testing::Test {
 protected:
  std::string Read(const std::string& body, const std::string& vendor = "ACME") {
    platform::Registry registry(folder.Write("registry.reg", "REGEDIT4\n\n" + body));
    return Describe(ReadSupportedEdgeEventList(registry, vendor));
  }
  static std::string Count(const std::string& value) {
    return std::string(kListKey) + "]\n\"EdgeEventCount\"=" + value + "\n\n";
  }
  static std::string Texts(const std::string& key, const std::string& name = "\"n\"",
                           const std::string& description = "\"d\"") {
    return "\"EdgeEventKey\"=\"" + key + "\"\n\"EdgeEventName\"=" + name + "\n\"EdgeEventDescription\"=" + description;
  }
  TempFolder folder;
};

TEST_F(EdgeEventRegistryTest, LaterSubKeyOfTheSameTypeWins) {
  const std::string body = Count("dword:00000003") +
                           Event("EdgeEvent0000", "\"EventType\"=dword:00007531\n" + Texts("Old")) +
                           Event("edgeevent0001", "\"EventType\"=dword:00007531\n" + Texts("New")) +
                           Event("EdgeEvent0002", "\"EventType\"=dword:00007532\n" + Texts("T", "hex(2):41,00", "\"\"")) +
                           Event("EdgeEvent0003", "\"EventType\"=dword:00007533\n" + Texts("Beyond the count"));
  EXPECT_EQ(Read(body), "30001:New/n/d;30002:T/A/;");
  EXPECT_EQ(Read(body, "OTHER"), "");
}

TEST_F(EdgeEventRegistryTest, MalformedValuesSkipTheEventOrTheList) {
  EXPECT_EQ(Read(Count("\"2\"") + Event("EdgeEvent0000", "\"EventType\"=dword:00007531\n" + Texts("K"))), "");
  EXPECT_EQ(Read(Count("hex:02,00,00,00,00") + Event("EdgeEvent0000", "\"EventType\"=dword:00007531\n" + Texts("K"))), "");
  EXPECT_EQ(Read(Event("EdgeEvent0000", "\"EventType\"=dword:00007531\n" + Texts("K"))), "");  // no count
  const std::string long1023(1023, 'x'), long1024(1024, 'x');
  EXPECT_EQ(Read(Count("hex:06,00,00,00") +
                 Event("EdgeEvent0000", "\"EventType\"=\"30001\"\n" + Texts("string type")) +
                 Event("EdgeEvent0001", "\"EventType\"=hex:32,75,00,00\n" + Texts("four bytes")) +
                 Event("EdgeEvent0002", "\"EventType\"=dword:00007533\n\"EdgeEventKey\"=\"no texts\"") +
                 Event("EdgeEvent0003", "\"EventType\"=dword:00007534\n" + Texts("word", "dword:00000001")) +
                 Event("EdgeEvent0004", "\"EventType\"=dword:00007535\n" + Texts(long1024)) +
                 Event("EdgeEvent0005", "\"EventType\"=dword:00007536\n" + Texts(long1023, "hex(1):", "hex(1):41,00"))),
            "30002:four bytes/n/d;30006:" + long1023 + "//A;");
}

TEST_F(EdgeEventRegistryTest, ExportedReaderUsesTheMachineRegistryAndVendorKey) {
  const std::string reg = folder.Write("machine.reg",
                                       "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\VEXOIP\\Vantor\\EventAction\\EdgeEvent]\n"
                                       "\"EdgeEventCount\"=dword:1\n\n"
                                       "[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\VEXOIP\\Vantor\\EventAction\\EdgeEvent\\EdgeEvent0000]\n"
                                       "\"EventType\"=dword:7531\n" + Texts("Motion") + "\n");
  ReloadVxConfig(folder.Path());  // no vx_config.ini: the vendor key VEXOIP
  platform::Registry::Machine().UseFile(reg);
  const auto events = RetrieveSupportedEdgeEventListOfDPFromRegistry();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events.at(30001).EdgeEventKey, "Motion");
}

}  // namespace
