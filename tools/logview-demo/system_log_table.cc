#include "tools/logview-demo/system_log_table.h"

#include <algorithm>

#include "tools/logview-demo/backup_event_strings.h"

namespace {

// A kind of system log record: its type, a variant of its event string, and
// its share of the day.
struct Kind {
  int type;
  int variant;
  int weight;
};

// Variants of the export and backup strings.
enum { kPlain = 0, kAllIndex = 1, kNoIndex = 2, kCommaPath = 3, kFailed = 4 };

std::vector<Kind> MakeKinds() {
  static const int kTypeWeights[55] = {
      0,  2, 2, 60, 10, 6, 6, 4, 8, 2, 3, 3, 1, 1, 1, 5, 25, 1, 1, 1, 1, 1, 1, 12, 1, 2, 2, 1,
      2,  2, 1, 1,  1,  1, 15, 6, 1, 1, 2, 12, 2, 4, 5, 1, 1, 1, 6, 1, 1, 1, 4, 1,  1, 1, 50};
  std::vector<Kind> kinds;
  for (int type = 1; type <= 54; ++type) kinds.push_back({type, kPlain, kTypeWeights[type]});
  kinds.insert(kinds.end(), {{34, kAllIndex, 3}, {34, kNoIndex, 2}, {34, kCommaPath, 2}, {34, kFailed, 1},
                             {35, kCommaPath, 2}, {35, kNoIndex, 1}, {35, kAllIndex, 2}, {38, kAllIndex, 1},
                             {41, kFailed, 2},    {41, kNoIndex, 1}});
  return kinds;
}

struct SysRecord {
  std::string text;
  int param1 = -1;
};

class SystemTextMaker {
 public:
  SystemTextMaker(const DemoDay& day, DemoRandom& random) : m_day(day), m_world(day.world), m_random(random) {}

  SysRecord Make(const Kind& kind, int second) {
    SysRecord r;
    const std::string user = m_world.users[static_cast<size_t>(m_random.Below(static_cast<int>(m_world.users.size())))];
    switch (kind.type) {
      case 1: r.text = "Vantor started as a service"; break;
      case 2: r.text = "Vantor shut down by " + user; break;
      case 3:
        m_sessions.push_back(user);
        r.text = user + Format(" logged in from 192.168.1.%d", m_random.Between(20, 60));
        break;
      case 4:
        r.text = Format("Login failed for user \"%s\" from 192.168.1.%d (wrong password)",
                        m_random.Percent(50) ? "guest" : user.c_str(), m_random.Between(20, 90));
        break;
      case 5: r.text = "Schedule \"Business Hours\" started"; break;
      case 6: r.text = "Schedule \"Business Hours\" stopped"; break;
      case 7:
        r.param1 = Channel();
        r.text = Format("Channel %02d switched to %s recording", r.param1 + 1,
                        m_random.Percent(50) ? "continuous" : "motion");
        break;
      case 8:
        r.text = Format("Recycled %d files (%d.%d GB) on drive D:", m_random.Between(4, 60), m_random.Between(8, 90),
                        m_random.Below(10));
        break;
      case 9: r.text = "Backup job \"Nightly\" executed by " + user; break;
      case 10: case 11:
        r.param1 = Channel();
        r.text = Format("Channel %02d %s by %s", r.param1 + 1, kind.type == 10 ? "enabled" : "disabled", user.c_str());
        break;
      case 12: r.text = "Wardix started"; break;
      case 13: r.text = "Wardix stopped"; break;
      case 14: r.text = "Wardix settings modified by " + user; break;
      case 15:
        r.param1 = Channel();
        r.text = Format("Recording schedule of channel %02d modified by %s", r.param1 + 1, user.c_str());
        break;
      case 16:
        r.text = m_world.configurationTexts[static_cast<size_t>(
            m_random.Below(static_cast<int>(m_world.configurationTexts.size())))];
        break;
      case 17: case 18: case 19: r.text = Service("Live streaming server", kind.type - 17, user, 8080); break;
      case 20: case 21: case 22: r.text = Service("Remote playback server", kind.type - 20, user, 5161); break;
      case 23: case 39: case 42: {
        r.param1 = Channel();
        const std::string& address = m_world.cameras[static_cast<size_t>(r.param1)].address;
        r.text = kind.type == 23   ? "IP camera " + address + " connection lost"
                 : kind.type == 39 ? "IP camera " + address + " connection regained"
                                   : "IP camera " + address + " parameters changed: 1920x1080, 25 fps, H.264";
        break;
      }
      case 24: r.text = "Windows restart requested by " + user; break;
      case 25: r.text = "Metadata source \"Register 1\" settings modified by " + user; break;
      case 26: r.text = "Metadata source \"Register 2\" (192.168.1.92:4000) connection lost"; break;
      case 27: r.text = "E-Map \"Ground Floor\" modified by " + user; break;
      case 28: case 29: case 30: r.text = Service("Remote desktop service", kind.type - 28, user, 5900); break;
      case 31: case 32: case 33: r.text = Service("Central management service", kind.type - 31, user, 5180); break;
      case 34: r = ExportVideo(kind.variant, user, second); break;
      case 35: r.text = Backup(kind.variant, user, second); break;
      case 36: r.text = "Counting application started"; break;
      case 37: r.text = "Counting application stopped"; break;
      case 38:
        r.text = DeleteFileRecordString(true, Span(user, second), Cameras(2),
                                        kind.variant == kAllIndex ? kAllRecords : "2,3");
        break;
      case 40: r.text = Format("Synchronised %d users from domain CORP", m_random.Between(12, 80)); break;
      case 41: r.text = AutoBackup(kind.variant); break;
      case 43: r.text = "Metadata plug-in \"Generic POS\" updated to version 2.3"; break;
      case 44: r.text = "Adv Intelligent Video Surveillance started"; break;
      case 45: r.text = "Adv Intelligent Video Surveillance stopped"; break;
      case 46: {
        static const char* const notes[] = {"UPS switched to battery power", "Disk D: health check passed",
                                            "Time synchronised with time server 192.168.1.1"};
        r.text = notes[m_random.Below(3)];
        break;
      }
      case 47: case 48: case 49: r.text = Service("Report server", kind.type - 47, user, 8090); break;
      case 50:
        r.param1 = Channel();
        r.text = Format("Recording issue on channel %02d: write delay %d s", r.param1 + 1, m_random.Between(2, 9));
        break;
      case 51: case 52: case 53: r.text = Service("RTSP service", kind.type - 51, user, 554); break;
      case 54:  // the user of the oldest open session, if any
        r.text = (m_sessions.empty() ? user : m_sessions.front()) + " logged out";
        if (!m_sessions.empty()) m_sessions.erase(m_sessions.begin());
        break;
    }
    return r;
  }

 private:
  int Channel() { return m_random.Below(static_cast<int>(m_world.cameras.size())); }

  // Cameras named in export strings: the recorder's own channels.
  const std::string& CameraName(int channel) { return m_world.cameras[static_cast<size_t>(channel)].name; }

  std::string Cameras(int count) {
    const int first = m_random.Below(16 - count);
    std::string list;
    for (int i = 0; i < count; ++i) list += (i == 0 ? "" : ",") + CameraName(first + i);
    return list;
  }

  static std::string Service(const char* name, int action, const std::string& user, int port) {
    if (action == 0) return Format("%s started on port %d", name, port);
    if (action == 1) return Format("%s stopped", name);
    return Format("%s settings modified by %s", name, user.c_str());
  }

  // Video of up to two hours that ended before the moment of the record.
  VideoSpan Span(const std::string& user, int second) {
    const int end = second - m_random.Between(300, 20000);
    return {user, m_day.ListTime(end - m_random.Between(30, 7200)), m_day.ListTime(end)};
  }

  std::string Stamp(int second) {
    const CDateTime::Fields f =
        (m_day.midnight + static_cast<int64_t>(second) * CDateTime::kTicksPerSecond).Split();
    return Format("%04d%02d%02d_%02d%02d%02d", f.year, f.month, f.day, f.hour, f.minute, f.second);
  }

  SysRecord ExportVideo(int variant, const std::string& user, int second) {
    SysRecord r;
    r.param1 = m_random.Below(16);
    std::string fileName = CameraName(r.param1);
    std::replace(fileName.begin(), fileName.end(), ' ', '_');
    const std::string path = variant == kCommaPath ? "E:\\Cases\\Case 2024-117, " + CameraName(r.param1) + "\\clip_01.avi"
                                                   : "D:\\Export\\" + fileName + "_" + Stamp(second) + ".avi";
    static const char* const tools[] = {"None", "Watermark", "Privacy Mask"};
    const std::string index = variant == kAllIndex    ? kAllRecords
                              : variant == kNoIndex   ? std::string()
                              : variant == kCommaPath ? "1,3"
                                                      : std::to_string(m_random.Between(1, 4));
    r.text = ExportVideoString(variant != kFailed, Span(user, second), CameraName(r.param1), path,
                               m_random.Percent(40), m_random.Percent(50) ? "AVI" : "MP4",
                               m_random.Percent(60) ? "1920x1080" : "1280x720", tools[m_random.Below(3)], index);
    return r;
  }

  std::string Backup(int variant, const std::string& user, int second) {
    const std::string path = variant == kCommaPath ? "\\\\nas01\\backup\\Site A, Building 2\\" + Stamp(second)
                                                   : "F:\\Backup\\" + Stamp(second);
    const std::string index = variant == kAllIndex ? kAllRecords : variant == kNoIndex ? std::string() : "1";
    return BackupString(true, Span(user, second), Cameras(m_random.Between(2, 4)), path,
                        m_random.Percent(70) ? "Yes" : "No", index);
  }

  // The nightly automatic backup of the day before.
  std::string AutoBackup(int variant) {
    static const char* const reasons[] = {"Destination disk full", "Network share not reachable",
                                          "Destination path not found"};
    const CDateTime yesterday = m_day.midnight - CDateTime::kTicksPerDay;
    const CDateTime::Fields f = yesterday.Split();
    return AutoBackupString(variant != kFailed, m_day.ListTime(-86400), m_day.ListTime(-1),
                            Cameras(m_random.Between(3, 6)), Format("\\\\nas01\\autobackup\\%04d%02d%02d", f.year, f.month, f.day),
                            variant == kFailed ? reasons[m_random.Below(3)] : "", "Yes",
                            variant == kNoIndex ? std::string() : kAllRecords);
  }

  const DemoDay& m_day;
  const DemoWorld& m_world;
  DemoRandom& m_random;
  std::vector<std::string> m_sessions;  // users logged in and not yet out
};

}  // namespace

const char* SystemLogTable::CreateSql() const {
  return "CREATE TABLE SysLog (Id INTEGER PRIMARY KEY, LogTime INTEGER, EventNumber INTEGER, EventString TEXT, "
         "Param1 INTEGER, Param2 INTEGER, Param3 INTEGER, Param4 INTEGER, Param5 INTEGER);";
}

const char* SystemLogTable::InsertSql() const {
  return "INSERT INTO SysLog (LogTime, EventNumber, EventString, Param1, Param2, Param3, Param4, Param5) "
         "VALUES (?, ?, ?, ?, -1, -1, -1, -1);";
}

bool SystemLogTable::WriteDay(const DemoDay& day, SqliteStatement& insert, std::string* error) {
  static const std::vector<Kind> kinds = MakeKinds();
  std::vector<int> weights;
  for (const Kind& k : kinds) weights.push_back(k.weight);

  DemoRandom random = day.Random(7);
  const int count = std::max(static_cast<int>(kinds.size()), day.eventsPerDay / 4);
  const std::vector<int> times = TimesOfDay(random, count);
  const std::vector<int> plan = PlanKinds(random, count, weights, day.DayNumber());
  SystemTextMaker maker(day, random);
  for (int i = 0; i < count; ++i) {
    const Kind& kind = kinds[static_cast<size_t>(plan[static_cast<size_t>(i)])];
    const int second = times[static_cast<size_t>(i)];
    const SysRecord r = maker.Make(kind, second);
    insert.Bind(1, day.LogTime(second)).Bind(2, kind.type).Bind(3, r.text);
    if (!insert.Bind(4, r.param1).Run(error)) return false;
  }
  return true;
}
