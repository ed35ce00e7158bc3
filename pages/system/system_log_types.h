// The kinds of system log entry the system log page knows: the text of each
// local and remote log type, which types its type selector offers, and which
// records its list takes.  Plain tables, read on the user-interface thread.
#pragma once

#include <cstdint>
#include <vector>

#include "vocabulary/log_status.h"

// The item value of "All": the search then takes every type.
constexpr int32_t kAllSystemLogTypes = 0;
// Local types run from 1 to this.
constexpr int32_t kLastLocalSystemLogType = 54;
// Remote records of this type or above are no entries of the log.
constexpr int32_t kFirstUnlistedRemoteType = 100;

// String number of the text of a local type, 26 ("All") for type 0; 0 for a
// type without text (34, 35, 38, 41 and any outside 0-54).
int LocalSystemLogTypeString(int32_t type);
// The same for the remote types 0 ("All", 132) to 8 ("Recording History").
int RemoteSystemLogTypeString(int32_t type);

// One entry of a type selector: its item value and the string number of its
// text.
struct SystemLogTypeChoice {
  int32_t value;
  int stringNumber;
  friend bool operator==(const SystemLogTypeChoice&, const SystemLogTypeChoice&) = default;
};

// The local selector's entries in order: "All" first, then each type with a
// text whose switch is on, but never 7 or 9 (their records are listed under
// "All" only).  `switches` are those in effect (SystemSwitchesInEffect).
std::vector<SystemLogTypeChoice> LocalSystemLogTypeChoices(const SystemLogStatus& switches);
// The remote selector's entries: the nine remote types in order.
std::vector<SystemLogTypeChoice> RemoteSystemLogTypeChoices();

// Whether the list takes a record of this local type: 1-54 with its switch
// on, but not 7, 34, 35, 38 or 41 (the export and backup page lists those).
bool IsLocalSystemLogTypeListed(int32_t type, const SystemLogStatus& switches);
// Whether the list takes a record of this remote type.
bool IsRemoteSystemLogTypeListed(int32_t type);
