// Timing of the benchmark rounds: seconds since a moment of the steady
// clock or of the process's CPU time, and the median of a round's
// measurements.
#pragma once

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

// CPU seconds the process has used: a single-threaded step timed by these
// is not charged for the other programs of a shared machine.
inline double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// A clock of CPU seconds for the steps timed as Seconds(CpuClock::now()).
struct CpuClock {
  static double now() { return CpuSeconds(); }
};
inline double Seconds(double cpuSince) { return CpuSeconds() - cpuSince; }

// The upper median: `values` must not be empty.
inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace bench
