// Memory for a large array that a search fills once (the records of a
// remote answer and the texts they carry).  A request of 2 MiB or more is
// taken 2 MiB-aligned and advised for transparent huge pages, so that
// filling it costs one page fault per 2 MiB instead of one per 4 KiB: on a
// virtual machine a fault costs about 10 microseconds, and faulting in the
// memory of a million collected records took three times as long as reading
// them off the socket.  Smaller requests are plain operator new.  Where the
// kernel gives no huge pages the advice is ignored and nothing else changes.
//
// Freed large blocks are kept, up to 128 MiB, for the next search of the
// same size or a little smaller: filling memory already mapped costs no
// fault and no zeroing, which was a third of reading a large answer.  The
// kernel may take a kept block's pages back when memory runs short.
//
// Thread-safe, as operator new is.
#pragma once

#include <cstddef>
#include <new>

namespace platform {

// At least `bytes` bytes, aligned for any type; throws std::bad_alloc.
void* AllocateLarge(size_t bytes);
// Frees what AllocateLarge(bytes) gave, with the same `bytes`.
void FreeLarge(void* memory, size_t bytes) noexcept;

// The allocator of a container that may grow large.
template <class T>
struct LargeAllocator {
  using value_type = T;

  LargeAllocator() = default;
  template <class U>
  LargeAllocator(const LargeAllocator<U>&) noexcept {}

  T* allocate(size_t count) {
    if (count > static_cast<size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
    return static_cast<T*>(AllocateLarge(count * sizeof(T)));
  }
  void deallocate(T* memory, size_t count) noexcept { FreeLarge(memory, count * sizeof(T)); }

  template <class U>
  bool operator==(const LargeAllocator<U>&) const noexcept {
    return true;
  }
};

}  // namespace platform
