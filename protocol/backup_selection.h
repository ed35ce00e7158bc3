// BackupSelection: what a backup, a record-size query or a deletion covers.
// The commands send it as their request headers (vxpp_backup_commands.cc);
// vxpp-server reads the same headers back.
#pragma once

#include <cstdint>
#include <string>

#include "vocabulary/date_time.h"
#include "vocabulary/vx_bitset.h"

struct BackupSelection {
  // Bit i: camera index i of the server's camera list.  Only the first 64
  // travel ("Selected-Cameras"); the list text carries the rest, when the
  // caller fills it.
  VxBitset<128> cameras;
  std::string camerasList;
  // Not valid: that end of the range is open ("null" on the wire).
  CDateTime start = CDateTime::Null();
  CDateTime end = CDateTime::Null();
  bool includeExeFiles = false;
  int includeEventLog = 1;
  int includeCounterLog = 1;
  int includeSystemLog = 1;
  int includePosRecord = 1;
  int includeIVSCounterLog = 1;
  int includeIVSEventLog = 1;
  int includeIVSDisplayRecord = 1;
  int isAutoBackup = 0;
  int firstBackupInAutoBackup = 0;
  int selectedRecordIndex = 0;
  // Set when the backup runs through a fail-over login: the server that
  // took over and its on-guard service port.  "127.0.0.1" and "localhost"
  // are sent as this machine's IPv4 address.
  std::string failoverLoginServer;
  int onGuardServicePort = 0;
};

// The "Selected-Cameras" number: bit i is camera index i, for i below 64.
inline uint64_t FirstCameraWord(const VxBitset<128>& cameras) {
  uint64_t word = 0;
  for (size_t i = 0; i < 64; ++i)
    if (cameras.test(i)) word |= uint64_t{1} << i;
  return word;
}
