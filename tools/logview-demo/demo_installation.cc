#include "tools/logview-demo/demo_installation.h"

#include <algorithm>
#include <filesystem>

#include "platform/env.h"
#include "platform/paths.h"
#include "tools/logview-demo/filter_files.h"
#include "tools/logview-demo/ini_files.h"
#include "tools/logview-demo/language_files.h"
#include "tools/logview-demo/log_file_writer.h"
#include "tools/logview-demo/registry_writer.h"
#include "tools/logview-demo/sample_recordings.h"
#include "tools/logview-demo/vxpp_service_files.h"

namespace fs = std::filesystem;

namespace {

bool IsDemoInstallation(const std::string& folder) {
  std::string marker;
  return platform::Env::Default()->ReadFile(platform::JoinPath(folder, platform::kInstallRootMarker), &marker) &&
         marker == kDemoMarkerText;
}

// Makes `folder` ready: created when missing, emptied of the log databases
// of an earlier demo installation, refused when it holds anything else.
bool PrepareFolder(const std::string& folder, std::string* error) {
  std::error_code ec;
  if (!fs::exists(folder, ec)) {
    if (!fs::create_directories(folder, ec)) {
      *error = folder + ": cannot create the folder: " + ec.message();
      return false;
    }
    return true;
  }
  if (!fs::is_directory(folder, ec)) {
    *error = folder + ": not a folder";
    return false;
  }
  if (fs::directory_iterator(folder, ec) == fs::directory_iterator()) {
    if (ec) *error = folder + ": cannot list the folder: " + ec.message();
    return !ec;
  }
  if (!IsDemoInstallation(folder)) {
    *error = folder + ": the folder is not empty and is not a demo installation (no " +
             platform::kInstallRootMarker + " written by logview-demo); refusing to write into it";
    return false;
  }
  for (const char* old : {"db/EventLog", "db/SystemLog", "EventLog.db", "SystemLog.db"}) {
    fs::remove_all(platform::JoinPath(folder, old), ec);
    if (ec) {
      *error = platform::JoinPath(folder, old) + ": cannot remove: " + ec.message();
      return false;
    }
  }
  return RemoveSampleRecordings(folder, error);
}

bool WriteFile(const std::string& folder, const char* name, const std::string& contents, std::string* error) {
  const std::string path = platform::JoinPath(folder, name);
  std::error_code ec;
  fs::create_directories(fs::path(path).parent_path(), ec);
  if (platform::Env::Default()->WriteFileAtomic(path, contents)) return true;
  *error = path + ": cannot write the file";
  return false;
}

// Writes the databases of one log ("EventLog" or "SystemLog"): the archive
// with the days before the range and one file per day, or, legacy, one file
// with everything.
class LogWriter {
 public:
  LogWriter(const DemoOptions& options, const CDateTime& lastDay, const DemoProgress& progress)
      : m_options(options), m_lastDay(lastDay), m_progress(progress) {}

  bool Write(const char* logName, LogFileWriter writer, std::string* error) {
    const bool ok = m_options.legacy ? WriteLegacy(logName, writer) : WriteFolder(logName, writer);
    if (!ok) *error = writer.Error();
    return ok;
  }

 private:
  CDateTime Day(int index) const {  // index 0 is the first day of the range
    return m_lastDay - static_cast<int64_t>(m_options.days - 1 - index) * CDateTime::kTicksPerDay;
  }
  DemoDay Archived(int index) const {  // index 0 .. kArchiveDays-1, before the range
    return {TheDemoWorld(), Day(index - kArchiveDays), std::max(1, m_options.eventsPerDay / 4), m_options.seed};
  }
  DemoDay Daily(int index) const { return {TheDemoWorld(), Day(index), m_options.eventsPerDay, m_options.seed}; }

  // The counting results of the days of the year before the archive's days.
  bool WriteCountingYear(LogFileWriter& writer) {
    if (!writer.HasCountingTables()) return true;
    for (int i = kArchiveDays + m_options.days; i < kCountingDays; ++i) {
      const DemoDay day{TheDemoWorld(), Day(m_options.days - 1 - i), m_options.eventsPerDay, m_options.seed};
      if (!writer.WriteDay(day, LogFileWriter::kCountingOnly)) return false;
    }
    return true;
  }

  bool WriteFolder(const char* logName, LogFileWriter& writer) {
    const std::string folder = platform::JoinPath(m_options.folder, std::string("db/") + logName);
    std::error_code ec;
    fs::create_directories(folder, ec);
    const std::string archive = std::string(logName) + "Old.db";
    if (!writer.Create(platform::JoinPath(folder, archive)) || !WriteCountingYear(writer)) return false;
    for (int i = 0; i < kArchiveDays; ++i)
      if (!writer.WriteDay(Archived(i))) return false;
    if (!writer.Close()) return false;
    m_progress(std::string("db/") + logName + "/" + archive);
    for (int i = 0; i < m_options.days; ++i) {
      const std::string name = Day(i).DailyFileName(logName);
      if (!writer.Create(platform::JoinPath(folder, name)) || !writer.WriteDay(Daily(i)) || !writer.Close())
        return false;
      m_progress(std::string("db/") + logName + "/" + name + " (" + std::to_string(i + 1) + "/" +
                 std::to_string(m_options.days) + ")");
    }
    return true;
  }

  bool WriteLegacy(const char* logName, LogFileWriter& writer) {
    const std::string name = std::string(logName) + ".db";
    if (!writer.Create(platform::JoinPath(m_options.folder, name)) || !WriteCountingYear(writer)) return false;
    for (int i = 0; i < kArchiveDays; ++i)
      if (!writer.WriteDay(Archived(i))) return false;
    for (int i = 0; i < m_options.days; ++i)
      if (!writer.WriteDay(Daily(i))) return false;
    m_progress(name);
    return writer.Close();
  }

  const DemoOptions& m_options;
  CDateTime m_lastDay;
  const DemoProgress& m_progress;
};

}  // namespace

bool WriteDemoInstallation(const DemoOptions& options, const DemoProgress& progress, std::string* error) {
  const std::string& root = options.folder;
  if (!PrepareFolder(root, error)) return false;
  // The marker first: an interrupted run leaves a folder that the next run may replace.
  if (!WriteFile(root, platform::kInstallRootMarker, kDemoMarkerText, error)) return false;

  CDateTime lastDay = options.endDate;
  if (!lastDay.IsValid()) {
    const CDateTime::Fields now = CDateTime::Now().Split();
    lastDay = CDateTime::FromFields(now.year, now.month, now.day);
  }
  LogWriter logs(options, lastDay, progress);
  if (!logs.Write("EventLog", LogFileWriter::ForEventLog(), error)) return false;
  if (!logs.Write("SystemLog", LogFileWriter::ForSystemLog(), error)) return false;
  if (!WriteSampleRecordings(root, lastDay, options.days, error)) return false;

  const DemoWorld& world = TheDemoWorld();
  return WriteFile(root, "registry.reg", RegistryFileContents(world, options.registryEncoding), error) &&
         WriteFile(root, "vx_config.ini", VxConfigIni(), error) &&
         WriteFile(root, "FileRecord.ini", FileRecordIni(options.backupMarker), error) &&
         WriteFile(root, "SupportedEdgeEventListOfDP.ini", SupportedEdgeEventIni(world), error) &&
         WriteFile(root, "IVSConfigForBackup.ini", IvsConfigForBackupIni(world), error) &&
         WriteFile(root, "db/filter/CombinedCounterFilter.xml", CombinedCounterFilterXml(world), error) &&
         WriteFile(root, "db/filter/IVS.xml", IvsFilterXml(world), error) &&
         WriteFile(root, "vxpp-users.ini", VxppUsersIni(world), error) &&
         WriteFile(root, "vxpp-server.ini", VxppServerIni(world), error) &&
         WriteFile(root, "vxpp-pos.ini", VxppPosIni(world), error) &&
         CopyLanguageFiles(DemoDataFolder(), root, error);
}
