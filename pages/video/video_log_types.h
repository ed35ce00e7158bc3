// The kinds of system log record the export and backup page lists: for the
// local recorder and for a remote one, each kind's system log event number
// (the search filter) and the string number of its text.  Plain tables.
#pragma once

#include <cstdint>
#include <span>

struct VideoLogType {
  int32_t eventNumber;  // 0: "All", no filter
  int stringNumber;
};

// "All", Export Video (34), Backup (35), Delete File Record (38), Auto
// Backup (41).
std::span<const VideoLogType> LocalVideoLogTypes();
// "All", Export Video (100), Backup (101), Auto Backup (102), Snapshot
// (103), Export Log (104).
std::span<const VideoLogType> RemoteVideoLogTypes();

// The entry of `eventNumber` in `types`, or null when it has none (0 and
// numbers outside the table).
const VideoLogType* FindVideoLogType(std::span<const VideoLogType> types, int32_t eventNumber);
