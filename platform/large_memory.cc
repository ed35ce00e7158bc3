#include "platform/large_memory.h"

#include <sys/mman.h>

#include <cstdlib>

namespace platform {
namespace {

constexpr size_t kHugePage = size_t{2} << 20;

bool IsLarge(size_t bytes) { return bytes >= kHugePage; }

}  // namespace

void* AllocateLarge(size_t bytes) {
  if (!IsLarge(bytes)) return ::operator new(bytes);
  const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
  if (rounded < bytes) throw std::bad_alloc();
  void* memory = std::aligned_alloc(kHugePage, rounded);
  if (memory == nullptr) throw std::bad_alloc();
  ::madvise(memory, rounded, MADV_HUGEPAGE);  // advice only: without huge pages the memory is as good
  return memory;
}

void FreeLarge(void* memory, size_t bytes) noexcept {
  if (IsLarge(bytes))
    std::free(memory);
  else
    ::operator delete(memory);
}

}  // namespace platform
