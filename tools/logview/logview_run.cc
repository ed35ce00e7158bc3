#include "tools/logview/logview_run.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include "config/initial_file.h"
#include "config/pos_settings_ini.h"
#include "logview/logview.h"
#include "pages/common/search_log_page.h"
#include "platform/debug_output.h"
#include "protocol/login_info.h"
#include "protocol/result_codes.h"
#include "protocol/vxpp_client.h"
#include "shell/log_viewer_app.h"
#include "tools/logview/logview_host.h"
#include "tools/logview/page_driver.h"
#include "tools/logview/timeline_driver.h"

namespace {

CDateTime ToDateTime(const LogviewDateTime& t) {
  return CDateTime::FromFields(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

// The limits of the run's server commands: --command-limit as the ceiling.
vxpp::TransferLimits CommandLimits(const LogviewOptions& options) {
  vxpp::TransferLimits limits;
  if (options.commandLimitSeconds) limits.commandCeilingMs = *options.commandLimitSeconds * 1000;
  return limits;
}

// Why a server command failed ("[VXPP] EVENTLOG: ...") goes to standard
// error beside the page's own report; other debug lines only with
// $LOGVIEW_DEBUG, as ever.
class ServerFailureLines {
 public:
  ServerFailureLines() {
    platform::SetDebugSink([](const std::string& line) {
      if (line.rfind("[VXPP] ", 0) == 0 || std::getenv("LOGVIEW_DEBUG") != nullptr)
        std::fprintf(stderr, "%s\n", line.c_str());
    });
  }
  ~ServerFailureLines() { platform::SetDebugSink(nullptr); }
  ServerFailureLines(const ServerFailureLines&) = delete;
  ServerFailureLines& operator=(const ServerFailureLines&) = delete;
};

// A login on the server for the run: made first, ended last.
class ServerLogin {
 public:
  ServerLogin(const std::string& host, int port, const vxpp::TransferLimits& limits) : m_url("vxpp://" + host + "/") {
    m_client.SetPort(static_cast<uint32_t>(port));
    m_client.SetTransferLimits(limits);
  }
  ~ServerLogin() {
    if (m_loggedIn) m_client.UserLogout(m_url, m_session);
  }
  int LogIn(const std::string& user, const std::string& password) {
    LoginInfo info;
    UserPrivileges privileges;
    const int result = m_client.UserLogin(m_url, user, password, "", false, false, m_session, info, privileges);
    m_loggedIn = result == vxpp::kLoginSuccess;
    return result;
  }
  uint32_t Session() const { return m_session; }

 private:
  CVXPPClient m_client;
  const std::string m_url;
  uint32_t m_session = 0;
  bool m_loggedIn = false;
};

// The sources of a --pos-settings file.
bool ReadPosSettings(const std::string& path, std::vector<EPOS_Setting>* settings) {
  CInitialFile ini;
  if (!ini.Load(path)) return false;
  *settings = PosSettingsFromIni(ini);
  return true;
}

// The switches with the given values in field order; fields without a value keep theirs.
template <class Status, size_t N>
Status SwitchesFrom(const std::vector<int32_t>& values, const std::array<int32_t Status::*, N>& fields) {
  Status status;
  for (size_t i = 0; i < values.size() && i < N; ++i) status.*fields[i] = values[i];
  return status;
}

class Run {
 public:
  Run(const LogviewOptions& options, ListTaker taker)
      : m_o(options), m_taker(std::move(taker)), m_host(options.playable, stderr) {}

  int Main() {
    std::vector<EPOS_Setting> posSettings;
    if (m_o.posSettings && !ReadPosSettings(*m_o.posSettings, &posSettings))
      return Usage("--pos-settings: cannot read " + *m_o.posSettings);
    ApplyViewerFunctions();
    InstallServices();

    uint32_t session = static_cast<uint32_t>(m_o.session);
    std::optional<ServerLogin> login;
    if (m_o.login) {
      login.emplace(*m_o.serverHost, m_o.serverPort, CommandLimits(m_o));
      const int result = login->LogIn(m_o.login->first, m_o.login->second);
      if (result != vxpp::kLoginSuccess) {
        std::fprintf(stderr, "login: %d\n", result);
        return kExitSearchFailed;
      }
      session = login->Session();
    }

    std::unique_ptr<CUserAccount> account;
    if (m_o.user || !m_o.rights.empty()) {
      account = std::make_unique<CUserAccount>(m_o.user.value_or(""));
      // The command line gives one word per number, for the camera and the
      // metadata source of that number alike.
      for (const auto& [id, word] : m_o.rights) {
        account->SetCameraRights(id, word);
        account->SetSourceRights(id, word);
      }
    }

    // The timeline works every page that lists records by time.
    const bool timeline = m_o.page == "timeline";
    const bool events = m_o.page == "events" || timeline;
    const bool system = m_o.page == "system" || timeline;
    const bool counting = m_o.page == "counting";
    const bool diagram = m_o.page == "diagram";
    const bool metadata = m_o.page == "metadata" || timeline;
    const bool backup = m_o.page == "backup" || timeline;
    const bool ivs = m_o.page == "ivs" || timeline;
    const bool edge = m_o.page == "edge" || timeline;
    int status = kExitUsage;
    bool driven = false;
    const auto drive = [&](CLogViewerDlg& dialog) {
      driven = true;
      // The modal viewer shows the diagram after the counting page.
      if (diagram) dialog.TabCtrl().SelectPage(dialog.TabCtrl().GetItemCount() - 1);
      CTabPageEx* page = dialog.TabCtrl().GetCurrentPage();
      if (page == nullptr) {
        status = Usage("the viewer shows no " + m_o.page + " page with these options");
        return;
      }
      status = timeline ? TimelineDriver(m_o, m_host, stdout, stderr).Run(dialog)
                        : PageDriver(m_o, m_host, stdout, stderr, m_taker).Run(*page);
    };
    if (m_o.modal) CLogViewerDlg::SetModalLoop([&](CLogViewerDlg& dialog) { drive(dialog); });
    // The modeless viewer's diagram tab follows its own switch, the modal one's the counting switch.
    ShowLogViewerDlg(&m_host, events, system, counting || (diagram && m_o.modal), diagram, metadata, backup, ivs, edge,
                     m_o.serverHost ? 1 : 0, m_o.serverPort,
                     m_o.serverHost.value_or(m_o.root), session, std::move(posSettings), account.get(),
                     m_o.genericCameras.value_or(0), m_o.modal ? 0 : 1, 1, m_o.genericCameras ? 1 : 0,
                     m_o.nvr ? 1 : 0);
    if (!m_o.modal) {
      if (m_o.cameras) {
        VxBitset<128> cameras;
        for (const int index : *m_o.cameras) cameras.set(static_cast<size_t>(index));
        SetCameras(cameras);
      }
      if (m_o.window) SetLogDateTime(ToDateTime(m_o.window->first), ToDateTime(m_o.window->second));
      drive(TheLogViewerApp().Dialog());
    }
    CLogViewerDlg::SetModalLoop(nullptr);
    m_host.DeliverPosted();
    if (!driven) return Usage("the viewer did not show the " + m_o.page + " page");
    return status;
  }

 private:
  int Usage(const std::string& why) {
    std::fprintf(stderr, "logview: %s\n", why.c_str());
    return kExitUsage;
  }

  // The host's answers to the viewer's boxes and save dialog: --export is
  // the path chosen, --export-xlsx that of a workbook.
  void InstallServices() {
    ViewerServices services;
    services.askUser = [this](const std::string& text, const std::string& caption, unsigned style) {
      return m_host.AskUser(text, caption, style);
    };
    services.searchFailed = [this](const std::string& reason) { m_host.NoteFailureReason(reason); };
    services.chooseSavePath = [this](const std::string&, const std::string& extension) {
      return extension == CSearchLogPage::kWorkbookExtension ? m_o.workbookPath : m_o.exportPath;
    };
    if (m_o.commandLimitSeconds)
      services.makeClient = [this]() -> std::unique_ptr<IVXPPClient> {
        auto client = std::make_unique<CVXPPClient>();
        client->SetTransferLimits(CommandLimits(m_o));
        if (m_o.nvr) client->SetNvr();  // as the viewer's own clients in nvrMode
        return client;
      };
    TheLogViewerApp().SetServices(std::move(services));
  }

  // The exported functions that come before the page is built.
  void ApplyViewerFunctions() {
    if (m_o.lang || m_o.langFolder) {
      const unsigned long number = m_o.lang.value_or(TheLogViewerApp().languageNumber);
      ResetLogViewerLanguage(number, m_o.langFolder ? m_o.langFolder->c_str() : nullptr);
    }
    if (m_o.remoteMode) SetRemoteMode(true);
    if (m_o.eventSwitches) EnableEventLog(SwitchesFrom(*m_o.eventSwitches, kEventLogStatusFields));
    if (m_o.systemSwitches) EnableSystemLog(SwitchesFrom(*m_o.systemSwitches, kSystemLogStatusFields));
  }

  const LogviewOptions& m_o;
  const ListTaker m_taker;
  LogviewHost m_host;
  ServerFailureLines m_failureLines;
};

}  // namespace

int RunLogview(const LogviewOptions& options, ListTaker taker) { return Run(options, std::move(taker)).Main(); }
