// A temporary installation and a client aimed at a server of it; the
// server runs in-process on a free port of 127.0.0.1 and is stopped by the
// fixture.  A demo installation can also be written, for one test or for a
// whole suite.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/paths.h"
#include "protocol/vxpp_client.h"
#include "store/log_root_folder.h"
#include "tools/logview-demo/demo_installation.h"
#include "tools/vxpp-server/service.h"

constexpr const char kTestSettings[] =
    "[Server]\nType=Vantor\nVersion=3,2,0,1\nCodePageCap=65001\nVxppVersion=2.0\nSessionIdleSeconds=600\n"
    "Handshake=1\nMaxDurationDay=45\nRemoteLoginTimeout=30\n"
    "[Access]\nEnabled=1\nPeriod=14\n"
    "[Functions]\nSupportPOS=1\nSupportIVS=0\n"
    "[Cameras]\nChannel-Numbers=1,2\nCamera-Names=Gate;Hall\nCamera-ID=11;12\n"
    "[FailoverHistory]\nServer=10.0.0.2\nServer=10.0.0.3\n"
    "[FailoverTokens]\n10.0.0.2=tok-a\n"
    "[Failover]\nOnGuardServicePort=5180\n";

constexpr const char kTestUsers[] =
    "[admin]\nPassword=admin\nPrivilege=18446744073709551615\nAllowPOS=1\nAllowIVS=1\n"
    "AllowRemotePlaybackChannels=8\n"
    "[operator]\nPassword=op\nPrivilege=5\nAllowPOS=0\n"
    "[guard]\nPassword=g1\nDualPassword=g2\nPrivilege=1\n";

class ServerFixture : public ::testing::Test {
 protected:
  ServerFixture() {
    char pattern[] = "/tmp/vxpp-server-test-XXXXXX";
    m_folder = mkdtemp(pattern);
    WriteFile("vxpp-server.ini", kTestSettings);
    WriteFile("vxpp-users.ini", kTestUsers);
  }
  ~ServerFixture() override {
    StopServer();
    std::filesystem::remove_all(m_folder);
  }

  void WriteFile(const std::string& name, const std::string& text) {
    std::ofstream(m_folder + "/" + name, std::ios::binary) << text;
  }

  // Loads the installation (after `adjust` changed its settings) and runs it.
  void StartServer(const std::function<void(vxpp_server::ServerSettings&)>& adjust = {}) {
    StartServerOn(m_folder, adjust);
  }
  void StartServerOn(const std::string& folder, const std::function<void(vxpp_server::ServerSettings&)>& adjust = {}) {
    vxpp_server::ServerSettings settings;
    ASSERT_TRUE(settings.Load(folder));
    if (adjust) adjust(settings);
    vxpp_server::UserStore users;
    ASSERT_TRUE(users.Load(folder));
    Run(std::make_unique<vxpp_server::Service>(folder, settings, users));
  }
  void Run(std::unique_ptr<vxpp_server::Service> service) {
    m_service = std::move(service);
    vxpp_server::ServerOptions options;
    options.port = 0;
    options.log = [this](const std::string& line) {
      std::lock_guard<std::mutex> lock(m_logMutex);
      m_log.push_back(line);
    };
    std::string error;
    ASSERT_TRUE(m_service->Start(options, &error)) << error;
    m_thread = std::thread([this] { m_service->Run(); });
    m_client.SetPort(m_service->Port());
  }
  void StopServer() {
    if (!m_service) return;
    m_service->Stop();
    m_thread.join();
    m_service.reset();
  }

  int Login(const std::string& user, const std::string& password, uint32_t key = 0, const std::string& dual = "") {
    m_info = LoginInfo();
    m_info.handshakeKey = key;
    return m_client.UserLogin(kUrl, user, password, dual, false, !dual.empty(), m_session, m_info, m_privileges);
  }
  std::vector<std::string> LogLines() {
    std::lock_guard<std::mutex> lock(m_logMutex);
    return m_log;
  }

  // Writes a demo installation of `demo`'s shape into `folder` and makes it
  // the viewer's installation.
  static void WriteDemoSite(DemoOptions demo, const std::string& folder) {
    demo.folder = folder;
    std::string problems;
    ASSERT_TRUE(WriteDemoInstallation(demo, [](const std::string&) {}, &problems)) << problems;
    platform::SetInstallFolder(folder);
    ResetRecordFileMarker();
  }
  // A demo installation of `days` days of `eventsPerDay` events up to
  // `endDate`, the same way into s_site, a fresh temporary folder that the
  // tests of a suite share: call from SetUpTestSuite, and RemoveSuiteSite
  // from TearDownTestSuite.
  static void WriteSuiteSite(int days, int eventsPerDay, const CDateTime& endDate) {
    char pattern[] = "/tmp/vxpp-suite-site-XXXXXX";
    s_site = std::string(mkdtemp(pattern)) + "/site";
    DemoOptions demo;
    demo.days = days;
    demo.eventsPerDay = eventsPerDay;
    demo.endDate = endDate;
    WriteDemoSite(demo, s_site);
  }
  static void RemoveSuiteSite() { std::filesystem::remove_all(std::filesystem::path(s_site).parent_path()); }

  static constexpr const char* kUrl = "vxpp://127.0.0.1/";
  static inline std::string s_site;
  std::string m_folder;
  std::unique_ptr<vxpp_server::Service> m_service;
  std::thread m_thread;
  std::mutex m_logMutex;
  std::vector<std::string> m_log;
  CVXPPClient m_client;
  uint32_t m_session = 0;
  LoginInfo m_info;
  UserPrivileges m_privileges;
};
