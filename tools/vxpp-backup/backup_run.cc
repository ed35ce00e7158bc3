#include "tools/vxpp-backup/backup_run.h"

#include <chrono>
#include <cstdio>

namespace {

CDateTime ToDateTime(const CalendarTime& t) {
  return CDateTime::FromFields(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

BackupSelection SelectionOf(const BackupOptions& options) {
  BackupSelection selection;
  if (options.cameras.empty()) selection.cameras.set();
  for (int number : options.cameras) selection.cameras.set(static_cast<size_t>(number - 1));
  // Cameras past the first 64 travel only in the list.
  for (size_t i = 64; i < selection.cameras.size(); ++i) {
    if (!selection.cameras.test(i)) continue;
    if (!selection.camerasList.empty()) selection.camerasList += ',';
    selection.camerasList += std::to_string(i);
  }
  selection.start = ToDateTime(options.from);
  selection.end = ToDateTime(options.to);
  return selection;
}

// "files 3/10, bytes 1048576/5242880" on one line of standard error,
// rewritten at most every quarter second and once at the end.
class ProgressLine {
 public:
  void Show(const CVXPPClient::BackupProgress& p) {
    const auto now = std::chrono::steady_clock::now();
    const bool last = p.filesDone == p.files;
    if (!last && now - m_shown < std::chrono::milliseconds(250)) return;
    m_shown = now;
    std::fprintf(stderr, "\rfiles %zu/%zu, bytes %llu/%llu", p.filesDone, p.files,
                 static_cast<unsigned long long>(p.bytesDone), static_cast<unsigned long long>(p.bytes));
    m_open = true;
  }
  void End() {
    if (m_open) std::fputc('\n', stderr);
    m_open = false;
  }

 private:
  std::chrono::steady_clock::time_point m_shown;
  bool m_open = false;
};

int Fail(const std::string& message) {
  std::fprintf(stderr, "vxpp-backup: %s\n", message.c_str());
  return kBackupExitFailed;
}

}  // namespace

int RunBackup(const BackupOptions& options, CVXPPClient& client) {
  const std::string url = "vxpp://" + options.host + "/";
  const std::string server = options.host + ":" + std::to_string(options.port);
  client.SetPort(static_cast<uint32_t>(options.port));
  uint32_t session = 0;
  LoginInfo info;
  UserPrivileges rights;
  const int login = client.UserLogin(url, options.login.first, options.login.second, "", true, false, session,
                                     info, rights);
  if (login != 0) return Fail("login to " + server + " as " + options.login.first + " failed (" +
                              std::to_string(login) + ")");
  const BackupSelection selection = SelectionOf(options);
  int status = 0;
  if (options.sizeOnly) {
    uint64_t total = 0;
    if (client.QueryRecSize(url, session, selection, total))
      std::printf("%llu\n", static_cast<unsigned long long>(total));
    else
      status = Fail("QUERYRECSIZE to " + server + " failed");
  } else {
    ProgressLine progress;
    client.SetBackupProgress([&](const CVXPPClient::BackupProgress& p) { progress.Show(p); });
    const bool copied = client.BackupInit(url, session, selection) && client.BackupBegin(url, session, options.folder);
    progress.End();
    if (!copied) status = Fail("backup from " + server + " into " + options.folder + " failed: " + client.BackupError());
    client.ResetAbort();
    client.BackupUninit(url, session);
  }
  client.UserLogout(url, session);
  return status;
}
