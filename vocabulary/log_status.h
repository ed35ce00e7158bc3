// The switches with which the host turns kinds of event and system log entry
// on and off (EnableEventLog, EnableSystemLog).  Both are plain structures of
// 32-bit integers passed by value; the field order is part of the exported
// interface and must not change.  Non-zero = on; every field starts at 1.
#pragma once

#include <array>
#include <cstdint>

struct EventLogStatus {
  int32_t edgeEvent = 1;            //  1: 30000-40000
  int32_t generalMotion = 1;        //  2: 0 and 5-8
  int32_t cameraMotion = 1;         //  3: 9, and 400 of the remote log
  int32_t foreignObject = 1;        //  4: 1
  int32_t missingObject = 1;        //  5: 2
  int32_t focusLost = 1;            //  6: 3
  int32_t cameraOcclusion = 1;      //  7: 4
  int32_t signalLost = 1;           //  8: 50
  int32_t diskSpaceExhausted = 1;   //  9: 100
  int32_t systemHealthUnusual = 1;  // 10: 101
  int32_t resourceDepleted = 1;     // 11: 102
  int32_t networkCongestion = 1;    // 12: 103
  int32_t virtualSizeOverhead = 1;  // 13: 112
  int32_t digitalInput = 1;         // 14: 200
  int32_t recurrent = 1;            // 15: 600 of the remote log
  int32_t compoundEvent = 1;        // 16: 40001-40128
  int32_t lostRecordDetection = 1;  // 17: 113
};
static_assert(sizeof(EventLogStatus) == 17 * sizeof(int32_t));

struct SystemLogStatus {
  int32_t wardix = 1;                // 1: local types 12-14
  int32_t liveStreamingServer = 1;   // 2: 17-19
  int32_t remotePlaybackServer = 1;  // 3: 20-22
  int32_t metadata = 1;              // 4: 25, 26, 43
  int32_t eMap = 1;                  // 5: 27
  int32_t remoteDesktop = 1;         // 6: 28-30
  int32_t centralManagement = 1;     // 7: 31-33
  int32_t countingApplication = 1;   // 8: 36, 37
  int32_t videoAnalytics = 1;        // 9: 44, 45
};
static_assert(sizeof(SystemLogStatus) == 9 * sizeof(int32_t));

// The fields in interface order (field 1 first), for filling the switches
// from a list of values.
inline constexpr std::array<int32_t EventLogStatus::*, 17> kEventLogStatusFields = {
    &EventLogStatus::edgeEvent,
    &EventLogStatus::generalMotion,
    &EventLogStatus::cameraMotion,
    &EventLogStatus::foreignObject,
    &EventLogStatus::missingObject,
    &EventLogStatus::focusLost,
    &EventLogStatus::cameraOcclusion,
    &EventLogStatus::signalLost,
    &EventLogStatus::diskSpaceExhausted,
    &EventLogStatus::systemHealthUnusual,
    &EventLogStatus::resourceDepleted,
    &EventLogStatus::networkCongestion,
    &EventLogStatus::virtualSizeOverhead,
    &EventLogStatus::digitalInput,
    &EventLogStatus::recurrent,
    &EventLogStatus::compoundEvent,
    &EventLogStatus::lostRecordDetection};
inline constexpr std::array<int32_t SystemLogStatus::*, 9> kSystemLogStatusFields = {
    &SystemLogStatus::wardix,
    &SystemLogStatus::liveStreamingServer,
    &SystemLogStatus::remotePlaybackServer,
    &SystemLogStatus::metadata,
    &SystemLogStatus::eMap,
    &SystemLogStatus::remoteDesktop,
    &SystemLogStatus::centralManagement,
    &SystemLogStatus::countingApplication,
    &SystemLogStatus::videoAnalytics};

// The field that gates a kind, or nullptr for a kind outside every gated range
// (always shown).
using EventSwitch = int32_t EventLogStatus::*;
using SystemSwitch = int32_t SystemLogStatus::*;
EventSwitch EventSwitchFor(int eventNumber);
SystemSwitch SystemSwitchFor(int localSystemLogType);

// Whether the switches let the kind through.
bool EventTypeOn(const EventLogStatus& status, int eventNumber);
bool SystemTypeOn(const SystemLogStatus& status, int localSystemLogType);

// The switches as the pages must read them: the host's switches take effect
// only in remote mode; otherwise every switch counts as on.
EventLogStatus EventSwitchesInEffect(const EventLogStatus& hostSwitches, bool remoteMode);
SystemLogStatus SystemSwitchesInEffect(const SystemLogStatus& hostSwitches, bool remoteMode);
