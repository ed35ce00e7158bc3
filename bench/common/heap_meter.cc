#include "bench/common/heap_meter.h"

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <new>

namespace {

size_t g_heapNow = 0;
size_t g_heapPeak = 0;

void* Allocate(size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) throw std::bad_alloc();
  g_heapNow += malloc_usable_size(p) + sizeof(size_t);
  g_heapPeak = std::max(g_heapPeak, g_heapNow);
  return p;
}

void Release(void* p) {
  if (p == nullptr) return;
  g_heapNow -= malloc_usable_size(p) + sizeof(size_t);
  std::free(p);
}

}  // namespace

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, size_t) noexcept { Release(p); }
void operator delete[](void* p, size_t) noexcept { Release(p); }

namespace bench {

HeapMeter::HeapMeter() : m_before(g_heapNow) { g_heapPeak = g_heapNow; }

size_t HeapMeter::PeakGrowth() const { return g_heapPeak - m_before; }

}  // namespace bench
