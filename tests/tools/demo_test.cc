// Writes small demo installations into temporary folders and reads them back
// the way the viewer does: SQLite queries over the daily files, the event
// strings taken apart field by field, the registry file decoded from UTF-16.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "platform/code_page.h"
#include "temp_folder.h"
#include "tools/logview-demo/demo_installation.h"
#include "vocabulary/sample_recording.h"

namespace fs = std::filesystem;

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The system's decimal conversion of a column into an unsigned field.
uint32_t AsUnsigned(const std::string& text) { return static_cast<uint32_t>(std::atoi(text.c_str())); }

class DemoTest : public testing::Test {
 protected:
  // Three days across a month's end, small enough to read whole.
  DemoOptions Small(const fs::path& folder) const {
    DemoOptions o;
    o.days = 3;
    o.eventsPerDay = 120;
    o.endDate = CDateTime::FromFields(2024, 2, 1);
    o.folder = folder.string();
    return o;
  }

  bool Write(const DemoOptions& options, std::string* error = nullptr) {
    std::string message;
    const bool ok = WriteDemoInstallation(options, [](const std::string&) {}, &message);
    if (error != nullptr) *error = message;
    return ok;
  }

  static Rows Query(const fs::path& db, const std::string& sql) {
    sqlite3* handle = nullptr;
    Rows rows;
    EXPECT_EQ(sqlite3_open_v2(db.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK) << db;
    char* message = nullptr;
    const int rc = sqlite3_exec(
        handle, sql.c_str(),
        [](void* context, int n, char** values, char**) {
          auto* out = static_cast<Rows*>(context);
          out->emplace_back();
          for (int i = 0; i < n; ++i) out->back().push_back(values[i] != nullptr ? values[i] : "<null>");
          return 0;
        },
        &rows, &message);
    EXPECT_EQ(rc, SQLITE_OK) << db << ": " << (message != nullptr ? message : "") << " in " << sql;
    sqlite3_free(message);
    sqlite3_close(handle);
    return rows;
  }

  // The rows of `sql` over every daily event (or system) log file.
  Rows QueryDays(const char* log, const std::string& sql) const {
    Rows all;
    for (const char* day : {"20240130", "20240131", "20240201"}) {
      const Rows rows = Query(m_root / "db" / log / (std::string(log) + "_" + day + ".db"), sql);
      all.insert(all.end(), rows.begin(), rows.end());
    }
    return all;
  }

  // Camera ids of the registry's camera list: "DeviceID" of the sub-keys of
  // "Video" whose names begin with "Ch" or "IP".
  std::set<uint32_t> RegistryCameraIds() const {
    const std::string bytes = ReadWholeFile(m_root / "registry.reg");
    const std::u16string wide(reinterpret_cast<const char16_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
    std::istringstream text(platform::FromUtf16(wide, platform::kCodePageUtf8));
    std::set<uint32_t> ids;
    bool camera = false;
    for (std::string line; std::getline(text, line);) {
      if (line.rfind("[", 0) == 0) camera = std::regex_search(line, std::regex(R"(\\Video\\(Ch|IP)[^\\]*\]\r$)"));
      if (camera && line.rfind("\"DeviceID\"=dword:", 0) == 0) ids.insert(std::stoul(line.substr(17), nullptr, 16));
    }
    return ids;
  }

  TempFolder m_folder;
  const fs::path m_temp = m_folder.Path(), m_root = m_temp / "site";
};


TEST_F(DemoTest, DailyFilesArchivesAndEveryKindOfRecord) {
  ASSERT_TRUE(Write(Small(m_root)));
  for (const std::string log : {"EventLog", "SystemLog"}) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_root / "db" / log)) names.insert(entry.path().filename());
    EXPECT_EQ(names, (std::set<std::string>{log + "Old.db", log + "_20240130.db", log + "_20240131.db",
                                            log + "_20240201.db"}));
  }
  EXPECT_FALSE(fs::exists(m_root / "EventLog.db"));

  // Every LogTime of a daily file lies in its day and has 14 digits; rows come
  // in ascending time, as the recorder appends them.
  const std::map<std::string, std::string> tables = {
      {"EventLog", "EventLog"},          {"CounterLog", "EventLog"},  {"IVSCounterLog", "EventLog"},
      {"CombinedCounterLog", "EventLog"}, {"PosEventLog", "EventLog"}, {"EdgeRecordLog", "EventLog"},
      {"SysLog", "SystemLog"}};
  for (const auto& [table, log] : tables) {
    for (const char* day : {"20240130", "20240131", "20240201"}) {
      const fs::path file = m_root / "db" / log / (log + "_" + day + ".db");
      const Rows r = Query(file, "SELECT count(*), min(LogTime), max(LogTime), typeof(LogTime), "
                                 "sum(length(LogTime) != 14) FROM " + table);
      EXPECT_GT(std::stoi(r[0][0]), 0) << file << " " << table;
      EXPECT_EQ(r[0][1].substr(0, 8), day) << table;
      EXPECT_EQ(r[0][2].substr(0, 8), day) << table;
      EXPECT_EQ(r[0][3], "integer") << table;
      EXPECT_EQ(r[0][4], "0") << table;
    }
    const std::string archive = m_root / "db" / log / (log + "Old.db");
    const Rows a = Query(archive, "SELECT min(LogTime), max(LogTime) FROM " + table);
    // Counting results go back a year.
    EXPECT_EQ(a[0][0].substr(0, 8), table.find("Counter") != std::string::npos ? "20230202" : "20240123") << table;
    EXPECT_EQ(a[0][1].substr(0, 8), "20240129") << table;
  }
  EXPECT_EQ(QueryDays("EventLog", "SELECT a.Id FROM EventLog a JOIN EventLog b ON b.Id = a.Id + 1 "
                                  "WHERE b.LogTime < a.LogTime").size(), 0u);
  EXPECT_EQ(QueryDays("EventLog", "SELECT count(*) FROM EventLog")[2][0], "120");

  // The event log holds every kind of event.
  const std::set<uint32_t> cameras = RegistryCameraIds();
  EXPECT_EQ(cameras.size(), 18u);

  const Rows events = QueryDays("EventLog", "SELECT EventNumber, CameraId, ChannelIndex, Description FROM EventLog");
  std::set<int> numbers;
  for (const auto& e : events) numbers.insert(std::stoi(e[0]));
  for (int n : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 50, 100, 101, 102, 103, 112, 113, 200})
    EXPECT_TRUE(numbers.count(n)) << "event number " << n;

  const std::string ini = ReadWholeFile(m_root / "SupportedEdgeEventListOfDP.ini");
  bool supportedEdge = false, unsupportedEdge = false, compound = false, noneInput = false, deleted = false;
  int ivs = 0;
  for (const auto& e : events) {
    const int number = std::stoi(e[0]);
    const uint32_t camera = AsUnsigned(e[1]);
    if (number >= 30000 && number <= 40000) {
      const bool listed = ini.find("EventType=" + e[0] + "\r\n") != std::string::npos;
      (listed ? supportedEdge : unsupportedEdge) = true;
    }
    compound |= number >= 40001 && number <= 40128;
    if (number >= 100 && number <= 113) {
      EXPECT_FALSE(cameras.count(camera)) << e[3];
    }
    if (number == 200 && camera == 4294967294u) noneInput = true;
    if (number < 60 && !cameras.count(camera)) deleted = true;
    if (number >= 10000 && number <= 19999) {
      ++ivs;
      EXPECT_LE(camera, 16u) << "rule type";
      const size_t at = e[3].rfind("Associated Camera ID: ");
      if (at != std::string::npos) {
        EXPECT_TRUE(cameras.count(AsUnsigned(e[3].substr(at + 22)))) << e[3];
      }
    }
  }
  EXPECT_TRUE(supportedEdge);
  EXPECT_TRUE(unsupportedEdge);
  EXPECT_TRUE(compound);
  EXPECT_TRUE(noneInput);
  EXPECT_TRUE(deleted);
  EXPECT_GT(ivs, 0);
  // Motion is the most common kind of event.
  const Rows top = QueryDays("EventLog", "SELECT EventNumber FROM EventLog GROUP BY 1 ORDER BY count(*) DESC LIMIT 1");
  EXPECT_EQ(top[0][0], "0");

  // The system log has every type, and backup strings naming their spans.
  const Rows records = QueryDays("SystemLog", "SELECT EventNumber, EventString, Param1, Param2, Param5 FROM SysLog");
  std::set<int> types;
  std::map<int, int> backupKinds;  // export 34, backup 35, deletion 38, automatic backup 41
  bool allIndex = false;
  for (const auto& r : records) {
    const int type = std::stoi(r[0]);
    types.insert(type);
    const int param1 = std::stoi(r[2]);
    EXPECT_TRUE(param1 == -1 || (param1 >= 0 && param1 < 18)) << r[1];
    EXPECT_EQ(r[3] + r[4], "-1-1");
    if (type != 34 && type != 35 && type != 38 && type != 41) continue;
    ++backupKinds[type];
    // Each names its time span in the list's own form.
    std::smatch span;
    EXPECT_TRUE(std::regex_search(r[1], span, std::regex(R"(\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2},\d{4}/)"))) << r[1];
    allIndex |= r[1].back() == '\x04';
  }
  for (int type = 1; type <= 54; ++type) EXPECT_TRUE(types.count(type)) << "type " << type;
  EXPECT_EQ(backupKinds.size(), 4u);
  EXPECT_TRUE(allIndex);
}

TEST_F(DemoTest, SampleRecordingsOfTheLastTwoDaysInTheRecordingLayout) {
  ASSERT_TRUE(Write(Small(m_root)));
  size_t files = 0, bytes = 0;
  for (const auto& entry : fs::recursive_directory_iterator(m_root)) {
    recording::RecordingFile file;
    if (!recording::ParseRelativePath(fs::relative(entry.path(), m_root).string(), &file)) continue;
    ++files;
    bytes += entry.file_size();
    EXPECT_LT(file.cameraIndex, 4u);
    EXPECT_GE(file.start, CDateTime::FromFields(2024, 1, 31));
  }
  EXPECT_EQ(files, 2u * 4 * 24);
  EXPECT_LT(bytes, 20u << 20);

  const std::string bytesOfFile = ReadWholeFile(m_root / "20240201/Cam03/Video/130000.264");
  recording::SampleRecording sample;
  std::string error;
  ASSERT_TRUE(recording::ReadSampleRecording(bytesOfFile, &sample, &error)) << error;
  ASSERT_EQ(sample.frames.size(), 120u);
  for (size_t i : {0u, 1u, 19u, 20u}) {
    const auto& frame = sample.frames[i];
    recording::SampleFrame decoded;
    ASSERT_TRUE(recording::ParseSampleFrame(
        std::string_view(bytesOfFile).substr(frame.offset + recording::kFrameHeadBytes, frame.head.length), &decoded));
    EXPECT_EQ(decoded.cameraIndex, 2u);
    EXPECT_EQ(decoded.number, i);
    EXPECT_EQ(decoded.key, i % 10 == 0);
    EXPECT_EQ(frame.head.IsKey(), decoded.key);
    EXPECT_EQ(decoded.time, CDateTime::FromFields(2024, 2, 1, 13, 0, 0, static_cast<int>(i) * 500));
  }
}

TEST_F(DemoTest, SameSeedGivesSameFilesAndADayDoesNotDependOnTheRange) {
  DemoOptions a = Small(m_temp / "a"), b = Small(m_temp / "b"), c = Small(m_temp / "c");
  b.days = 1;
  c.seed = 2;
  ASSERT_TRUE(Write(a));
  ASSERT_TRUE(Write(b));
  ASSERT_TRUE(Write(c));
  ASSERT_TRUE(Write(Small(m_root)));
  for (const auto& entry : fs::recursive_directory_iterator(m_temp / "a")) {
    if (entry.is_directory()) continue;
    const fs::path relative = fs::relative(entry.path(), m_temp / "a");
    EXPECT_EQ(ReadWholeFile(entry.path()), ReadWholeFile(m_root / relative)) << relative;
  }
  const fs::path lastDay = fs::path("db/EventLog/EventLog_20240201.db");
  EXPECT_EQ(ReadWholeFile(m_temp / "a" / lastDay), ReadWholeFile(m_temp / "b" / lastDay));
  EXPECT_NE(ReadWholeFile(m_temp / "a" / lastDay), ReadWholeFile(m_temp / "c" / lastDay));
  EXPECT_FALSE(fs::exists(m_temp / "b/db/EventLog/EventLog_20240131.db"));
}

TEST_F(DemoTest, RefusesForeignFoldersAndReplacesAnEarlierDemo) {
  std::string error;
  fs::create_directories(m_root);
  std::ofstream(m_root / "notes.txt") << "mine";
  EXPECT_FALSE(Write(Small(m_root), &error));
  EXPECT_NE(error.find(m_root.string()), std::string::npos) << error;
  EXPECT_NE(error.find("not a demo installation"), std::string::npos) << error;
  EXPECT_EQ(ReadWholeFile(m_root / "notes.txt"), "mine");
  EXPECT_FALSE(fs::exists(m_root / "db"));

  // A real installation carries the root marker too, but not the demo's text.
  std::ofstream(m_root / ".logview-install") << "";
  EXPECT_FALSE(Write(Small(m_root), &error));
  EXPECT_FALSE(fs::exists(m_root / "db"));

  std::ofstream(m_temp / "file") << "x";
  EXPECT_FALSE(Write(Small(m_temp / "file"), &error));
  EXPECT_NE(error.find("not a folder"), std::string::npos) << error;

  // An earlier demo with a longer range leaves no day of it behind.
  const fs::path demo = m_temp / "demo";
  DemoOptions longer = Small(demo);
  longer.days = 5;
  ASSERT_TRUE(Write(longer));
  ASSERT_TRUE(fs::exists(demo / "db/SystemLog/SystemLog_20240128.db"));
  ASSERT_TRUE(Write(Small(demo), &error)) << error;
  EXPECT_FALSE(fs::exists(demo / "db/SystemLog/SystemLog_20240128.db"));
  EXPECT_TRUE(fs::exists(demo / "db/SystemLog/SystemLog_20240130.db"));
}

TEST_F(DemoTest, LegacyFilesAndRecordFileMarkers) {
  DemoOptions options = Small(m_root);
  options.legacy = true;
  options.backupMarker = BackupMarker::kBackup;
  ASSERT_TRUE(Write(options));
  EXPECT_FALSE(fs::exists(m_root / "db/EventLog"));
  EXPECT_FALSE(fs::exists(m_root / "db/SystemLog"));
  const Rows events = Query(m_root / "EventLog.db", "SELECT count(*), min(LogTime), max(LogTime) FROM EventLog");
  EXPECT_EQ(events[0][0], std::to_string(7 * 30 + 3 * 120));  // archive days at a quarter of the size
  EXPECT_EQ(events[0][1].substr(0, 8), "20240123");
  EXPECT_EQ(events[0][2].substr(0, 8), "20240201");
  EXPECT_EQ(Query(m_root / "SystemLog.db", "SELECT count(DISTINCT EventNumber) FROM SysLog")[0][0], "54");
  EXPECT_EQ(ReadWholeFile(m_root / "FileRecord.ini").rfind("##Backup##\r\n", 0), 0u);

  options.legacy = false;
  options.backupMarker = BackupMarker::kAutoBackup;
  ASSERT_TRUE(Write(options));
  EXPECT_FALSE(fs::exists(m_root / "EventLog.db"));
  EXPECT_EQ(ReadWholeFile(m_root / "FileRecord.ini").rfind("##AutoBackup##\r\n", 0), 0u);
  options.backupMarker = BackupMarker::kNone;
  ASSERT_TRUE(Write(options));
  const std::string record = ReadWholeFile(m_root / "FileRecord.ini");
  EXPECT_EQ(record.substr(0, record.find('\n')).find("##"), std::string::npos);
}

TEST(DemoOptionsTest, ParseOptionsAndNameWhatIsWrong) {
  auto parse = [](std::vector<const char*> args, DemoOptions* options, std::string* error) {
    args.insert(args.begin(), "logview-demo");
    return ParseDemoOptions(static_cast<int>(args.size()), args.data(), options, error);
  };
  DemoOptions o;
  std::string error;
  ASSERT_EQ(parse({"--days", "30", "--events-per-day", "100000", "--end-date", "2024-02-29", "--seed", "7",
                   "--legacy", "--backup-marker", "autobackup", "--registry-encoding", "utf8", "out"},
                  &o, &error),
            ParseResult::kRun);
  EXPECT_EQ(o.days, 30);
  EXPECT_EQ(o.eventsPerDay, 100000);
  EXPECT_EQ(o.endDate.FormatDate(), "2024/02/29");
  EXPECT_EQ(o.seed, 7u);
  EXPECT_TRUE(o.legacy);
  EXPECT_EQ(o.backupMarker, BackupMarker::kAutoBackup);
  EXPECT_EQ(o.registryEncoding, RegFile::Encoding::kUtf8);
  EXPECT_EQ(o.folder, "out");

  DemoOptions defaults;
  EXPECT_EQ(parse({"dir"}, &defaults, &error), ParseResult::kRun);
  EXPECT_EQ(defaults.days, 21);
  EXPECT_EQ(defaults.eventsPerDay, 400);
  EXPECT_FALSE(defaults.endDate.IsValid()) << "today";
  EXPECT_EQ(parse({"--help", "dir"}, &defaults, &error), ParseResult::kHelp);

  const std::vector<std::pair<std::vector<const char*>, std::string>> wrong = {
      {{"--days", "0", "d"}, "--days"},
      {{"--events-per-day", "12x", "d"}, "--events-per-day"},
      {{"--end-date", "2023-02-29", "d"}, "--end-date"},
      {{"--end-date", "31.01.2024", "d"}, "--end-date"},
      {{"--backup-marker", "yes", "d"}, "none, backup or autobackup"},
      {{"--registry-encoding", "latin1", "d"}, "utf16 or utf8"},
      {{"--colour", "d"}, "unknown option '--colour'"},
      {{"d", "--seed"}, "--seed needs a value"},
      {{"a", "b"}, "more than one folder"},
      {{"--legacy"}, "no folder"}};
  for (const auto& [args, expected] : wrong) {
    DemoOptions bad;
    EXPECT_EQ(parse(args, &bad, &error), ParseResult::kError) << expected;
    EXPECT_NE(error.find(expected), std::string::npos) << error;
  }
}

}  // namespace
