#include "tools/logview-demo/demo_options.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool ReadNumber(const char* text, long long low, long long high, long long* out) {
  if (*text == '\0') return false;
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(text, &end, 10);
  if (errno != 0 || *end != '\0' || value < low || value > high) return false;
  *out = value;
  return true;
}

// "YYYY-MM-DD" naming a day that exists.
bool ReadDate(const char* text, CDateTime* out) {
  int year, month, day;
  char tail;
  if (std::strlen(text) != 10 || std::sscanf(text, "%4d-%2d-%2d%c", &year, &month, &day, &tail) != 3) return false;
  if (year < 1900 || year > 9999 || day < 1) return false;
  const CDateTime date = CDateTime::FromFields(year, month, day);
  if (!date.IsValid() || date.Split().day != day) return false;  // 2023-02-29 would roll over
  *out = date;
  return true;
}

}  // namespace

const char* DemoUsage() {
  return "usage: logview-demo [options] DIR\n"
         "\n"
         "Writes a demo installation of the log viewer into DIR: daily event and\n"
         "system log databases with their archives, registry.reg, vx_config.ini,\n"
         "FileRecord.ini, the filter files and the edge event and IVS ini files.\n"
         "DIR must be empty, missing, or an earlier demo installation (which is\n"
         "replaced).  The same seed and end date always give the same files.\n"
         "\n"
         "options:\n"
         "  --days N                days of daily files, ending at the end date (default 21)\n"
         "  --events-per-day N      events of each day's EventLog table (default 400); the\n"
         "                          system log, register and edge records scale with it\n"
         "  --end-date YYYY-MM-DD   the last day (default today)\n"
         "  --seed N                seed of the generated content (default 1)\n"
         "  --legacy                one EventLog.db and SystemLog.db in DIR instead of the\n"
         "                          db/EventLog and db/SystemLog folders\n"
         "  --backup-marker none|backup|autobackup\n"
         "                          first line of FileRecord.ini (default none)\n"
         "  --registry-encoding utf16|utf8\n"
         "                          registry.reg as UTF-16LE version 5.00 (default) or as\n"
         "                          REGEDIT4 in UTF-8\n"
         "  --help                  this text\n"
         "  --version               the version\n";
}

ParseResult ParseDemoOptions(int argc, const char* const* argv, DemoOptions* options, std::string* error) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") return ParseResult::kHelp;
    if (arg == "--legacy") {
      options->legacy = true;
      continue;
    }
    if (arg.rfind("--", 0) != 0) {
      if (!options->folder.empty()) {
        *error = "more than one folder given: '" + options->folder + "' and '" + arg + "'";
        return ParseResult::kError;
      }
      options->folder = arg;
      continue;
    }
    if (arg != "--days" && arg != "--events-per-day" && arg != "--end-date" && arg != "--seed" &&
        arg != "--backup-marker" && arg != "--registry-encoding") {
      *error = "unknown option '" + arg + "'";
      return ParseResult::kError;
    }
    if (i + 1 >= argc) {
      *error = "option " + arg + " needs a value";
      return ParseResult::kError;
    }
    const char* value = argv[++i];
    long long number = 0;
    bool ok = true;
    std::string expected;
    if (arg == "--days") {
      ok = ReadNumber(value, 1, DemoOptions::kMaxDays, &number);
      options->days = static_cast<int>(number);
      expected = "a number from 1 to " + std::to_string(DemoOptions::kMaxDays);
    } else if (arg == "--events-per-day") {
      ok = ReadNumber(value, 1, DemoOptions::kMaxEventsPerDay, &number);
      options->eventsPerDay = static_cast<int>(number);
      expected = "a number from 1 to " + std::to_string(DemoOptions::kMaxEventsPerDay);
    } else if (arg == "--seed") {
      ok = ReadNumber(value, 0, INT64_MAX, &number);
      options->seed = static_cast<uint64_t>(number);
      expected = "a non-negative number";
    } else if (arg == "--end-date") {
      ok = ReadDate(value, &options->endDate);
      expected = "a date YYYY-MM-DD from 1900 to 9999";
    } else if (arg == "--backup-marker") {
      const std::string v = value;
      ok = v == "none" || v == "backup" || v == "autobackup";
      options->backupMarker = v == "backup"       ? BackupMarker::kBackup
                              : v == "autobackup" ? BackupMarker::kAutoBackup
                                                  : BackupMarker::kNone;
      expected = "none, backup or autobackup";
    } else {
      const std::string v = value;
      ok = v == "utf16" || v == "utf8";
      options->registryEncoding = v == "utf8" ? RegFile::Encoding::kUtf8 : RegFile::Encoding::kUtf16;
      expected = "utf16 or utf8";
    }
    if (!ok) {
      *error = "bad value '" + std::string(value) + "' for " + arg + ": expected " + expected;
      return ParseResult::kError;
    }
  }
  if (options->folder.empty()) {
    *error = "no folder given";
    return ParseResult::kError;
  }
  return ParseResult::kRun;
}
