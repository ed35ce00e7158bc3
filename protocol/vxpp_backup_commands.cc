// The backup commands of CVXPPClient: opening a backup (BACKUPINIT,
// BACKUPINIT2), copying its files (BACKUPBEGIN, one exchange per file),
// closing it (BACKUPUNINIT), the size of a range (QUERYRECSIZE) and deleting
// recordings (DELETEFILERECORD).  Progress and failures go to the logger
// "VXPPBackup".  The bodies are laid out in protocol/backup_file_list.h.
#include <algorithm>

#include "protocol/format_text.h"
#include "protocol/header_reader.h"
#include "protocol/logger_mgr.h"
#include "protocol/vxpp_client.h"

namespace {

constexpr const char* kVersion2 = "VXPP/2.0";
// BACKUPINIT, BACKUPINIT2 and BACKUPBEGIN wait once, up to 60 s, for the
// server to gather a list or a database copy; the others as most commands.
constexpr vxpp::AnswerShape kBackupAnswer{kVersion2, nullptr, CVXPPClient::kHeaderTimeoutMs, true,
                                          CVXPPClient::kBackupAnswerWaitMs};
constexpr vxpp::AnswerShape kAwaitedAnswer{kVersion2, nullptr, CVXPPClient::kHeaderTimeoutMs, true};
constexpr vxpp::AnswerShape kAnswerAtOnce{kVersion2, nullptr, CVXPPClient::kHeaderTimeoutMs, false};

CLogger& BackupLog() { return LoggerMgr::Instance().GetLogger("VXPPBackup"); }

unsigned long long CameraWord(const BackupSelection& selection) { return FirstCameraWord(selection.cameras); }

// The lines both openings share, after "User-Session-No".
std::string SelectionLines(const BackupSelection& s) {
  return vxpp::FormatText(
      "Include-Exe-Files: %s\r\nSelected-Cameras: %llu\r\nSelected-Cameras-List: %s\r\nStart-Date-Time: %s\r\n"
      "End-Date-Time: %s\r\nInclude-EventLog: %d\r\nInclude-CounterLog: %d\r\nInclude-SystemLog: %d\r\n"
      "Include-PosRecord: %d\r\nInclude-IVSCounterLog: %d\r\nInclude-IVSEventLog: %d\r\n"
      "Include-IVSDisplayRecord: %d\r\nSupportMetadata: 1\r\n",
      s.includeExeFiles ? "YES" : "NO", CameraWord(s), s.camerasList.c_str(), s.start.FormatWire().c_str(),
      s.end.FormatWire().c_str(), s.includeEventLog, s.includeCounterLog, s.includeSystemLog, s.includePosRecord,
      s.includeIVSCounterLog, s.includeIVSEventLog, s.includeIVSDisplayRecord);
}

// The fail-over lines, the loopback names replaced by this machine's IPv4
// address (the recording server must reach the fail-over server, and
// "localhost" would be itself).  False, logged, when the address cannot be had.
bool FailoverLines(vxpp::SocketApi* api, const BackupSelection& s, std::string* lines) {
  lines->clear();
  if (s.failoverLoginServer.empty()) return true;
  std::string server = s.failoverLoginServer;
  if (server == "127.0.0.1" || server == "localhost") {
    std::string name;
    if (const int error = api->LocalHostName(&name); error != 0) {
      BackupLog().Printf("VXPPBackupInit gethostname() iWSAErr = %d", error);
      return false;
    }
    uint32_t address = 0;
    if (const int error = api->ResolveIPv4(name, &address); error != 0) {
      BackupLog().Printf("VXPPBackupInit gethostbyname() iWSAErr = %d", error);
      return false;
    }
    if (address == 0) {
      BackupLog().Printf("VXPPBackupInit pHost->h_length = %d", 0);
      return false;
    }
    const auto* b = reinterpret_cast<const unsigned char*>(&address);  // network byte order
    server = vxpp::FormatText("%d.%d.%d.%d", b[0], b[1], b[2], b[3]);
  }
  *lines = vxpp::FormatText("Failover-Login-Server: %s\r\nOn-Guard-Service-Port: %d\r\n", server.c_str(),
                            s.onGuardServicePort);
  return true;
}

}  // namespace

bool CVXPPClient::FailBackup(const std::string& why) {
  m_backupError = why;
  BackupLog().Write(why);
  return false;
}

bool CVXPPClient::BackupInitExchange(const char* word, const std::string& url, uint32_t session,
                                     const BackupSelection& selection, const std::string& more) {
  m_backupFiles.clear();
  m_backupError.clear();
  if (selection.start.IsValid()) m_referenceTime = selection.start;
  std::string body;
  int32_t length = 0;
  const Answer answer = m_exchange.Exchange(
      url, kBackupAnswer,
      [&](int cseq) {
        return vxpp::SessionRequest(word, url, kVersion2, cseq, session,
                                    SelectionLines(selection) + more + TimeSequenceLines());
      },
      {},
      [&](CNetHelper& net, const std::string& headers) {
        vxpp::HeaderInt(headers, "Content-Length:", &length);
        if (length >= 1) vxpp::ReceiveSized(net, headers, "Content-Length:", &body);
      });
  if (answer.outcome == Outcome::kNoConnection) return FailBackup("VXPP socket failed");
  if (answer.outcome == Outcome::kTransportFailure) return FailBackup(std::string(word) + ": " + answer.failure);
  if (!answer.Ok()) return FailBackup(vxpp::FormatText("%s: server answered %d", word, answer.status));
  if (length < 1) return FailBackup(vxpp::FormatText("VXPPBackupInit iLength = %d", length));
  if (!vxpp::DecodeBackupFileList(body, &m_backupFiles))
    return FailBackup(std::string(word) + ": the file list cannot be read");
  return true;
}

bool CVXPPClient::BackupInit(const std::string& url, uint32_t session, const BackupSelection& selection) {
  std::string failover;
  if (!FailoverLines(m_exchange.Api(), selection, &failover)) return false;
  return BackupInitExchange("BACKUPINIT", url, session, selection,
                            vxpp::FormatText("Is-Auto-Backup: %d\r\nFirst-Backup-In-Auto-Backup: %d\r\n"
                                             "Selected-Record-Index: %d\r\n%s",
                                             selection.isAutoBackup, selection.firstBackupInAutoBackup,
                                             selection.selectedRecordIndex, failover.c_str()));
}

bool CVXPPClient::BackupInit2(const std::string& url, uint32_t session, const BackupSelection& selection) {
  // A BACKUPINIT2 is always a backup a user starts: no automatic-backup lines.
  std::string failover;
  if (!FailoverLines(m_exchange.Api(), selection, &failover)) return false;
  return BackupInitExchange(
      "BACKUPINIT2", url, session, selection,
      vxpp::FormatText("Selected-Record-Index: %d\r\n%s", selection.selectedRecordIndex, failover.c_str()));
}

bool CVXPPClient::BackupFileExchange(const std::string& url, uint32_t session, size_t index,
                                     vxpp::CBackupCopy& copy, BackupProgress& progress) {
  const vxpp::BackupFile& file = m_backupFiles[index];
  std::string diskError;
  const Answer answer = m_exchange.Exchange(
      url, kBackupAnswer,
      [&](int cseq) {
        return vxpp::SessionRequest("BACKUPBEGIN", url, kVersion2, cseq, session,
                                    vxpp::FormatText("Privacy-Mask: 1\r\nFile-Fullpath: %s\r\n", file.path.c_str()));
      },
      {},
      [&](CNetHelper& net, const std::string& headers) {
        uint64_t length = 0;
        if (!vxpp::HeaderU64(headers, "Content-Length:", &length)) throw vxpp::VxppError{vxpp::VxppError::kMalformed};
        vxpp::CheckLimit(length, vxpp::kMaxBackupFileBytes, "Content-Length:");
        if (!copy.Open(index, file.path, &diskError)) throw vxpp::VxppError{vxpp::VxppError::kMalformed};
        for (uint64_t left = length; left > 0;) {
          const size_t n = net.RecvSome(m_scratch.data(), static_cast<size_t>(std::min<uint64_t>(left, m_scratch.size())));
          if (!copy.Append(std::string_view(m_scratch.data(), n), &diskError))
            throw vxpp::VxppError{vxpp::VxppError::kMalformed};
          left -= n;
          progress.bytesDone += n;
          if (m_backupProgress) m_backupProgress(progress);
        }
        if (!copy.Commit(&diskError)) throw vxpp::VxppError{vxpp::VxppError::kMalformed};
      });
  if (!diskError.empty()) return FailBackup(diskError);
  if (answer.outcome == Outcome::kNoConnection) return FailBackup("VXPP socket failed");
  if (m_exchange.AbortSignalled()) return FailBackup(file.path + ": aborted");
  if (answer.outcome == Outcome::kTransportFailure) return FailBackup(file.path + ": " + answer.failure);
  if (!answer.Ok()) return FailBackup(vxpp::FormatText("%s: server answered %d", file.path.c_str(), answer.status));
  ++progress.filesDone;
  if (m_backupProgress) m_backupProgress(progress);
  return true;
}

bool CVXPPClient::BackupBegin(const std::string& url, uint32_t session, const std::string& destination) {
  m_backupError.clear();
  if (m_backupFiles.empty()) return FailBackup("VXPPBackupBegin: no file list (BACKUPINIT first)");
  vxpp::CBackupCopy copy(m_backupEnv, destination, m_referenceTime.FormatLogTime());
  std::string error;
  if (!copy.Start(&error)) return FailBackup(error);
  BackupProgress progress;
  progress.files = m_backupFiles.size();
  for (const vxpp::BackupFile& file : m_backupFiles) progress.bytes += file.size;
  for (size_t i = 0; i < m_backupFiles.size(); ++i) {
    if (m_exchange.AbortSignalled()) return FailBackup("VXPPBackupBegin: aborted");
    if (!BackupFileExchange(url, session, i, copy, progress)) return false;
  }
  copy.Keep();
  BackupLog().Printf("VXPPBackupBegin: %zu files, %llu bytes", progress.filesDone,
                     static_cast<unsigned long long>(progress.bytesDone));
  return true;
}

bool CVXPPClient::BackupUninit(const std::string& url, uint32_t session) {
  return m_exchange.SessionCommand(url, session, "BACKUPUNINIT", kAnswerAtOnce).Ok();
}

bool CVXPPClient::QueryRecSize(const std::string& url, uint32_t session, const BackupSelection& s,
                               uint64_t& total) {
  const Answer answer = m_exchange.Exchange(url, kAwaitedAnswer, [&](int cseq) {
    return vxpp::SessionRequest(
        "QUERYRECSIZE", url, kVersion2, cseq, session,
        vxpp::FormatText("Selected-Cameras: %llu\r\nSelected-Cameras-List: %s\r\nInclude-Exe: %d\r\n"
                         "Start-Date-Time: %s\r\nEnd-Date-Time: %s\r\nSelected-Record-Index: %d\r\n",
                         CameraWord(s), s.camerasList.c_str(), s.includeExeFiles ? 1 : 0,
                         s.start.FormatWire().c_str(), s.end.FormatWire().c_str(), s.selectedRecordIndex) +
            TimeSequenceLines());
  });
  if (!answer.Ok()) return false;
  vxpp::HeaderU64(answer.headers, "QueryFileRecordSize:", &total);
  return true;
}

bool CVXPPClient::QueryRecSizeSeparate(const std::string& url, uint32_t session, const BackupSelection& s,
                                       uint64_t& total, std::vector<uint64_t>& sizes) {
  const Answer answer = m_exchange.Exchange(url, kAwaitedAnswer, [&](int cseq) {
    return vxpp::SessionRequest(
        "QUERYRECSIZE", url, kVersion2, cseq, session,
        vxpp::FormatText("Selected-Cameras-List: %s\r\nInclude-Exe: 0\r\nStart-Date-Time: %s\r\n"
                         "End-Date-Time: %s\r\nSelected-Record-Index: %d\r\nGet-Separate-File-Size: 1\r\n",
                         s.camerasList.c_str(), s.start.FormatWire().c_str(), s.end.FormatWire().c_str(),
                         s.selectedRecordIndex) +
            TimeSequenceLines());
  });
  if (!answer.Ok()) return false;
  vxpp::HeaderU64(answer.headers, "QueryFileRecordSize:", &total);
  int32_t count = 0;
  vxpp::HeaderInt(answer.headers, "File-Record-Size-Count:", &count);
  // One size per camera at most: a wild count is not read.
  if (count < 0 || static_cast<size_t>(count) > vxpp::kMaxDeviceEntries) return false;
  sizes.clear();
  for (int32_t i = 0; i < count; ++i) {
    uint64_t size = 0;
    vxpp::HeaderU64(answer.headers, vxpp::FormatText("File-Record-Size_%d:", i).c_str(), &size);
    sizes.push_back(size);
  }
  return true;
}

bool CVXPPClient::DeleteFileRecord(const std::string& url, uint32_t session, const BackupSelection& s) {
  return m_exchange
      .Exchange(url, kAwaitedAnswer,
                [&](int cseq) {
                  return vxpp::SessionRequest(
                      "DELETEFILERECORD", url, kVersion2, cseq, session,
                      vxpp::FormatText("Selected-Cameras: %llu\r\nSelected-Cameras-List: %s\r\nStart-Date-Time: %s\r\n"
                                       "End-Date-Time: %s\r\n",
                                       CameraWord(s), s.camerasList.c_str(), s.start.FormatWire().c_str(),
                                       s.end.FormatWire().c_str()) +
                          TimeSequenceLines());
                })
      .Ok();
}
