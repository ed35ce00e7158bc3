#include "platform/large_memory.h"

#include <sys/mman.h>

#include <cstdint>
#include <mutex>
#include <vector>

namespace platform {
namespace {

constexpr size_t kHugePage = size_t{2} << 20;

bool IsLarge(size_t bytes) { return bytes >= kHugePage; }

size_t RoundUp(size_t bytes) {
  const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
  if (rounded < bytes) throw std::bad_alloc();
  return rounded;
}

// `size` bytes (a multiple of 2 MiB) of fresh memory, 2 MiB-aligned: a
// mapping one huge page longer, trimmed at both ends.
void* MapAligned(size_t size) {
  void* mapped = ::mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  const auto start = reinterpret_cast<uintptr_t>(mapped);
  const uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
  if (aligned > start) ::munmap(mapped, aligned - start);
  const uintptr_t end = start + size + kHugePage;
  if (end > aligned + size) ::munmap(reinterpret_cast<void*>(aligned + size), end - (aligned + size));
  void* memory = reinterpret_cast<void*>(aligned);
  ::madvise(memory, size, MADV_HUGEPAGE);  // advice only: without huge pages the memory is as good
  return memory;
}

// Blocks freed and kept for the next search, which then fills memory that
// is already mapped instead of having the kernel zero fresh pages.  Kept
// blocks are advised MADV_FREE, so under memory pressure the kernel takes
// their pages back (and a reuse costs what a fresh block costs); at most
// kKeptBytes are kept, the ones kept longest giving way first.  A block
// lent to a smaller request (at most twice as large) is remembered with its
// own size.
class KeptBlocks {
 public:
  static constexpr size_t kKeptBytes = size_t{128} << 20;

  void* Take(size_t size) {
    std::lock_guard<std::mutex> lock(m_mutex);
    size_t best = m_kept.size();
    for (size_t i = 0; i < m_kept.size(); ++i) {
      const size_t kept = m_kept[i].size;
      if (kept >= size && kept / 2 <= size && (best == m_kept.size() || kept < m_kept[best].size)) best = i;
    }
    if (best == m_kept.size()) return nullptr;
    m_lentLarger.reserve(m_lentLarger.size() + 1);  // so that nothing below throws
    const Block block = m_kept[best];
    m_kept.erase(m_kept.begin() + static_cast<std::ptrdiff_t>(best));
    m_keptBytes -= block.size;
    if (block.size != size) m_lentLarger.push_back(block);
    return block.memory;
  }

  // The size of the block at `memory`, lent for a request of `size`.
  size_t SizeOf(void* memory, size_t size) {
    std::lock_guard<std::mutex> lock(m_mutex);
    for (size_t i = 0; i < m_lentLarger.size(); ++i) {
      if (m_lentLarger[i].memory != memory) continue;
      size = m_lentLarger[i].size;
      m_lentLarger.erase(m_lentLarger.begin() + static_cast<std::ptrdiff_t>(i));
      break;
    }
    return size;
  }

  void Keep(void* memory, size_t size) noexcept {
    if (size > kKeptBytes) {
      ::munmap(memory, size);
      return;
    }
    ::madvise(memory, size, MADV_FREE);
    std::lock_guard<std::mutex> lock(m_mutex);
    while (m_keptBytes + size > kKeptBytes) {
      ::munmap(m_kept.front().memory, m_kept.front().size);
      m_keptBytes -= m_kept.front().size;
      m_kept.erase(m_kept.begin());
    }
    try {
      m_kept.push_back({memory, size});
      m_keptBytes += size;
    } catch (const std::bad_alloc&) {
      ::munmap(memory, size);
    }
  }

 private:
  struct Block {
    void* memory;
    size_t size;
  };
  std::mutex m_mutex;
  std::vector<Block> m_kept;  // oldest first
  std::vector<Block> m_lentLarger;
  size_t m_keptBytes = 0;
};

// Never destroyed: blocks may be freed while the process exits.
KeptBlocks& Kept() {
  static KeptBlocks* const kept = new KeptBlocks;
  return *kept;
}

}  // namespace

void* AllocateLarge(size_t bytes) {
  if (!IsLarge(bytes)) return ::operator new(bytes);
  const size_t size = RoundUp(bytes);
  if (void* kept = Kept().Take(size)) return kept;
  return MapAligned(size);
}

void FreeLarge(void* memory, size_t bytes) noexcept {
  if (!IsLarge(bytes)) {
    ::operator delete(memory);
    return;
  }
  KeptBlocks& kept = Kept();
  kept.Keep(memory, kept.SizeOf(memory, RoundUp(bytes)));
}

}  // namespace platform
