// The command line of vxpp-backup:
//   vxpp-backup --server HOST[:PORT] --login USER[:PASSWORD]
//               --from 'YYYY-MM-DD HH:MM:SS' --to 'YYYY-MM-DD HH:MM:SS'
//               [--cameras N,M,...] [--size-only] DIR
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tools/common/command_line_values.h"

constexpr int kBackupExitFailed = 2;
constexpr int kBackupExitUsage = 64;

struct BackupOptions {
  std::string host;
  int port = 5160;
  std::pair<std::string, std::string> login;
  CalendarTime from, to;
  // Camera numbers as the installation names them (Cam01 is 1); empty: all.
  std::vector<int> cameras;
  bool sizeOnly = false;
  std::string folder;
};

enum class BackupParse { kRun, kHelp, kUsageError };

// `error` names the option or value that is wrong.
BackupParse ParseBackupOptions(int argc, char** argv, BackupOptions* options, std::string* error);
const char* BackupUsage();
