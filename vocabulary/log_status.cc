#include "vocabulary/log_status.h"

#include "vocabulary/event_ranges.h"

EventSwitch EventSwitchFor(int n) {
  if (IsEdgeEvent(n)) return &EventLogStatus::edgeEvent;
  if (IsGeneralMotion(n)) return &EventLogStatus::generalMotion;
  if (IsCompoundEvent(n)) return &EventLogStatus::compoundEvent;
  switch (n) {
    case 9:
    case 400: return &EventLogStatus::cameraMotion;
    case 1: return &EventLogStatus::foreignObject;
    case 2: return &EventLogStatus::missingObject;
    case 3: return &EventLogStatus::focusLost;
    case 4: return &EventLogStatus::cameraOcclusion;
    case 50: return &EventLogStatus::signalLost;
    case 100: return &EventLogStatus::diskSpaceExhausted;
    case 101: return &EventLogStatus::systemHealthUnusual;
    case 102: return &EventLogStatus::resourceDepleted;
    case 103: return &EventLogStatus::networkCongestion;
    case 112: return &EventLogStatus::virtualSizeOverhead;
    case 113: return &EventLogStatus::lostRecordDetection;
    case 200: return &EventLogStatus::digitalInput;
    case 600: return &EventLogStatus::recurrent;
    default: return nullptr;
  }
}

SystemSwitch SystemSwitchFor(int t) {
  if (t >= 12 && t <= 14) return &SystemLogStatus::wardix;
  if (t >= 17 && t <= 19) return &SystemLogStatus::liveStreamingServer;
  if (t >= 20 && t <= 22) return &SystemLogStatus::remotePlaybackServer;
  if (t == 25 || t == 26 || t == 43) return &SystemLogStatus::metadata;
  if (t == 27) return &SystemLogStatus::eMap;
  if (t >= 28 && t <= 30) return &SystemLogStatus::remoteDesktop;
  if (t >= 31 && t <= 33) return &SystemLogStatus::centralManagement;
  if (t == 36 || t == 37) return &SystemLogStatus::countingApplication;
  if (t == 44 || t == 45) return &SystemLogStatus::videoAnalytics;
  return nullptr;
}

bool EventTypeOn(const EventLogStatus& status, int eventNumber) {
  const EventSwitch gate = EventSwitchFor(eventNumber);
  return gate == nullptr || status.*gate != 0;
}

bool SystemTypeOn(const SystemLogStatus& status, int localSystemLogType) {
  const SystemSwitch gate = SystemSwitchFor(localSystemLogType);
  return gate == nullptr || status.*gate != 0;
}

EventLogStatus EventSwitchesInEffect(const EventLogStatus& hostSwitches, bool remoteMode) {
  return remoteMode ? hostSwitches : EventLogStatus{};
}

SystemLogStatus SystemSwitchesInEffect(const SystemLogStatus& hostSwitches, bool remoteMode) {
  return remoteMode ? hostSwitches : SystemLogStatus{};
}
