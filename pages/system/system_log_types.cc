#include "pages/system/system_log_types.h"

#include <iterator>

namespace {

// String numbers of the local types 0-54, by type; 0 = no text.
constexpr int kLocalTypeStrings[] = {
    26,                                                                  // 0 All
    27,  28,  29,  30,  31,  32,  33,  34,  35,  36,  37,  38,  39,  40,  // 1-14
    41,  42,  43,  44,  45,  46,  47,  48,                               // 15-22
    54,  55,                                                             // 23, 24
    66,  67,  68,                                                        // 25-27
    69,  70,  71,  72,  73,  74,                                         // 28-33
    0,   0,                                                              // 34, 35
    98,  99,                                                             // 36, 37
    0,                                                                   // 38
    100, 101,                                                            // 39, 40
    0,                                                                   // 41
    110,                                                                 // 42
    177, 178, 179, 180,                                                  // 43-46
    188, 189, 190,                                                       // 47-49
    192,                                                                 // 50
    198, 199, 200,                                                       // 51-53
    201,                                                                 // 54
};
static_assert(std::size(kLocalTypeStrings) == kLastLocalSystemLogType + 1);

constexpr int kRemoteTypeStrings[] = {132, 133, 134, 135, 136, 137, 138, 139, 140};

// Channel operation switches (7) and backups (9) are recorded by other
// parts of the system; the user cannot pick them on their own.
bool IsNeverOffered(int32_t type) { return type == 7 || type == 9; }

// Exports, backups, file record deletions and automatic backups (types
// without text) belong to the export and backup page; channel operation
// switches are not shown at all.
bool IsNeverListed(int32_t type) { return type == 7 || type == 34 || type == 35 || type == 38 || type == 41; }

}  // namespace

int LocalSystemLogTypeString(int32_t type) {
  if (type < 0 || type > kLastLocalSystemLogType) return 0;
  return kLocalTypeStrings[type];
}

int RemoteSystemLogTypeString(int32_t type) {
  if (type < 0 || type >= static_cast<int32_t>(std::size(kRemoteTypeStrings))) return 0;
  return kRemoteTypeStrings[type];
}

std::vector<SystemLogTypeChoice> LocalSystemLogTypeChoices(const SystemLogStatus& switches) {
  std::vector<SystemLogTypeChoice> choices{{kAllSystemLogTypes, LocalSystemLogTypeString(kAllSystemLogTypes)}};
  for (int32_t type = 1; type <= kLastLocalSystemLogType; ++type) {
    const int text = LocalSystemLogTypeString(type);
    if (text != 0 && !IsNeverOffered(type) && SystemTypeOn(switches, type)) choices.push_back({type, text});
  }
  return choices;
}

std::vector<SystemLogTypeChoice> RemoteSystemLogTypeChoices() {
  std::vector<SystemLogTypeChoice> choices;
  for (int32_t type = 0; type < static_cast<int32_t>(std::size(kRemoteTypeStrings)); ++type)
    choices.push_back({type, kRemoteTypeStrings[type]});
  return choices;
}

bool IsLocalSystemLogTypeListed(int32_t type, const SystemLogStatus& switches) {
  return type >= 1 && type <= kLastLocalSystemLogType && !IsNeverListed(type) && SystemTypeOn(switches, type);
}

bool IsRemoteSystemLogTypeListed(int32_t type) { return type < kFirstUnlistedRemoteType; }
