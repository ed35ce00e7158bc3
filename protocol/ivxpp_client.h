// IVXPPClient: every operation of the VXPP protocol client, one per command,
// in a fixed order.
//
// Every command opens its own connection to the server named by `url`
// (made with "vxpp://%s/" from the host name or address), sends one request,
// reads one answer and closes the connection.  Commands after login carry
// the session number that UserLogin returned.  An implementation is used by
// one thread at a time; only Abort may be called from another thread.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "protocol/backup_selection.h"
#include "protocol/login_info.h"
#include "protocol/playback_client_lease.h"
#include "protocol/vxpp_bodies.h"
#include "vocabulary/date_time.h"
#include "vocabulary/epos_setting.h"
#include "vocabulary/counter_log.h"
#include "vocabulary/edge_record_log_basket.h"
#include "vocabulary/event_log_basket.h"
#include "vocabulary/event_log_records.h"
#include "vocabulary/pos_event_log_basket.h"
#include "vocabulary/system_log_record.h"

// Key of a registered playback client; compared field by field in this order.
struct PlaybackClientKey {
  int32_t cameraIndex = 0;
  uint64_t session = 0;
  uint64_t startTicks = 0;
  uint64_t endTicks = 0;
  friend auto operator<=>(const PlaybackClientKey&, const PlaybackClientKey&) = default;
};

class IVXPPClient {
 public:
  virtual ~IVXPPClient() = default;

  // Configuration.
  virtual void SetPort(uint32_t port) = 0;
  // Milliseconds; 0 selects the blocking connect.
  virtual void SetConnectTimeout(uint32_t timeoutMs) = 0;
  virtual void SetClientGUID(const std::string& guid) = 0;

  // Registry of playback clients.  The lease holds the registry's lock
  // while the caller uses the client, until it ends or is released; an
  // empty lease holds nothing.
  virtual PlaybackClientLease AcquirePlaybackClient(const PlaybackClientKey& key) = 0;
  virtual void ReleasePlaybackClient(PlaybackClientLease& lease) = 0;
  virtual void SavePlaybackClients() = 0;
  virtual void RestorePlaybackClients() = 0;

  // Device queries.
  virtual bool GetCamInfo(const std::string& url, uint32_t session, std::vector<std::string>& names,
                          std::vector<uint32_t>& ids) = 0;
  virtual bool GetIVSDeviceInfo(const std::string& url, uint32_t session, std::vector<uint32_t>& ivsDeviceIds,
                                std::vector<std::string>& deviceNames, std::vector<uint32_t>& deviceIds) = 0;
  virtual bool GetCombinedCounterInfo(const std::string& url, uint32_t session,
                                      std::map<uint32_t, std::string>& counters) = 0;
  // Recording logs of one day; the body is handed back as received.
  virtual bool GetRecLog(const std::string& url, uint32_t session, const CDateTime& day,
                         const std::vector<int>& channels, int supportSequenceNum, std::string& body) = 0;
  virtual bool GetDayLogs2(const std::string& url, uint32_t session, std::string& body) = 0;
  // Appends one setting per source of the server.
  virtual bool QueryPosSetting(const std::string& url, uint32_t session, std::vector<EPOS_Setting>& settings) = 0;
  // `queryTooMuch`: the server held back records beyond its limit.
  virtual int PosRecord(const std::string& url, uint32_t session, const std::string& keyWord, int usingRE,
                        const std::vector<int>& posIds, const CDateTime& start, const CDateTime& end,
                        std::vector<PosRecordEntry>& records, bool& queryTooMuch) = 0;
  virtual int MetadataRecord(const std::string& url, uint32_t session, const std::string& keyWord, int usingRE,
                             const std::vector<int>& posIds, const CDateTime& start, const CDateTime& end,
                             std::vector<MetadataRecordEntry>& records) = 0;
  virtual bool AddSystemLog(const std::string& url, uint32_t session, int logType,
                            const std::vector<std::string>& entries) = 0;
  virtual bool GetRecLog2(const std::string& url, uint32_t session, const CDateTime& day, std::string& body) = 0;
  // SetupFileInfo of the playback client registered under `key`.
  virtual int PlaybackCall(const PlaybackClientKey& key, const std::string& url, uint32_t session,
                           const CDateTime& start, const CDateTime& end, uint32_t cameraIndex,
                           uint32_t recordIndex) = 0;
  virtual bool GetDayLogs(const std::string& url, uint32_t session, std::vector<std::string>& days) = 0;

  // Session.
  virtual int GetLoginHandshakingKey(const std::string& url, const std::string& user, const std::string& password,
                                     const std::string& dualPassword, uint32_t& key) = 0;
  virtual int UserLogin(const std::string& url, const std::string& user, const std::string& password,
                        const std::string& dualPassword, bool forBackup, bool hasDualPassword, uint32_t& session,
                        LoginInfo& info, UserPrivileges& privileges) = 0;
  virtual bool UserLogout(const std::string& url, uint32_t session) = 0;

  // Log queries.  Optional filters are null for "no filter"; a start or end
  // that is not valid leaves that end open.  Records are appended to the
  // caller's list as they arrive, and those that came before a failure stay
  // there.  1 success, -1 no connection, a status other than 200 or a
  // transport failure, -2 the server's "Error:".  `textFormat` (may be
  // null) tells, after the call, whether the records came as text blocks.
  virtual int EventLog(const std::string& url, uint32_t session, const int* eventNumber, const uint32_t* cameraId,
                       const CDateTime& start, const CDateTime& end, EventLogRecords& records,
                       const uint32_t* channelIndex, int* textFormat) = 0;
  virtual int SystemLog(const std::string& url, uint32_t session, const int* systemLogNumber,
                        const CDateTime& start, const CDateTime& end, std::vector<SystemLogRecord>& records) = 0;
  virtual int CountingLog(const std::string& url, uint32_t session, const uint32_t* cameraId,
                          const CDateTime& start, const CDateTime& end, std::vector<CounterLog>& records,
                          const uint32_t* channelIndex, int* textFormat) = 0;
  virtual int IVSCountingLog(const std::string& url, uint32_t session, const uint32_t* ivsDeviceId,
                             const CDateTime& start, const CDateTime& end, std::vector<IVSCounterLog>& records,
                             const uint32_t* channelIndex, int* textFormat) = 0;
  virtual int CombinedCountingLog(const std::string& url, uint32_t session, const uint32_t* counterId,
                                  const CDateTime& start, const CDateTime& end,
                                  std::vector<CombinedCounterLog>& records) = 0;
  virtual bool PosEventLog(const std::string& url, uint32_t session, const int* eventNumber, const uint32_t* posId,
                           const CDateTime& start, const CDateTime& end,
                           std::vector<PosEventLogBasket>& records) = 0;
  virtual int PosEventLog2(const std::string& url, uint32_t session, const int* eventNumber, const uint32_t* posId,
                           const CDateTime& start, const CDateTime& end,
                           std::vector<PosEventLogBasket>& records) = 0;
  virtual int IVSEventLog(const std::string& url, uint32_t session, const uint32_t* ivsDeviceId,
                          const int* ruleType, const CDateTime& start, const CDateTime& end,
                          EventLogRecords& records, int* textFormat) = 0;
  virtual int EdgeRecordLog(const std::string& url, uint32_t session, const int* eventNumber,
                            const uint32_t* cameraId, const CDateTime& start, const CDateTime& end,
                            std::vector<EdgeRecordLogBasket>& records, int* textFormat) = 0;

  // Backup.
  virtual bool BackupInit(const std::string& url, uint32_t session, const BackupSelection& selection) = 0;
  virtual bool BackupInit2(const std::string& url, uint32_t session, const BackupSelection& selection) = 0;
  virtual bool BackupBegin(const std::string& url, uint32_t session, const std::string& destination) = 0;
  virtual bool BackupUninit(const std::string& url, uint32_t session) = 0;
  virtual bool BackupNoop() = 0;
  // Called from another thread: ends the command under way, which returns
  // its failure, and fails every later command until ResetAbort.
  virtual bool Abort() = 0;
  virtual bool ResetAbort() = 0;
  // Runs `tick` about every 30 ms while a command waits for the server, on
  // the thread that runs the commands (null: none); a window keeps painting
  // there and may call Abort from it.  A client that never waits ignores it.
  virtual void SetWaitTick(std::function<void()> /*tick*/) {}

  virtual bool QueryIfAlive(const std::string& url, uint32_t session, bool& alive) = 0;
  virtual bool QueryRecSizeSeparate(const std::string& url, uint32_t session, const BackupSelection& selection,
                                    uint64_t& total, std::vector<uint64_t>& sizes) = 0;
  virtual bool QueryRecSize(const std::string& url, uint32_t session, const BackupSelection& selection,
                            uint64_t& total) = 0;
  virtual bool DeleteFileRecord(const std::string& url, uint32_t session, const BackupSelection& selection) = 0;

  // Server identity and settings.
  virtual bool GetServerInfo(const std::string& url, uint32_t session) = 0;
  virtual bool HasVideo(const std::string& url, uint32_t session, const CDateTime& start, const CDateTime& end,
                        uint32_t cameraIndex, int recordIndex, int& count) = 0;
  virtual bool MaxDurationDay(const std::string& url, uint32_t session, int& days) = 0;
  virtual int QueryFunctions(const std::string& url, uint32_t session, std::string& headers) = 0;
  virtual bool IsFunctionSupported(const std::string& headers, const std::string& function, bool& supported) = 0;
  virtual bool GetAccessPeriod(const std::string& url, uint32_t session, int& enabled, int& period) = 0;
  virtual bool GetFailoverHistory(const std::string& url, uint32_t session, std::vector<std::string>& history) = 0;
  virtual bool GetOnGuardServicePort(const std::string& url, uint32_t session, int& port) = 0;
  virtual bool GetFailoverToken(const std::string& url, uint32_t session,
                                std::map<std::string, std::string>& tokens) = 0;

  // Language packs, video spans and bookmarks.
  virtual bool LangPackGetVersion(const std::string& url, uint32_t session, std::string& version) = 0;
  virtual bool LangPackGetFile(const std::string& url, uint32_t session, const std::string& fileName,
                               const std::string& directory) = 0;
  virtual bool GetVideoSpan(const std::string& url, uint32_t session, uint32_t cameraIndex, int recordIndex,
                            int& result, CDateTime& start, CDateTime& end) = 0;
  virtual bool AddBookmark(const std::string& url, uint32_t session, const std::string& body) = 0;
  virtual bool ModifyBookmark(const std::string& url, uint32_t session, const std::string& body) = 0;
  virtual bool DeleteBookmark(const std::string& url, uint32_t session, const std::string& body) = 0;
  virtual bool QueryBookmark(const std::string& url, uint32_t session, std::string& body) = 0;

  // Playback clients.  The registry keeps what CreatePlaybackClient makes
  // (null when the client has none to offer).
  virtual std::unique_ptr<IRPBClient> CreatePlaybackClient() = 0;
  virtual void DestroyPlaybackClients() = 0;
};
