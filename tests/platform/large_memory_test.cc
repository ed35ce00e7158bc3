#include "platform/large_memory.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr size_t kMiB = size_t{1} << 20;

TEST(LargeMemoryTest, FreedBlocksServeTheNextRequestsTheyFit) {
  void* block = platform::AllocateLarge(10 * kMiB);
  std::memset(block, 1, 10 * kMiB);
  platform::FreeLarge(block, 10 * kMiB);

  // A block more than twice the request is left for a larger one.
  void* small = platform::AllocateLarge(4 * kMiB);
  EXPECT_NE(small, block);
  void* smaller = platform::AllocateLarge(7 * kMiB);
  EXPECT_EQ(smaller, block);
  // Freed with the size asked for, the block still counts its own size.
  platform::FreeLarge(smaller, 7 * kMiB);
  void* again = platform::AllocateLarge(10 * kMiB);
  EXPECT_EQ(again, block);
  std::memset(again, 2, 10 * kMiB);

  platform::FreeLarge(small, 4 * kMiB);
  platform::FreeLarge(again, 10 * kMiB);
}

}  // namespace
