#include "vocabulary/vx_bitset.h"

#include <gtest/gtest.h>

namespace {

TEST(VxBitsetTest, PositionsAcrossBothWordsAndOutOfRange) {
  VxBitset<128> cameras;
  EXPECT_FALSE(cameras.any());
  cameras.set(0).set(63).set(64).set(127);
  EXPECT_TRUE(cameras.test(63));
  EXPECT_TRUE(cameras.test(64));
  EXPECT_FALSE(cameras.test(65));
  EXPECT_EQ(cameras.count(), 4u);
  cameras.reset(64);
  EXPECT_FALSE(cameras.test(64));

  try {
    cameras.test(128);
    FAIL() << "position 128 must throw";
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), "invalid bitset<N> position");
  }
  EXPECT_THROW(cameras.set(128), std::out_of_range);

  VxBitset<128> all;
  all.set();
  EXPECT_EQ(all.count(), 128u);
  VxBitset<128> copy = all;
  EXPECT_EQ(copy, all);
}

}  // namespace
