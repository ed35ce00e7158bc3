// The three counting records: basic counting per camera (CounterLog),
// counting by an analytics device (IVSCounterLog) and combined counters
// (CombinedCounterLog).  Plain values, the same for local and remote logs.
#pragma once

#include <cstdint>
#include <string>

#include "vocabulary/date_time.h"

struct CounterLog {
  CDateTime LogTime;
  int32_t ChannelIndex = 0;  // 0-based; negative when not given
  uint32_t CameraId = 0;
  int32_t CountIn = 0;
  int32_t CountOut = 0;

  bool operator==(const CounterLog&) const = default;
};

struct IVSCounterLog {
  CDateTime LogTime;
  uint32_t IVSDeviceId = 0;
  uint32_t DeviceId = 0;
  uint32_t CounterId = 0;
  std::string CounterName;    // as the device reports it
  int32_t CounterType = 0;    // 1 counts up, 2 counts down, else a plain reading
  int32_t CounterResult = 0;
  int32_t Reset = 0;          // non-zero: the counter was reset after this reading

  bool operator==(const IVSCounterLog&) const = default;
};

struct CombinedCounterLog {
  static constexpr uint32_t kNoCounter = 4294967295u;

  CDateTime LogTime;
  uint32_t CounterID = kNoCounter;
  int32_t CounterResult = 0;

  bool operator==(const CombinedCounterLog&) const = default;
};
