// CVXPPClient: the VXPP protocol client.
//
// Each command makes one exchange (protocol/vxpp_exchange.h): its own TCP
// connection, one request whose CSeq is the client's counter, one answer,
// the connection closed on every path.  Socket failures never leave a
// command: they become its failure result.
//
// A client is used by one thread at a time; Abort may be called from
// another thread: it ends the command under way (a blocked connect, send or
// receive) within moments, the command returns its failure, and every
// later command fails at once until ResetAbort.  The socket API must
// outlive the client.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/env.h"
#include "protocol/backup_copy.h"
#include "protocol/backup_file_list.h"
#include "protocol/result_codes.h"
#include "protocol/vxpp_client_comm.h"
#include "protocol/vxpp_exchange.h"

class CVXPPClient : public VXPPClientComm {
 public:
  static constexpr int kTimeSequenceCount = 128;
  // Per-byte time-outs of header blocks.
  static constexpr uint32_t kHeaderTimeoutMs = 5000;
  static constexpr uint32_t kHandshakeHeaderTimeoutMs = 60000;
  static constexpr uint32_t kFunctionsHeaderTimeoutMs = 30000;
  static constexpr int kSupportChannelCount = 128;
  // Longest password text (with handshake digits) that can be enciphered.
  static constexpr size_t kMaxPasswordBytes = 255;
  // The body buffer of a backup: a file is received this many bytes at a time.
  static constexpr size_t kScratchBytes = 500000;
  static constexpr uint32_t kBackupAnswerWaitMs = 60000;

  // How far BackupBegin has come, told after every piece it stores.
  struct BackupProgress {
    size_t filesDone = 0;
    size_t files = 0;
    uint64_t bytesDone = 0;
    uint64_t bytes = 0;  // the sizes the list gave
  };
  using BackupProgressHandler = std::function<void(const BackupProgress&)>;

  // Optional time sequences of the backup, record-size and delete commands;
  // the client's owner fills them directly.
  struct TimeSequences {
    uint32_t start[kTimeSequenceCount] = {};
    uint32_t end[kTimeSequenceCount] = {};
    uint32_t inUse[kTimeSequenceCount] = {};
  };

  explicit CVXPPClient(vxpp::SocketApi* api = vxpp::SocketApi::Default());
  ~CVXPPClient() override;

  void SetPort(uint32_t port) override { m_exchange.SetPort(port); }
  void SetConnectTimeout(uint32_t timeoutMs) override { m_exchange.SetConnectTimeout(timeoutMs); }
  void SetClientGUID(const std::string& guid) override { m_clientGuid = guid; }
  // The NVR flag: the owner knows it talks to a Ravlo appliance (the viewer
  // in nvrMode), so the client reads that server's texts as UTF-8 without
  // asking it first.  GetServerInfo and UserLogin may change it again.
  void SetNvr() { m_serverKind = vxpp::kServerKindRavlo; }
  // The pace every answer must keep and the ceiling of one command
  // (client_limits.h); the defaults are 1 KiB in 30 s and 15 minutes.
  void SetTransferLimits(const vxpp::TransferLimits& limits) { m_exchange.SetTransferLimits(limits); }

  bool GetCamInfo(const std::string& url, uint32_t session, std::vector<std::string>& names,
                  std::vector<uint32_t>& ids) override;
  bool GetIVSDeviceInfo(const std::string& url, uint32_t session, std::vector<uint32_t>& ivsDeviceIds,
                        std::vector<std::string>& deviceNames, std::vector<uint32_t>& deviceIds) override;
  bool GetCombinedCounterInfo(const std::string& url, uint32_t session,
                              std::map<uint32_t, std::string>& counters) override;
  bool GetRecLog(const std::string& url, uint32_t session, const CDateTime& day, const std::vector<int>& channels,
                 int supportSequenceNum, std::string& body) override;
  bool GetDayLogs2(const std::string& url, uint32_t session, std::string& body) override;
  bool QueryPosSetting(const std::string& url, uint32_t session, std::vector<EPOS_Setting>& settings) override;
  int PosRecord(const std::string& url, uint32_t session, const std::string& keyWord, int usingRE,
                const std::vector<int>& posIds, const CDateTime& start, const CDateTime& end,
                std::vector<PosRecordEntry>& records, bool& queryTooMuch) override;
  int MetadataRecord(const std::string& url, uint32_t session, const std::string& keyWord, int usingRE,
                     const std::vector<int>& posIds, const CDateTime& start, const CDateTime& end,
                     std::vector<MetadataRecordEntry>& records) override;
  bool AddSystemLog(const std::string& url, uint32_t session, int logType,
                    const std::vector<std::string>& entries) override;
  bool GetRecLog2(const std::string& url, uint32_t session, const CDateTime& day, std::string& body) override;
  bool GetDayLogs(const std::string& url, uint32_t session, std::vector<std::string>& days) override;

  int GetLoginHandshakingKey(const std::string& url, const std::string& user, const std::string& password,
                             const std::string& dualPassword, uint32_t& key) override;
  int UserLogin(const std::string& url, const std::string& user, const std::string& password,
                const std::string& dualPassword, bool forBackup, bool hasDualPassword, uint32_t& session,
                LoginInfo& info, UserPrivileges& privileges) override;
  bool UserLogout(const std::string& url, uint32_t session) override;

  int EventLog(const std::string& url, uint32_t session, const int* eventNumber, const uint32_t* cameraId,
               const CDateTime& start, const CDateTime& end, EventLogRecords& records,
               const uint32_t* channelIndex, int* textFormat) override;
  int SystemLog(const std::string& url, uint32_t session, const int* systemLogNumber, const CDateTime& start,
                const CDateTime& end, std::vector<SystemLogRecord>& records) override;
  int CountingLog(const std::string& url, uint32_t session, const uint32_t* cameraId, const CDateTime& start,
                  const CDateTime& end, std::vector<CounterLog>& records, const uint32_t* channelIndex,
                  int* textFormat) override;
  int IVSCountingLog(const std::string& url, uint32_t session, const uint32_t* ivsDeviceId,
                     const CDateTime& start, const CDateTime& end, std::vector<IVSCounterLog>& records,
                     const uint32_t* channelIndex, int* textFormat) override;
  int CombinedCountingLog(const std::string& url, uint32_t session, const uint32_t* counterId,
                          const CDateTime& start, const CDateTime& end,
                          std::vector<CombinedCounterLog>& records) override;
  bool PosEventLog(const std::string& url, uint32_t session, const int* eventNumber, const uint32_t* posId,
                   const CDateTime& start, const CDateTime& end, std::vector<PosEventLogBasket>& records) override;
  int PosEventLog2(const std::string& url, uint32_t session, const int* eventNumber, const uint32_t* posId,
                   const CDateTime& start, const CDateTime& end, std::vector<PosEventLogBasket>& records) override;
  int IVSEventLog(const std::string& url, uint32_t session, const uint32_t* ivsDeviceId, const int* ruleType,
                  const CDateTime& start, const CDateTime& end, EventLogRecords& records,
                  int* textFormat) override;
  int EdgeRecordLog(const std::string& url, uint32_t session, const int* eventNumber, const uint32_t* cameraId,
                    const CDateTime& start, const CDateTime& end, std::vector<EdgeRecordLogBasket>& records,
                    int* textFormat) override;

  bool BackupInit(const std::string& url, uint32_t session, const BackupSelection& selection) override;
  bool BackupInit2(const std::string& url, uint32_t session, const BackupSelection& selection) override;
  bool BackupBegin(const std::string& url, uint32_t session, const std::string& destination) override;
  bool BackupUninit(const std::string& url, uint32_t session) override;
  bool BackupNoop() override { return true; }
  bool Abort() override;
  bool ResetAbort() override;
  void SetWaitTick(std::function<void()> tick) override { m_exchange.SetWaitTick(std::move(tick)); }

  bool QueryIfAlive(const std::string& url, uint32_t session, bool& alive) override;
  bool QueryRecSizeSeparate(const std::string& url, uint32_t session, const BackupSelection& selection,
                            uint64_t& total, std::vector<uint64_t>& sizes) override;
  bool QueryRecSize(const std::string& url, uint32_t session, const BackupSelection& selection,
                    uint64_t& total) override;
  bool DeleteFileRecord(const std::string& url, uint32_t session, const BackupSelection& selection) override;

  bool GetServerInfo(const std::string& url, uint32_t session) override;
  bool HasVideo(const std::string& url, uint32_t session, const CDateTime& start, const CDateTime& end,
                uint32_t cameraIndex, int recordIndex, int& count) override;
  bool MaxDurationDay(const std::string& url, uint32_t session, int& days) override;
  int QueryFunctions(const std::string& url, uint32_t session, std::string& headers) override;
  bool IsFunctionSupported(const std::string& headers, const std::string& function, bool& supported) override;
  bool GetAccessPeriod(const std::string& url, uint32_t session, int& enabled, int& period) override;
  bool GetFailoverHistory(const std::string& url, uint32_t session, std::vector<std::string>& history) override;
  bool GetOnGuardServicePort(const std::string& url, uint32_t session, int& port) override;
  bool GetFailoverToken(const std::string& url, uint32_t session,
                        std::map<std::string, std::string>& tokens) override;

  bool LangPackGetVersion(const std::string& url, uint32_t session, std::string& version) override;
  bool LangPackGetFile(const std::string& url, uint32_t session, const std::string& fileName,
                       const std::string& directory) override;
  bool GetVideoSpan(const std::string& url, uint32_t session, uint32_t cameraIndex, int recordIndex, int& result,
                    CDateTime& start, CDateTime& end) override;
  bool AddBookmark(const std::string& url, uint32_t session, const std::string& body) override;
  bool ModifyBookmark(const std::string& url, uint32_t session, const std::string& body) override;
  bool DeleteBookmark(const std::string& url, uint32_t session, const std::string& body) override;
  bool QueryBookmark(const std::string& url, uint32_t session, std::string& body) override;

  std::unique_ptr<IRPBClient> CreatePlaybackClient() override;

  // Not part of the interface: fetches a device's supported edge event list
  // into directory/fileName + ".tmp".
  bool SupportedEdgeEventListOfDP(const std::string& url, uint32_t session, const std::string& directory,
                                  const std::string& fileName);

  // State the commands leave behind.
  uint32_t NextCSeq() const { return m_exchange.NextCSeq(); }
  const std::string& Host() const { return m_exchange.Host(); }
  const std::string& Url() const { return m_exchange.Url(); }
  uint32_t Port() const { return m_exchange.Port(); }
  uint32_t ConnectTimeout() const { return m_exchange.ConnectTimeout(); }
  const std::string& ServerDescription() const { return m_serverDescription; }
  int ServerKind() const { return m_serverKind; }
  uint32_t ServerCodePageCap() const { return m_serverCodePageCap; }
  bool AbortSignalled() const { return m_exchange.AbortSignalled(); }
  TimeSequences& SelectedTimeSequences() { return m_timeSequences; }
  // The start of the last backup range asked for; the construction time before.
  const CDateTime& ReferenceTime() const { return m_referenceTime; }

  // The files the last BackupInit(2) listed; BackupBegin copies them.
  const std::vector<vxpp::BackupFile>& BackupFiles() const { return m_backupFiles; }
  // Where BackupBegin writes (Env::Default() unless set; must outlive the client).
  void SetBackupEnv(platform::Env* env) { m_backupEnv = env; }
  void SetBackupProgress(BackupProgressHandler handler) { m_backupProgress = std::move(handler); }
  // Why the last backup command failed, in words ("db/EventLog/EventLog_20240130.db:
  // server answered 404"); empty after a success.
  const std::string& BackupError() const { return m_backupError; }
  // The "Select-Time-Seq_%d: %d-%d\r\n" lines of the sequences in use.
  std::string TimeSequenceLines() const;

 private:
  using AnswerShape = vxpp::AnswerShape;
  using Answer = vxpp::Answer;
  using Outcome = vxpp::Outcome;

  // A camera name as the server sent it, in the client's code page.
  std::string CameraNameFromServer(const std::string& name) const;
  bool SendBookmark(const char* word, const std::string& url, uint32_t session, const std::string& body);

  // A log query: its command word, the protocol texts of its request and of
  // the answer's status, and the steps its answer takes after the status:
  // "Error:" (when the command knows it), "Log-Count:" ("%u" or "%d";
  // negative fails), "Content-Length:" (read where the command reads it;
  // negative fails).
  struct LogCommand {
    const char* word;
    const char* version;
    const char* answerVersion;
    bool knowsError = false;
    bool unsignedCount = false;
    bool readsContentLength = false;
  };
  using RecordsReader = std::function<void(CNetHelper& net, const std::string& headers, uint64_t count)>;
  // Sends `command` with the header lines `lines` (the filters and the date
  // range) and hands the announced record count to `readRecords`.
  // 1, -1, or -2 for an "Error:" answer.
  int LogExchange(const std::string& url, uint32_t session, const LogCommand& command, const std::string& lines,
                  const RecordsReader& readRecords);
  // One record block of a POSEVENTLOG2 answer.
  static std::string ReceivePosBlock(CNetHelper& net);

  // The two backup openings; `more` the request lines after "SupportMetadata: 1".
  bool BackupInitExchange(const char* word, const std::string& url, uint32_t session,
                          const BackupSelection& selection, const std::string& more);
  // Copies file `index` of the list into `copy`.
  bool BackupFileExchange(const std::string& url, uint32_t session, size_t index, vxpp::CBackupCopy& copy,
                          BackupProgress& progress);
  bool FailBackup(const std::string& why);

  vxpp::CExchanger m_exchange;
  std::string m_serverDescription;
  int m_serverKind = vxpp::kServerKindUnknown;
  std::string m_clientGuid;
  TimeSequences m_timeSequences;
  // What the server said at login about its texts: 0 when they come in
  // the client's own (local) code page.
  uint32_t m_serverCodePageCap = 0;
  CDateTime m_referenceTime = CDateTime::Now();
  std::vector<char> m_scratch = std::vector<char>(kScratchBytes);
  std::vector<vxpp::BackupFile> m_backupFiles;
  platform::Env* m_backupEnv = platform::Env::Default();
  BackupProgressHandler m_backupProgress;
  std::string m_backupError;
};
