// A remote search against vxpp-server and a local search of the same demo
// installation give the same records, log kind by log kind, for a spread of
// filters and ranges, in both answer forms (binary records from a server of
// protocol version 1.0, text blocks from 2.0).  Only what a form cannot
// carry is allowed to differ, and each such field is named where it is
// reset.  The device lists the server sends equal what the installation's
// registry and filter files hold.
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>

#include "platform/code_page.h"
#include "platform/paths.h"
#include "protocol/log_record_wire.h"
#include "protocol/result_codes.h"
#include "store/combined_counter_list.h"
#include "store/event_log_query_ctrl.h"
#include "store/ivs_device_table.h"
#include "store/system_log_query_ctrl.h"
#include "tools/server_fixture.h"
#include "tools/vxpp-server/registry_cameras.h"

namespace {

const CDateTime kLastDay = CDateTime::FromFields(2024, 3, 5);
constexpr int64_t kDay = CDateTime::kTicksPerDay;

std::string Show(const CDateTime& t) { return std::to_string(t.GetStatus()) + ":" + t.FormatListCell(); }
std::string Show(const EventLogView& r) {
  return Show(r.LogTime) + " n" + std::to_string(r.EventNumber) + " ch" + std::to_string(r.ChannelIndex) + " cam" +
         std::to_string(r.CameraId) + " " + std::string(r.Description);
}
std::string Show(const EventLogBasket& r) { return Show(ViewOf(r)); }
std::string Show(const SystemLogRecord& r) {
  std::ostringstream out;
  out << Show(r.LogTime) << " n" << r.EventNumber << " " << r.EventString << " " << r.Param1 << "," << r.Param2
      << "," << r.Param3 << "," << r.Param4 << "," << r.Param5;
  return out.str();
}
std::string Show(const CounterLog& r) {
  std::ostringstream out;
  out << Show(r.LogTime) << " ch" << r.ChannelIndex << " cam" << r.CameraId << " " << r.CountIn << "/" << r.CountOut;
  return out.str();
}
std::string Show(const IVSCounterLog& r) {
  std::ostringstream out;
  out << Show(r.LogTime) << " " << r.IVSDeviceId << "/" << r.DeviceId << "/" << r.CounterId << " " << r.CounterName
      << " t" << r.CounterType << " =" << r.CounterResult << " r" << r.Reset;
  return out.str();
}
std::string Show(const CombinedCounterLog& r) {
  return Show(r.LogTime) + " c" + std::to_string(r.CounterID) + " =" + std::to_string(r.CounterResult);
}
std::string Show(const PosEventLogBasket& r) {
  return Show(r.LogTime) + " pos" + std::to_string(r.PosId) + " rule" + std::to_string(r.EventRuleId) + " [" +
         r.EventRuleName + "] [" + r.CameraId + "] " + r.Description;
}
std::string Show(const EdgeRecordLogBasket& r) {
  return Show(r.LogTime) + " cam" + std::to_string(r.CameraId) + " t" + std::to_string(r.LogType) + " " + r.Description;
}

template <typename Records>
std::vector<std::string> Shown(const Records& records) {
  std::vector<std::string> texts;
  for (const auto& r : records) texts.push_back(Show(r));
  return texts;
}

// A time range of the spread: open, one bound, a day, all days.
struct Range {
  const char* name;
  CDateTime start, end;
  TimeBound Start() const { return start.IsValid() ? TimeBound(start) : std::nullopt; }
  TimeBound End() const { return end.IsValid() ? TimeBound(end) : std::nullopt; }
  bool IsOpen() const { return !start.IsValid() && !end.IsValid(); }
};

class RemoteSearchTest : public ServerFixture {
 protected:
  static void SetUpTestSuite() { WriteSuiteSite(3, 300, kLastDay); }
  static void TearDownTestSuite() { RemoveSuiteSite(); }

  // A server of the demo site speaking `version`, and a logged-in client.
  void Serve(const char* version, const char* type = "Vantor", const char* serverVersion = "3,2,0,1") {
    StopServer();
    StartServerOn(s_site, [&](vxpp_server::ServerSettings& s) {
      s.vxppVersion = version;
      s.serverType = type;
      s.serverVersion = serverVersion;
    });
    ASSERT_EQ(Login("admin", "admin"), vxpp::kLoginSuccess);
  }

  static std::vector<Range> Ranges() {
    const CDateTime first = kLastDay - 2 * kDay;
    return {{"open", CDateTime::Null(), CDateTime::Null()},
            {"from the middle day", first + kDay, CDateTime::Null()},
            {"up to the first day's noon", CDateTime::Null(), first + kDay / 2},
            {"the middle day", first + kDay, first + 2 * kDay - CDateTime::kTicksPerSecond},
            {"before the archive's end", kLastDay - 5 * kDay, kLastDay - 3 * kDay}};
  }

  // The records a local search of the site finds.
  template <typename Record>
  static std::vector<Record> Local(const typename LogTable<Record>::Filter& filter, const Range& range) {
    CVxEventLogQueryCtrl<Record> query;
    query.Initialise(s_site);
    int count = 0;
    EXPECT_TRUE(query.Search(filter, range.Start(), range.End(), &count));
    std::vector<Record> records;
    for (const auto& record : query.GetResults()) records.push_back(*record);
    return records;
  }
};

TEST_F(RemoteSearchTest, EventRecordsEqualLocalInBothForms) {
  struct Filter {
    std::optional<int> number;
    std::optional<uint32_t> camera;
    std::optional<uint32_t> channel;
  };
  const Filter filters[] = {{}, {0, {}, {}}, {2, {}, {}}, {40077, {}, {}}, {200, {}, {}}, {{}, 4u, {}},
                            {50, 8u, {}}, {10003, {}, 2u}};
  for (const char* version : {"1.0", "2.0"}) {
    Serve(version);
    for (const Filter& f : filters) {
      for (const Range& range : Ranges()) {
        EventLogFilter local;
        if (f.number) local.event = EventNumberFilter{*f.number, f.channel ? static_cast<int32_t>(*f.channel) : -1};
        local.cameraId = f.camera;
        std::vector<EventLogBasket> expected = Local<EventLogBasket>(local, range);
        const bool binary = std::string(version) == "1.0";
        // A binary event record carries no camera id.
        if (binary)
          for (auto& r : expected) r.CameraId = 0;
        EventLogRecords remote;
        int text = 0;
        ASSERT_EQ(m_client.EventLog(kUrl, m_session, f.number ? &*f.number : nullptr, f.camera ? &*f.camera : nullptr,
                                    range.start, range.end, remote, f.channel ? &*f.channel : nullptr, &text),
                  vxpp::kResultSuccess);
        EXPECT_EQ(text, binary ? 0 : 1);
        EXPECT_EQ(Shown(remote), Shown(expected))
            << version << " event " << f.number.value_or(-1) << " " << range.name;
        if (range.IsOpen()) { EXPECT_FALSE(expected.empty()); }
      }
    }
    // Analytics events: the device as channel, the rule type as camera.
    for (uint32_t device : {1u, 4u}) {
      for (int rule : {-1, 3}) {
        EventLogFilter local;
        local.event = EventNumberFilter{10000, static_cast<int32_t>(device)};
        if (rule >= 0) local.cameraId = static_cast<uint32_t>(rule);
        const std::vector<EventLogBasket> expected = Local<EventLogBasket>(local, Ranges()[0]);
        EventLogRecords remote;
        int text = 0;
        ASSERT_EQ(m_client.IVSEventLog(kUrl, m_session, &device, rule >= 0 ? &rule : nullptr, CDateTime::Null(),
                                       CDateTime::Null(), remote, &text),
                  vxpp::kResultSuccess);
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(Shown(remote), Shown(expected)) << version << " device " << device << " rule " << rule;
      }
    }
  }
}

TEST_F(RemoteSearchTest, CountingRecordsEqualLocalInBothForms) {
  for (const char* version : {"1.0", "2.0"}) {
    Serve(version);
    const bool binary = std::string(version) == "1.0";
    for (const Range& range : Ranges()) {
      for (std::optional<uint32_t> camera : {std::optional<uint32_t>(), std::optional<uint32_t>(1u)}) {
        std::vector<CounterLog> expected = Local<CounterLog>({camera}, range);
        // A binary counting record carries no camera id.
        if (binary)
          for (auto& r : expected) r.CameraId = vxpp::kNoCountingCamera;
        std::vector<CounterLog> remote;
        int text = 0;
        ASSERT_EQ(m_client.CountingLog(kUrl, m_session, camera ? &*camera : nullptr, range.start, range.end, remote,
                                       nullptr, &text),
                  vxpp::kResultSuccess);
        EXPECT_EQ(Shown(remote), Shown(expected)) << version << " " << range.name;
        if (range.IsOpen()) { EXPECT_FALSE(expected.empty()); }
      }
      // The analytics counters have text blocks only: a client that does not
      // yet know the server's form passes 1 to read them from an older one.
      for (std::optional<uint32_t> device : {std::optional<uint32_t>(), std::optional<uint32_t>(2u)}) {
        const std::vector<IVSCounterLog> expected = Local<IVSCounterLog>({device}, range);
        std::vector<IVSCounterLog> remote;
        int text = 1;
        ASSERT_EQ(m_client.IVSCountingLog(kUrl, m_session, device ? &*device : nullptr, range.start, range.end,
                                          remote, nullptr, &text),
                  vxpp::kResultSuccess);
        EXPECT_EQ(Shown(remote), Shown(expected)) << version << " " << range.name;
        if (range.IsOpen()) { EXPECT_FALSE(expected.empty()); }
      }
      for (uint32_t counter : {CombinedCounterLog::kNoCounter, 2u}) {
        const std::vector<CombinedCounterLog> expected = Local<CombinedCounterLog>({counter}, range);
        std::vector<CombinedCounterLog> remote;
        ASSERT_EQ(m_client.CombinedCountingLog(kUrl, m_session, &counter, range.start, range.end, remote),
                  vxpp::kResultSuccess);
        EXPECT_EQ(Shown(remote), Shown(expected)) << version << " " << range.name;
        if (range.IsOpen()) { EXPECT_FALSE(expected.empty()); }
      }
    }
    // An older server's analytics counters stay unread by a client that passes 0.
    std::vector<IVSCounterLog> remote;
    int text = 0;
    EXPECT_EQ(m_client.IVSCountingLog(kUrl, m_session, nullptr, CDateTime::Null(), CDateTime::Null(), remote, nullptr,
                                      &text),
              vxpp::kResultSuccess);
    EXPECT_EQ(remote.empty(), binary);
  }
}

TEST_F(RemoteSearchTest, PosEdgeAndSystemRecordsEqualLocal) {
  for (const auto& [kind, serverVersion] : {std::pair{"binary POS", "3,1,0,0"}, std::pair{"POS blocks", "3,2,0,1"}}) {
    Serve("2.0", "Vantor", serverVersion);
    const bool blocks = std::string(kind) == "POS blocks";
    for (const Range& range : Ranges()) {
      for (const auto& [rule, pos] : {std::pair<std::optional<int>, std::optional<uint32_t>>{},
                                      {301, {}}, {{}, 2u}, {300, 1u}}) {
        std::vector<PosEventLogBasket> expected = Local<PosEventLogBasket>({rule, pos}, range);
        for (auto& r : expected) {
          r.EventRuleName.clear();  // no form carries it
          if (!blocks) r.CameraId.clear();  // the binary record has no cameras
        }
        std::vector<PosEventLogBasket> remote;
        ASSERT_TRUE(m_client.PosEventLog(kUrl, m_session, rule ? &*rule : nullptr, pos ? &*pos : nullptr,
                                         range.start, range.end, remote));
        EXPECT_EQ(Shown(remote), Shown(expected)) << kind << " " << range.name;
        if (range.IsOpen()) { EXPECT_FALSE(expected.empty()); }
      }
    }
  }
  // Multi-line receipts come through the blocks with their line breaks.
  std::vector<PosEventLogBasket> receipts;
  ASSERT_EQ(m_client.PosEventLog2(kUrl, m_session, nullptr, nullptr, CDateTime::Null(), CDateTime::Null(), receipts),
            vxpp::kResultSuccess);
  EXPECT_TRUE(std::any_of(receipts.begin(), receipts.end(),
                          [](const PosEventLogBasket& r) { return r.Description.find('\n') != std::string::npos; }));

  for (const Range& range : Ranges()) {
    for (const auto& [type, camera] : {std::pair<std::optional<int>, std::optional<uint32_t>>{}, {3, {}}, {{}, 15u}}) {
      std::vector<EdgeRecordLogBasket> expected = Local<EdgeRecordLogBasket>({type, camera}, range);
      // The blocks carry no description: the record's text field takes the camera id text.
      for (auto& r : expected) r.Description = std::to_string(r.CameraId);
      std::vector<EdgeRecordLogBasket> remote;
      int text = 0;
      ASSERT_EQ(m_client.EdgeRecordLog(kUrl, m_session, type ? &*type : nullptr, camera ? &*camera : nullptr,
                                       range.start, range.end, remote, &text),
                vxpp::kResultSuccess);
      EXPECT_EQ(Shown(remote), Shown(expected)) << range.name;
      if (range.IsOpen()) { EXPECT_FALSE(expected.empty()); }
    }
  }

  // The system log, from a Vantor server and from a Ravlo one (whose
  // strings travel in UTF-8 and come back in the local code page).
  for (const char* type : {"Vantor", "Ravlo"}) {
    Serve("1.0", type);
    ASSERT_TRUE(m_client.GetServerInfo(kUrl, m_session));
    for (const Range& range : Ranges()) {
      for (std::optional<int32_t> logType : {std::optional<int32_t>(), std::optional<int32_t>(3)}) {
        CVxSystemLogQueryCtrl local;
        local.Initialise(s_site);
        int count = 0;
        ASSERT_TRUE(local.Search(logType, range.Start(), range.End(), &count));
        std::vector<SystemLogRecord> expected = local.GetResults();
        for (auto& r : expected) r.EventString = vxpp::FitToBytes(r.EventString, platform::SystemCodePage(), 299);
        std::vector<SystemLogRecord> remote;
        ASSERT_EQ(m_client.SystemLog(kUrl, m_session, logType ? &*logType : nullptr, range.start, range.end, remote),
                  vxpp::kResultSuccess);
        EXPECT_EQ(Shown(remote), Shown(expected)) << type << " " << range.name;
        if (range.IsOpen()) { EXPECT_FALSE(expected.empty()); }
      }
    }
  }
}

TEST_F(RemoteSearchTest, DeviceListsEqualTheInstallationsFiles) {
  for (const char* version : {"1.0", "2.0"}) {
    Serve(version);
    const bool version2 = std::string(version) == "2.0";
    std::vector<std::string> names;
    std::vector<uint32_t> ids;
    ASSERT_TRUE(m_client.GetCamInfo(kUrl, m_session, names, ids));
    std::vector<std::string> localNames;
    std::vector<uint32_t> localIds;
    for (const auto& camera : vxpp_server::ReadRegistryCameras(s_site)) {
      localNames.push_back(camera.name);
      localIds.push_back(camera.id);
    }
    EXPECT_EQ(names, localNames);
    EXPECT_EQ(localNames.size(), 18u);
    // An older server gives names without ids.
    EXPECT_EQ(ids, version2 ? localIds : std::vector<uint32_t>{});

    std::vector<uint32_t> ivsIds, cameraIds;
    std::vector<std::string> deviceNames;
    ASSERT_TRUE(m_client.GetIVSDeviceInfo(kUrl, m_session, ivsIds, deviceNames, cameraIds));
    std::vector<std::string> remoteDevices, localDevices;
    IVSDeviceTable remoteTable = RemoteIVSDeviceTable(ivsIds, deviceNames, cameraIds);
    for (const auto& [id, d] : remoteTable[kRemoteIvsServer])
      remoteDevices.push_back(std::to_string(id) + " " + d.DeviceName + " " + std::to_string(d.CameraID));
    for (const auto& [server, devices] : ReadIVSDeviceTable(s_site))
      for (const auto& [id, d] : devices)
        localDevices.push_back(std::to_string(id) + " " + d.DeviceName + " " +
                               std::to_string(version2 ? d.CameraID : 0));
    std::sort(localDevices.begin(), localDevices.end());
    EXPECT_EQ(remoteDevices.size(), 5u);
    EXPECT_EQ(remoteDevices, localDevices);

    std::map<uint32_t, std::string> counters;
    ASSERT_TRUE(m_client.GetCombinedCounterInfo(kUrl, m_session, counters));
    EXPECT_EQ(counters, ReadCombinedCounterList(s_site));
    EXPECT_EQ(counters.size(), 3u);

    // The edge event list file comes down beside a stale copy and replaces it.
    const std::string folder = m_folder;
    std::ofstream(folder + "/SupportedEdgeEventListOfDP.ini.tmp") << "stale";
    ASSERT_TRUE(m_client.SupportedEdgeEventListOfDP(kUrl, m_session, folder, "SupportedEdgeEventListOfDP.ini"));
    std::string served, original;
    platform::Env::Default()->ReadFile(folder + "/SupportedEdgeEventListOfDP.ini.tmp", &served);
    platform::Env::Default()->ReadFile(s_site + "/SupportedEdgeEventListOfDP.ini", &original);
    EXPECT_EQ(served, original);
    EXPECT_FALSE(m_client.SupportedEdgeEventListOfDP(kUrl, m_session, folder, "../registry.reg"));
    // Only that file: the folder's other files (every user's password, the
    // settings, the registry) are answered as missing ones.
    for (const char* name : {"vxpp-users.ini", "vxpp-server.ini", "registry.reg"}) {
      ASSERT_TRUE(std::filesystem::exists(s_site + "/" + name)) << name;
      EXPECT_FALSE(m_client.SupportedEdgeEventListOfDP(kUrl, m_session, folder, name)) << name;
      EXPECT_FALSE(std::filesystem::exists(folder + "/" + name + ".tmp")) << name;
      EXPECT_NE(LogLines().back().find(" SUPPORTEDEDGEEVENTLISTOFDP 404 "), std::string::npos) << name;
    }
  }
}

}  // namespace
