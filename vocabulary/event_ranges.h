// Event numbers with a fixed meaning.  Pages, queries and the protocol client
// decide by these ranges how a stored event is offered, queried and shown.
#pragma once

constexpr bool IsGeneralMotionVariant(int n) { return n >= 5 && n <= 8; }
// 0 and its variants 5-8, which are listed and filtered together with 0.
constexpr bool IsGeneralMotion(int n) { return n == 0 || IsGeneralMotionVariant(n); }
// The video analytics events of the catalogue.
constexpr bool IsVideoAnalyticsEvent(int n) { return (n >= 1 && n <= 4) || n == 9; }
constexpr bool IsSignalLost(int n) { return n == 50; }
// Disk, health, resources, network, virtual size, lost record: no camera.
constexpr bool IsSystemEvent(int n) { return (n >= 100 && n <= 103) || n == 112 || n == 113; }
// The camera id of a digital input record is the input's device; -2 = none.
constexpr bool IsDigitalInput(int n) { return n == 200; }
constexpr unsigned kNoInputDevice = 4294967294u;  // -2 as an unsigned camera id
// Camera motion and recurrent events of a remote server: remote mode only.
constexpr bool IsRemoteOnlyEvent(int n) { return n == 400 || n == 600; }
// Queried by channel index and returned in ascending time.
constexpr bool IsChannelIndexedEvent(int n) { return n >= 10000 && n <= 19999; }
// Named from the device's supported edge event list.
constexpr bool IsEdgeEvent(int n) { return n >= 30000 && n <= 40000; }
// Listed as one type "Compound Event" and queried as one range.
constexpr int kFirstCompoundEventNumber = 40001;
constexpr int kLastCompoundEventNumber = 40128;
constexpr bool IsCompoundEvent(int n) {
  return n >= kFirstCompoundEventNumber && n <= kLastCompoundEventNumber;
}
