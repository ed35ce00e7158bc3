// DemoOptions: what the command line of logview-demo asks for, and its parser.
#pragma once

#include <cstdint>
#include <string>

#include "vocabulary/date_time.h"
#include "tools/logview-demo/ini_files.h"
#include "tools/logview-demo/registry_file.h"

struct DemoOptions {
  int days = 21;
  int eventsPerDay = 400;
  CDateTime endDate = CDateTime::Null();  // midnight of the last day; null: today
  uint64_t seed = 1;
  bool legacy = false;  // single EventLog.db / SystemLog.db in the root
  BackupMarker backupMarker = BackupMarker::kNone;
  RegFile::Encoding registryEncoding = RegFile::Encoding::kUtf16;
  std::string folder;

  static constexpr int kMaxDays = 3660;
  static constexpr int kMaxEventsPerDay = 5000000;
};

enum class ParseResult { kRun, kHelp, kError };

// Reads argv[1..]; on kError `error` names the argument that was wrong.
ParseResult ParseDemoOptions(int argc, const char* const* argv, DemoOptions* options, std::string* error);

const char* DemoUsage();
