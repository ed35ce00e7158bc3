// A protocol client for page tests: the log queries and the camera list
// answer with what the test put in `answers`; every other command fails.
// The calls the pages make are counted and their last filters kept.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "protocol/ivxpp_client.h"

struct FakeVxppAnswers {
  int result = 1;      // of the log queries: 1 success, -1 unreachable, -2 error
  int textFormat = 1;  // of EventLog and IVSEventLog
  std::vector<EventLogBasket> events;  // of EventLog and IVSEventLog
  std::vector<SystemLogRecord> systemRecords;
  std::vector<PosEventLogBasket> posEvents;
  std::vector<EdgeRecordLogBasket> edgeRecords;
  std::vector<std::string> cameraNames;
  std::vector<uint32_t> cameraIds;
  // Of GetIVSDeviceInfo: analytics device ids and names.
  std::vector<uint32_t> ivsDeviceIds;
  std::vector<std::string> ivsDeviceNames;
  // What the user does while EventLog's records arrive (Cancel, say).
  std::function<void()> whileAnswering;

  // What the pages asked.
  int clientsMade = 0;
  int queries = 0;
  uint32_t port = 0;
  std::string url;
  std::optional<int> eventNumber, systemLogNumber;
  std::optional<uint32_t> cameraId, channelIndex, posId, ivsDeviceId;
  std::optional<int> ivsRuleType;
};

class FakeVxppClient : public IVXPPClient {
 public:
  explicit FakeVxppClient(FakeVxppAnswers& answers) : m_a(answers) { ++m_a.clientsMade; }

  void SetPort(uint32_t port) override { m_a.port = port; }
  void SetConnectTimeout(uint32_t) override {}
  void SetClientGUID(const std::string&) override {}
  PlaybackClientLease AcquirePlaybackClient(const PlaybackClientKey&) override { return {}; }
  void ReleasePlaybackClient(PlaybackClientLease&) override {}
  void SavePlaybackClients() override {}
  void RestorePlaybackClients() override {}

  bool GetCamInfo(const std::string& url, uint32_t, std::vector<std::string>& names,
                  std::vector<uint32_t>& ids) override {
    m_a.url = url;
    names = m_a.cameraNames;
    ids = m_a.cameraIds;
    return true;
  }
  int EventLog(const std::string& url, uint32_t, const int* eventNumber, const uint32_t* cameraId, const CDateTime&,
               const CDateTime&, EventLogRecords& records, const uint32_t* channelIndex,
               int* textFormat) override {
    Asked(url);
    m_a.eventNumber = Value(eventNumber);
    m_a.cameraId = Value(cameraId);
    m_a.channelIndex = Value(channelIndex);
    for (const EventLogBasket& record : m_a.events) records.Add(record);
    if (textFormat != nullptr) *textFormat = m_a.textFormat;
    if (m_a.whileAnswering) m_a.whileAnswering();
    return m_a.result;
  }
  int SystemLog(const std::string& url, uint32_t, const int* number, const CDateTime&, const CDateTime&,
                std::vector<SystemLogRecord>& records) override {
    Asked(url);
    m_a.systemLogNumber = Value(number);
    records = m_a.systemRecords;
    return m_a.result;
  }

  bool GetIVSDeviceInfo(const std::string&, uint32_t, std::vector<uint32_t>& ids, std::vector<std::string>& names,
                        std::vector<uint32_t>&) override {
    ids = m_a.ivsDeviceIds;
    names = m_a.ivsDeviceNames;
    return true;
  }
  int IVSEventLog(const std::string& url, uint32_t, const uint32_t* ivsDeviceId, const int* ruleType,
                  const CDateTime&, const CDateTime&, EventLogRecords& records, int* textFormat) override {
    Asked(url);
    m_a.ivsDeviceId = Value(ivsDeviceId);
    m_a.ivsRuleType = Value(ruleType);
    for (const EventLogBasket& record : m_a.events) records.Add(record);
    *textFormat = m_a.textFormat;
    return m_a.result;
  }

  // Not used by the pages under test.
  bool GetCombinedCounterInfo(const std::string&, uint32_t, std::map<uint32_t, std::string>&) override {
    return false;
  }
  bool GetRecLog(const std::string&, uint32_t, const CDateTime&, const std::vector<int>&, int,
                 std::string&) override { return false; }
  bool GetDayLogs2(const std::string&, uint32_t, std::string&) override { return false; }
  bool QueryPosSetting(const std::string&, uint32_t, std::vector<EPOS_Setting>&) override { return false; }
  int PosRecord(const std::string&, uint32_t, const std::string&, int, const std::vector<int>&, const CDateTime&,
                const CDateTime&, std::vector<PosRecordEntry>&, bool&) override { return -1; }
  int MetadataRecord(const std::string&, uint32_t, const std::string&, int, const std::vector<int>&,
                     const CDateTime&, const CDateTime&, std::vector<MetadataRecordEntry>&) override { return -1; }
  bool AddSystemLog(const std::string&, uint32_t, int, const std::vector<std::string>&) override { return false; }
  bool GetRecLog2(const std::string&, uint32_t, const CDateTime&, std::string&) override { return false; }
  int PlaybackCall(const PlaybackClientKey&, const std::string&, uint32_t, const CDateTime&, const CDateTime&,
                   uint32_t, uint32_t) override { return -1; }
  bool GetDayLogs(const std::string&, uint32_t, std::vector<std::string>&) override { return false; }
  int GetLoginHandshakingKey(const std::string&, const std::string&, const std::string&, const std::string&,
                             uint32_t&) override { return -1; }
  int UserLogin(const std::string&, const std::string&, const std::string&, const std::string&, bool, bool,
                uint32_t&, LoginInfo&, UserPrivileges&) override { return -1; }
  bool UserLogout(const std::string&, uint32_t) override { return false; }
  int CountingLog(const std::string&, uint32_t, const uint32_t*, const CDateTime&, const CDateTime&,
                  std::vector<CounterLog>&, const uint32_t*, int*) override { return -1; }
  int IVSCountingLog(const std::string&, uint32_t, const uint32_t*, const CDateTime&, const CDateTime&,
                     std::vector<IVSCounterLog>&, const uint32_t*, int*) override { return -1; }
  int CombinedCountingLog(const std::string&, uint32_t, const uint32_t*, const CDateTime&, const CDateTime&,
                          std::vector<CombinedCounterLog>&) override { return -1; }
  bool PosEventLog(const std::string& url, uint32_t, const int* eventNumber, const uint32_t* posId, const CDateTime&,
                   const CDateTime&, std::vector<PosEventLogBasket>& records) override {
    Asked(url);
    m_a.eventNumber = Value(eventNumber);
    m_a.posId = Value(posId);
    records = m_a.posEvents;
    return m_a.result == 1;
  }
  int PosEventLog2(const std::string&, uint32_t, const int*, const uint32_t*, const CDateTime&, const CDateTime&,
                   std::vector<PosEventLogBasket>&) override { return -1; }
  int EdgeRecordLog(const std::string& url, uint32_t, const int* eventNumber, const uint32_t* cameraId,
                    const CDateTime&, const CDateTime&, std::vector<EdgeRecordLogBasket>& records, int*) override {
    Asked(url);
    m_a.eventNumber = Value(eventNumber);
    m_a.cameraId = Value(cameraId);
    records = m_a.edgeRecords;
    return m_a.result;
  }
  bool BackupInit(const std::string&, uint32_t, const BackupSelection&) override { return false; }
  bool BackupInit2(const std::string&, uint32_t, const BackupSelection&) override { return false; }
  bool BackupBegin(const std::string&, uint32_t, const std::string&) override { return false; }
  bool BackupUninit(const std::string&, uint32_t) override { return false; }
  bool BackupNoop() override { return false; }
  bool Abort() override { return false; }
  bool ResetAbort() override { return false; }
  bool QueryIfAlive(const std::string&, uint32_t, bool&) override { return false; }
  bool QueryRecSizeSeparate(const std::string&, uint32_t, const BackupSelection&, uint64_t&,
                            std::vector<uint64_t>&) override { return false; }
  bool QueryRecSize(const std::string&, uint32_t, const BackupSelection&, uint64_t&) override { return false; }
  bool DeleteFileRecord(const std::string&, uint32_t, const BackupSelection&) override { return false; }
  bool GetServerInfo(const std::string&, uint32_t) override { return false; }
  bool HasVideo(const std::string&, uint32_t, const CDateTime&, const CDateTime&, uint32_t, int, int&) override {
    return false;
  }
  bool MaxDurationDay(const std::string&, uint32_t, int&) override { return false; }
  int QueryFunctions(const std::string&, uint32_t, std::string&) override { return -1; }
  bool IsFunctionSupported(const std::string&, const std::string&, bool&) override { return false; }
  bool GetAccessPeriod(const std::string&, uint32_t, int&, int&) override { return false; }
  bool GetFailoverHistory(const std::string&, uint32_t, std::vector<std::string>&) override { return false; }
  bool GetOnGuardServicePort(const std::string&, uint32_t, int&) override { return false; }
  bool GetFailoverToken(const std::string&, uint32_t, std::map<std::string, std::string>&) override { return false; }
  bool LangPackGetVersion(const std::string&, uint32_t, std::string&) override { return false; }
  bool LangPackGetFile(const std::string&, uint32_t, const std::string&, const std::string&) override {
    return false;
  }
  bool GetVideoSpan(const std::string&, uint32_t, uint32_t, int, int&, CDateTime&, CDateTime&) override {
    return false;
  }
  bool AddBookmark(const std::string&, uint32_t, const std::string&) override { return false; }
  bool ModifyBookmark(const std::string&, uint32_t, const std::string&) override { return false; }
  bool DeleteBookmark(const std::string&, uint32_t, const std::string&) override { return false; }
  bool QueryBookmark(const std::string&, uint32_t, std::string&) override { return false; }
  std::unique_ptr<IRPBClient> CreatePlaybackClient() override { return nullptr; }
  void DestroyPlaybackClients() override {}

 private:
  template <class T>
  static std::optional<T> Value(const T* p) {
    return p != nullptr ? std::optional<T>(*p) : std::nullopt;
  }
  void Asked(const std::string& url) {
    ++m_a.queries;
    m_a.url = url;
  }

  FakeVxppAnswers& m_a;
};
