// HeapMeter: how far the heap of the C++ allocations grows while a step
// runs.  Linking this file replaces the global operator new and delete of
// the whole program with ones that count every chunk as the allocator hands
// it out (usable size plus the chunk header).  The counters are not atomic:
// meter only steps that allocate on one thread.
#pragma once

#include <cstddef>

namespace bench {

class HeapMeter {
 public:
  // Starts the measure: the peak so far is the heap now.
  HeapMeter();
  // The highest heap since the start, less the heap at the start.
  size_t PeakGrowth() const;

 private:
  size_t m_before;
};

}  // namespace bench
