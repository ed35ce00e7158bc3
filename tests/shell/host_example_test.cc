// An example host: it loads liblogview.so at run time, the way a host that
// does not link the library finds the viewer, looks every exported function
// up by name and drives the viewer through them.  The installation and the
// registry file are chosen before loading, through $LOGVIEW_INSTALL and
// $LOGVIEW_REGISTRY.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "logview/logview.h"
#include "platform/message_queue.h"
#include "shell/exported_symbols.h"
#include "shell/log_viewer_app.h"

namespace {

class HostWindow : public CWnd {
 public:
  HostWindow() : CWnd(&m_queue) {}

 private:
  platform::MessageQueue m_queue;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class HostExampleTest : public ::testing::Test {
 protected:
  // One load per process: the library stays mapped until the process ends.
  static void SetUpTestSuite() {
    char pattern[] = "/tmp/host_exampleXXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    s_root = pattern;
    std::ofstream(s_root + "/vx_config.ini") << "[SETUP]\nDEVELOPER_TYPE=ACME\n";
    std::ofstream(s_root + "/registry.reg", std::ios::binary)
        << "Windows Registry Editor Version 5.00\r\n\r\n"
           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ACME\\Vantor\\Video\\Ch01]\r\n"
           "\"Name\"=\"Gate\"\r\n\"DeviceID\"=dword:00000004\r\n";
    setenv("LOGVIEW_INSTALL", s_root.c_str(), 1);
    setenv("LOGVIEW_REGISTRY", (s_root + "/registry.reg").c_str(), 1);
    s_library = dlopen(LOGVIEW_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(s_library, nullptr) << dlerror();
  }
  static void TearDownTestSuite() {
    if (s_library != nullptr) dlclose(s_library);
    unsetenv("LOGVIEW_INSTALL");
    unsetenv("LOGVIEW_REGISTRY");
    std::filesystem::remove_all(s_root);
  }

  template <typename F>
  static F* Lookup(const char* function) {
    for (const auto& exported : kExportedSymbols)
      if (std::strcmp(exported.function, function) == 0)
        return reinterpret_cast<F*>(dlsym(s_library, exported.symbol));
    return nullptr;
  }

  // The library's application object, for checking what the calls did.
  static CLogViewerApp* App() {
    auto* get = reinterpret_cast<CLogViewerApp* (*)()>(dlsym(s_library, "_Z18AfxGetLogViewerAppv"));
    return get != nullptr ? get() : nullptr;
  }

  static inline std::string s_root;
  static inline void* s_library = nullptr;
};

#define LOOKUP(name) Lookup<decltype(name)>(#name)

TEST_F(HostExampleTest, LoadingStartsTheViewerOnTheChosenInstallation) {
  ASSERT_NE(App(), nullptr);
  EXPECT_EQ(App()->languageNumber, 9u);
  EXPECT_FALSE(App()->IsCreated());
  // The language number went back into the chosen registry file, under the
  // vendor key of the chosen installation's configuration.
  const std::string registry = ReadFile(s_root + "/registry.reg");
  EXPECT_NE(registry.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\ACME]"), std::string::npos);
  EXPECT_NE(registry.find("\"LangID\"=dword:00000009"), std::string::npos);
}

TEST_F(HostExampleTest, EveryExportedFunction) {
  for (const auto& exported : kExportedSymbols)
    EXPECT_NE(dlsym(s_library, exported.symbol), nullptr) << exported.function;

  auto* show = LOOKUP(ShowLogViewerDlg);
  auto* setCameras = LOOKUP(SetCameras);
  auto* setTime = LOOKUP(SetLogDateTime);
  auto* setTimeAndSearch = LOOKUP(SetLogDateTimeAndSearch);
  auto* enableEvents = LOOKUP(EnableEventLog);
  auto* enableSystem = LOOKUP(EnableSystemLog);
  auto* setRemote = LOOKUP(SetRemoteMode);
  auto* reset = LOOKUP(ResetLogViewerInstance);
  auto* resetLanguage = LOOKUP(ResetLogViewerLanguage);
  auto* filter = LOOKUP(FilterDllMsg);
  ASSERT_TRUE(show && setCameras && setTime && setTimeAndSearch && enableEvents && enableSystem &&
              setRemote && reset && resetLanguage && filter);

  HostWindow host;
  CUserAccount user("operator", {{4, 1}});
  VxBitset<128> cameras;
  cameras.set(0);
  // A host without the library's code at link time builds times from ticks.
  const CDateTime start(CDateTime::kValid, 155000 * CDateTime::kTicksPerDay);
  const CDateTime end = start + CDateTime::kTicksPerDay - CDateTime::kTicksPerSecond;

  setCameras(cameras);  // no window yet: nothing happens
  show(&host, 1, 1, 0, 0, 1, 0, 0, 0, 0, 5160, "", 0, {EPOS_Setting{}}, &user, 0,
       /*modeless=*/1, /*show=*/0, 0, 0);
  CLogViewerDlg& viewer = App()->Dialog();
  EXPECT_TRUE(App()->IsCreated());
  EXPECT_FALSE(viewer.IsVisible());
  EXPECT_FALSE(viewer.CameraSet().any());
  EXPECT_TRUE(viewer.CameraNames().empty());

  show(&host, 1, 1, 0, 0, 1, 0, 0, 0, 0, 5160, "", 0, {EPOS_Setting{}}, &user, 0, 1, 1, 0, 0);
  EXPECT_TRUE(viewer.IsVisible());
  EXPECT_EQ(viewer.HostWindow(), &host);
  EXPECT_EQ(viewer.Settings().userAccount, &user);
  ASSERT_EQ(viewer.CameraNames().size(), 1u);
  EXPECT_EQ(viewer.CameraNames()[0], "Gate");
  EXPECT_EQ(viewer.CameraIds()[0], 4u);
  ASSERT_EQ(viewer.PosSettings().size(), 1u);
  ASSERT_EQ(viewer.Tabs().size(), 3u);
  EXPECT_EQ(viewer.Tabs()[0].titleString, 3);
  EXPECT_EQ(viewer.Tabs()[1].titleString, 2);
  EXPECT_EQ(viewer.Tabs()[2].titleString, 56);

  setCameras(cameras);
  EXPECT_EQ(viewer.CameraSet(), cameras);
  setTime(start, end);
  EXPECT_EQ(viewer.HostEnd(), end);
  cameras.set(1);
  setTimeAndSearch(start, start + CDateTime::kTicksPerSecond, cameras);
  EXPECT_EQ(viewer.CameraSet(), cameras);

  EventLogStatus events;
  events.signalLost = 0;
  enableEvents(events);
  SystemLogStatus system;
  system.eMap = 0;
  enableSystem(system);
  setRemote(true);
  EXPECT_EQ(App()->eventLogStatus.signalLost, 0);
  EXPECT_EQ(App()->eventLogStatus.compoundEvent, 1);
  EXPECT_EQ(App()->systemLogStatus.eMap, 0);
  EXPECT_TRUE(App()->remoteMode);

  resetLanguage(1031, "lang/");
  EXPECT_EQ(App()->languageNumber, 1031u);
  MSG msg{&host, 0x0100, 13, 0};
  EXPECT_EQ(filter(&msg), 0);

  // A modal viewer runs (and, with nothing to draw it on, ends) without
  // touching the modeless one.
  show(&host, 0, 0, 1, 0, 0, 0, 0, 0, 0, 5160, "", 0, {}, nullptr, 2, 0, 1, 1, 0);
  EXPECT_EQ(viewer.Tabs().size(), 3u);

  reset();
  show(&host, 0, 0, 1, 1, 0, 0, 0, 0, 0, 5160, "", 0, {}, nullptr, 2, 1, 1, 1, 0);
  CLogViewerDlg& replaced = App()->Dialog();
  EXPECT_FALSE(replaced.CameraSet().any());
  ASSERT_EQ(replaced.Tabs().size(), 2u);
  EXPECT_EQ(replaced.CameraNames()[1], "Camera 2");
}

}  // namespace
