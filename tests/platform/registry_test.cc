#include "platform/registry.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "platform/code_page.h"
#include "platform/debug_output.h"
#include "platform/fault_injection_env.h"
#include "platform/mem_env.h"
#include "platform/paths.h"
#include "temp_folder.h"

namespace platform {
namespace {

const std::string kPath = "/install/registry.reg";

std::string Utf16(const std::string& utf8) { return ToUtf16LeBytes(utf8, kCodePageUtf8); }

std::string Fixture(const std::string& name) {
  const char* root = std::getenv("LOGVIEW_TEST_DATA");
  std::string bytes;
  EXPECT_TRUE(Env::Default()->ReadFile(JoinPath(root != nullptr ? root : LOGVIEW_TEST_DATA_DIR, "platform/" + name), &bytes));
  return bytes;
}

class RegistryTest : public testing::Test {
 protected:
  RegistryTest() : m_faults(&m_env), m_registry(kPath, &m_faults) {
    SetSystemCodePage(kCodePageUtf8);
    SetDebugSink([this](const std::string& line) { m_debug.push_back(line); });
  }
  ~RegistryTest() override {
    SetDebugSink(nullptr);
    SetSystemCodePage(0);
  }

  void Write(const std::string& bytes) {
    m_env.WriteFileAtomic(kPath, bytes);
    m_registry.Reload();
  }
  std::string File() {
    std::string bytes;
    m_env.ReadFile(kPath, &bytes);
    return bytes;
  }
  RegistryKey Key(const std::string& path) { return m_registry.OpenKey(path); }
  // The value as the caller receives it with a 1024-byte buffer.
  std::string Text(const std::string& path, const std::string& name) {
    RegValue value;
    return Key(path).QueryValue(name, 1024, &value) == kRegOk ? value.data : "<absent>";
  }
  uint32_t Dword(const std::string& path, const std::string& name) {
    uint32_t value = 0xDEAD;
    Key(path).QueryDword(name, &value);
    return value;
  }
  std::vector<std::string> SubKeys(const std::string& path) {
    std::vector<std::string> names;
    std::string name;
    while (Key(path).EnumSubKey(names.size(), &name)) names.push_back(name);
    return names;
  }

  MemEnv m_env;
  FaultInjectionEnv m_faults;
  Registry m_registry;
  std::vector<std::string> m_debug;
};

using std::string_literals::operator""s;

TEST_F(RegistryTest, ReadsRegeditExport) {
  Write(Fixture("machine_v5.reg"));
  const std::string video = "SOFTWARE\\VEXOIP\\Vantor\\Video";
  // The 32-bit view: WOW6432Node first, the native key where that has nothing.
  EXPECT_EQ(Dword("SOFTWARE\\VEXOIP", "LangID"), 9u);
  EXPECT_EQ(Key("Software").OpenSubKey("vexoip").OpenSubKey("NativeOnly").IsOpen(), true);
  EXPECT_EQ(Text("SOFTWARE\\VEXOIP\\NativeOnly", ""), "64-bit side\0"s);
  EXPECT_EQ(Dword("SOFTWARE\\WOW6432Node\\VEXOIP", "LangID"), 9u);
  EXPECT_FALSE(Key(video + "\\Audio").IsOpen());
  EXPECT_TRUE(Key(video).OpenSubKey("").IsOpen());

  EXPECT_EQ(SubKeys(video), (std::vector<std::string>{"Ch01", "IP5", "Other", "Ch02"}));
  EXPECT_EQ(Text(video + "\\Ch01", "Name"), "Entrance \"North\"\0"s);
  EXPECT_EQ(Dword(video + "\\Ch02", "DeviceID"), 12u);
  RegValue value;
  ASSERT_EQ(Key(video + "\\IP5").QueryValue("Name", 1024, &value), kRegOk);
  EXPECT_EQ(value.type, REG_EXPAND_SZ);
  EXPECT_EQ(value.data, "%SITE% Loading bay camera 5\0"s);  // never expanded
  EXPECT_EQ(Key(video + "\\IP5").QueryValue("Name", 27, &value), kRegMoreData);
  EXPECT_EQ(value.size, 28u);
  EXPECT_EQ(value.data, "");
  EXPECT_EQ(Key(video).QueryValue("NoSuchValue", 1024, &value), kRegNotFound);

  const std::string edge = "SOFTWARE\\VEXOIP\\Vantor\\EventAction\\EdgeEvent\\EdgeEvent0000";
  EXPECT_EQ(Text(edge, "EdgeEventDescription"), "\0"s);
  EXPECT_EQ(Dword(edge, "EdgeEventKey"), 0xDEADu);  // a string is no DWORD
  const std::string ivs = "SOFTWARE\\VEXOIP\\Vantor\\IVS";
  EXPECT_EQ(Text(ivs, "Rules"), "Tripwire\0Loitering\0\0"s);
  EXPECT_EQ(Text(ivs, "Blob").size(), 40u);
  EXPECT_EQ(Dword(ivs, "Quota"), 0xDEADu);

  SetSystemCodePage(1252);
  EXPECT_EQ(Text(video + "\\Ch02", "Name"), "Caf\xe9 Entr\xe9" "e\0"s);
  EXPECT_TRUE(m_debug.empty());
}

TEST_F(RegistryTest, ReadsRegedit4) {
  Write(Fixture("machine_regedit4.reg"));
  const std::string video = "SOFTWARE\\VEXOIP\\Vantor\\Video";
  EXPECT_EQ(Dword("SOFTWARE\\VEXOIP", "LangID"), 17u);
  EXPECT_EQ(Text("SOFTWARE\\VEXOIP", "Obsolete"), "<absent>");
  EXPECT_EQ(SubKeys(video), (std::vector<std::string>{"Ch01", "Ch02"}));
  EXPECT_EQ(Text(video + "\\Ch02", "Name"), "%ROOT%\\Yard camera, north-east corner\0"s);
  EXPECT_EQ(Dword(video + "\\Ch02", "DeviceID"), 8u);
}

TEST_F(RegistryTest, FaultyFileIsAnEmptyRegistry) {
  // A bad line is skipped and named; the rest of the file counts.
  std::string text = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\VEXOIP]\n\"Name\"=\"open\n\"LangID\"=dword:1\n";
  Write(text);
  EXPECT_EQ(Dword("SOFTWARE\\VEXOIP", "LangID"), 1u);
  ASSERT_EQ(m_debug.size(), 1u);
  EXPECT_NE(m_debug[0].find(kPath + " line 3"), std::string::npos) << m_debug[0];
  for (int i = 0; i < 30; ++i) text += "junk\n";
  m_debug.clear();
  Write(text);
  EXPECT_EQ(Dword("SOFTWARE\\VEXOIP", "LangID"), 1u);
  ASSERT_EQ(m_debug.size(), 21u);
  EXPECT_NE(m_debug[20].find("11 more lines skipped"), std::string::npos) << m_debug[20];

  m_debug.clear();
  Write("REGEDIT5\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\VEXOIP]\n");
  EXPECT_FALSE(Key("SOFTWARE").IsOpen());
  ASSERT_EQ(m_debug.size(), 1u);
  EXPECT_NE(m_debug[0].find(kPath + " line 1"), std::string::npos) << m_debug[0];

  m_debug.clear();
  Write(Fixture("machine_regedit4.reg"));
  m_faults.SetFailing(EnvOperation::kReadFile, true);
  m_registry.Reload();
  EXPECT_FALSE(Key("SOFTWARE").IsOpen());
  ASSERT_EQ(m_debug.size(), 1u);
  EXPECT_NE(m_debug[0].find(kPath), std::string::npos);

  m_debug.clear();
  m_registry.UseFile("/nowhere/registry.reg", &m_env);
  EXPECT_FALSE(Key("SOFTWARE").IsOpen());
  EXPECT_FALSE(Key("SOFTWARE").SetDword("LangID", 1));
  EXPECT_TRUE(m_debug.empty());
}

TEST_F(RegistryTest, SetDwordRewritesOneLine) {
  const std::string original = Fixture("machine_v5.reg");
  Write(original);
  const RegistryKey vendor = Key("SOFTWARE\\VEXOIP");
  ASSERT_TRUE(vendor.SetDword("LangID", 17));
  EXPECT_EQ(Dword("SOFTWARE\\VEXOIP", "LangID"), 17u);
  std::string expected = original;
  expected.replace(expected.find(Utf16("00000009")), 16, Utf16("00000011"));
  EXPECT_EQ(File(), expected);

  // A new value goes under its key, which is otherwise left alone.
  const std::string section = Utf16("\\Vantor]\r\n");
  ASSERT_TRUE(Key("SOFTWARE\\VEXOIP\\Vantor").SetDword("LangID", 5));
  expected.insert(expected.find(section) + section.size(), Utf16("\"LangID\"=dword:00000005\r\n"));
  EXPECT_EQ(File(), expected);
  EXPECT_EQ(Dword("SOFTWARE\\VEXOIP\\Vantor", "LangID"), 5u);

  // A failed write leaves file and registry as they were.
  m_faults.SetFailing(EnvOperation::kWriteFileAtomic, true);
  EXPECT_FALSE(vendor.SetDword("LangID", 1));
  EXPECT_EQ(m_faults.Calls(EnvOperation::kWriteFileAtomic), 3);
  EXPECT_EQ(File(), expected);
  EXPECT_EQ(Dword("SOFTWARE\\VEXOIP", "LangID"), 17u);

  // A key gone from the file is not made again.
  m_faults.SetFailing(EnvOperation::kWriteFileAtomic, false);
  Write("REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\n");
  EXPECT_FALSE(vendor.SetDword("LangID", 1));
  EXPECT_EQ(File(), "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\n");
}

TEST_F(RegistryTest, RefreshReadsAChangedFileOnly) {
  Write("REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\n\"V\"=dword:00000001\n");
  const int reads = m_faults.Calls(EnvOperation::kReadFile);
  m_registry.Refresh();
  EXPECT_EQ(m_faults.Calls(EnvOperation::kReadFile), reads);  // unchanged: not read again

  // Another program rewrites the file: seen after Refresh, not before.
  m_env.WriteFileAtomic(kPath, "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\n\"V\"=dword:00000002\n");
  EXPECT_EQ(Dword("SOFTWARE\\A", "V"), 1u);
  m_registry.Refresh();
  EXPECT_EQ(Dword("SOFTWARE\\A", "V"), 2u);

  // Its own rewrite is not a change to read again; a removed file is.
  ASSERT_TRUE(Key("SOFTWARE\\A").SetDword("V", 3));
  const int readsAfterSet = m_faults.Calls(EnvOperation::kReadFile);
  m_registry.Refresh();
  EXPECT_EQ(m_faults.Calls(EnvOperation::kReadFile), readsAfterSet);
  m_env.DeleteFile(kPath);
  m_registry.Refresh();
  EXPECT_EQ(SubKeys("SOFTWARE"), std::vector<std::string>{});
}

TEST_F(RegistryTest, ChoosesItsFile) {
  TempFolder folder;
  const std::string path = folder.File("registry.reg");
  ASSERT_TRUE(Env::Default()->WriteFileAtomic(path, Fixture("machine_regedit4.reg")));

  // $LOGVIEW_REGISTRY names the machine's file when no path is given.
  setenv("LOGVIEW_REGISTRY", path.c_str(), 1);
  Registry machine;
  EXPECT_EQ(machine.FilePath(), path);
  unsetenv("LOGVIEW_REGISTRY");
  EXPECT_EQ(machine.FilePath(), JoinPath(InstallFolder(), "registry.reg"));

  // The real disk is rewritten as the memory one is.
  machine.UseFile(path);
  const RegistryKey vendor = machine.OpenKey("SOFTWARE\\VEXOIP");
  uint32_t langId = 0;
  // The rewrite keeps the permission bits, whatever the umask.
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(vendor.SetDword("LangID", 30));
  struct stat st{};
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  Registry reread(path);
  EXPECT_TRUE(reread.OpenKey("SOFTWARE\\VEXOIP").QueryDword("LangID", &langId));
  EXPECT_EQ(langId, 30u);
  // An open key follows its registry to a new file, staying the key it was
  // found at (here the native one, though the new file has a 32-bit one).
  Write(Fixture("machine_v5.reg"));
  machine.UseFile(kPath, &m_env);
  EXPECT_TRUE(vendor.QueryDword("LangID", &langId));
  EXPECT_EQ(langId, 1u);
}

}  // namespace
}  // namespace platform
