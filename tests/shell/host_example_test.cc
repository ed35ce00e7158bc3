// An example host that loads liblogview.so at run time, looks every exported
// function up by name and calls it.  It chooses the installation and the
// registry file through $LOGVIEW_INSTALL and $LOGVIEW_REGISTRY, and brings its own window layer (CWnd, a message queue) and nothing else.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "logview/logview.h"
#include "platform/message_queue.h"
#include "shell/exported_symbols.h"
#include "shell/log_viewer_app.h"

namespace {

class HostWindow : public platform::CWnd {
 public:
  HostWindow() : platform::CWnd(&m_queue) {}

 private:
  platform::MessageQueue m_queue;
};

class HostExampleTest : public ::testing::Test {
 protected:
  // The library stays mapped until the process ends: one load per process.
  static void SetUpTestSuite() {
    char pattern[] = "/tmp/host_exampleXXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    s_root = pattern;
    std::ofstream(s_root + "/vx_config.ini") << "[SETUP]\nDEVELOPER_TYPE=ACME\n";
    std::ofstream(s_root + "/registry.reg", std::ios::binary)
        << "Windows Registry Editor Version 5.00\r\n\r\n"
           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ACME\\Vantor\\Video\\Ch01]\r\n"
           "\"Name\"=\"Gate\"\r\n\"DeviceID\"=dword:00000004\r\n";
    s_library = dlopen(LOGVIEW_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(s_library, nullptr) << dlerror();
    // Loading read nothing, so the installation may still be chosen now.
    setenv("LOGVIEW_INSTALL", s_root.c_str(), 1);
    setenv("LOGVIEW_REGISTRY", (s_root + "/registry.reg").c_str(), 1);
  }
  static void TearDownTestSuite() {
    if (s_library != nullptr) dlclose(s_library);
    std::filesystem::remove_all(s_root);
  }

  template <typename F>
  static F* Lookup(const char* function) {
    for (const auto& exported : kExportedSymbols)
      if (std::strcmp(exported.function, function) == 0)
        return reinterpret_cast<F*>(dlsym(s_library, exported.symbol));
    return nullptr;
  }

  // The library's application object, to see what the calls did; null
  // before the first exported call.
  static CLogViewerApp* AppOrNull() {
    auto* get = reinterpret_cast<CLogViewerApp* (*)()>(dlsym(s_library, "_Z18AfxGetLogViewerAppv"));
    return get();
  }
  static CLogViewerApp& App() { return *AppOrNull(); }

  static std::string RegistryText() {
    std::stringstream registry;
    registry << std::ifstream(s_root + "/registry.reg").rdbuf();
    return registry.str();
  }

  static inline std::string s_root;
  static inline void* s_library = nullptr;
};

#define LOOKUP(name) Lookup<decltype(name)>(#name)

TEST_F(HostExampleTest, CallsEveryExportedFunction) {
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

  // Loading made no application object and wrote no language number.
  EXPECT_EQ(AppOrNull(), nullptr);
  EXPECT_EQ(RegistryText().find("LangID"), std::string::npos);

  HostWindow host;
  CUserAccount user("operator", {{4, 1}});
  // Without the library's code at link time, the host builds times from ticks.
  const CDateTime start(CDateTime::kValid, 155000 * CDateTime::kTicksPerDay);
  const CDateTime end = start + CDateTime::kTicksPerDay;

  // The first call starts the viewer on the installation chosen after
  // loading: the language number goes into the chosen registry file under
  // the configured vendor key.
  setCameras(VxBitset<128>().set(0));  // no window yet
  EXPECT_NE(RegistryText().find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\ACME]\r\n\"LangID\"=dword:00000009"),
            std::string::npos);
  EXPECT_EQ(App().languageNumber, 9u);
  // Hidden and modal shows are tested on the viewer itself (viewer_test.cc).
  show(&host, 1, 1, 0, 0, 1, 0, 0, 0, 0, 5160, "", 0, {EPOS_Setting{}}, &user, 0, 1, 1, 0, 0);
  CLogViewerDlg& viewer = App().Dialog();
  EXPECT_TRUE(viewer.IsVisible());
  EXPECT_EQ(viewer.TabCtrl().GetItemCount(), 3);  // system, events, metadata
  EXPECT_EQ(viewer.CameraNames(), std::vector<std::string>{"Gate"});
  EXPECT_EQ(viewer.PosSettings().size(), 1u);

  setTime(start, end);
  setTimeAndSearch(start, end + 1, VxBitset<128>().set(1));
  setCameras(VxBitset<128>().set(2));

  EventLogStatus events;
  events.signalLost = 0;
  enableEvents(events);
  enableSystem(SystemLogStatus{});
  setRemote(true);
  EXPECT_EQ(App().eventLogStatus.signalLost, 0);
  EXPECT_TRUE(App().remoteMode);
  resetLanguage(1031, "lang/");
  EXPECT_EQ(App().languageNumber, 1031u);
  // The shown viewer takes Enter (its page's Search) and leaves Tab to the host.
  platform::MSG msg{&host, 0x0100, 13, 0};
  EXPECT_EQ(filter(&msg), 1);
  msg.wParam = 9;
  EXPECT_EQ(filter(&msg), 0);

  reset();
  show(&host, 0, 0, 1, 1, 0, 0, 0, 0, 0, 5160, "", 0, {}, nullptr, 2, 1, 1, 1, 0);
  EXPECT_EQ(App().Dialog().TabCtrl().GetItemCount(), 2);  // the counting list and its diagram
  EXPECT_EQ(App().Dialog().CameraNames().size(), 2u);
}

}  // namespace
