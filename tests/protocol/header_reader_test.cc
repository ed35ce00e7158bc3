#include "protocol/header_reader.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using namespace vxpp;

TEST(HeaderReaderTest, TextTokenAndRepeatedValues) {
  const std::string block =
      "VXPP/2.0 200 OK\r\nServer-Type:   Vantor 3;x\r\nHistory: a\r\nHistory: b\r\nLast: tail";
  std::string value = "unchanged";
  EXPECT_TRUE(HeaderText(block, "Server-Type:", &value));
  EXPECT_EQ(value, "Vantor 3;x");
  EXPECT_TRUE(HeaderToken(block, "Server-Type:", &value));
  EXPECT_EQ(value, "Vantor");
  EXPECT_TRUE(HeaderText(block, "Last:", &value));
  EXPECT_EQ(value, "tail");  // the end of the block ends a value too

  size_t position = 0;
  ASSERT_TRUE(HeaderText(block, "History:", &value, &position));
  EXPECT_EQ(value, "a");
  ASSERT_TRUE(HeaderText(block, "History:", &value, &position));
  EXPECT_EQ(value, "b");
  EXPECT_FALSE(HeaderText(block, "History:", &value, &position));
  EXPECT_EQ(value, "b");  // absent leaves the target alone
  EXPECT_FALSE(HeaderText(block, "server-type:", &value));  // case-sensitive
}

TEST(HeaderReaderTest, NumbersAreZeroedAndScanned) {
  uint32_t u = 7;
  EXPECT_FALSE(HeaderU32("Other: 1\r\n", "Log-Count:", &u));
  EXPECT_EQ(u, 0u);
  uint64_t wide = 0;
  EXPECT_TRUE(HeaderU64("User-Privilege: 18446744073709551615\r\n", "User-Privilege:", &wide));
  EXPECT_EQ(wide, UINT64_MAX);

  float version = 5;
  EXPECT_TRUE(HeaderDecimal("VXPP-Version: 2.0\r\n", "VXPP-Version:", &version));
  EXPECT_FLOAT_EQ(version, 2.0f);
  EXPECT_FALSE(HeaderDecimal("VXPP-Version: n/a\r\n", "VXPP-Version:", &version));
  EXPECT_FLOAT_EQ(version, 0.0f);
}

TEST(HeaderReaderTest, NumbersReadAsScanfReadsThem) {
  for (const char* value : {"7", " +7", "-1", "4294967295", "4294967296", "-4294967297", "99999999999999999999999",
                            "2147483648", "-2147483649", "\r\n 12", "x", "-", ""}) {
    const std::string block = std::string("N:") + value + "\r\n";
    unsigned u = 0;
    int d = 0;
    const bool unsignedRead = std::sscanf(value, "%u", &u) == 1;
    const bool signedRead = std::sscanf(value, "%d", &d) == 1;
    uint32_t u32 = 9;
    int32_t i32 = 9;
    EXPECT_EQ(HeaderU32(block, "N:", &u32), unsignedRead) << value;
    EXPECT_EQ(HeaderInt(block, "N:", &i32), signedRead) << value;
    if (unsignedRead) { EXPECT_EQ(u32, u) << value; }
    if (signedRead) { EXPECT_EQ(i32, d) << value; }
  }
}

TEST(HeaderReaderTest, AnIndexFindsWhatTheReadersFind) {
  const std::string block =
      "New-Camera-ID: 9\r\nTime: 2024/3/5;10:20:30\r\nCamera-ID: 4\r\nName:  Gate 1\r\nCount: -3\r\n"
      "Note: Count: 8\r\n\r\n";
  const HeaderIndex index(block, {"Camera-ID:", "Time:", "Name:", "Count:", "Missing:"});
  std::string text;
  uint32_t u = 0;
  int32_t i = 0;
  // Names are substrings: the first occurrence wins, even inside a longer name.
  EXPECT_TRUE(index.U32(0, &u));
  EXPECT_EQ(u, 9u);
  EXPECT_TRUE(index.Text(2, &text));
  EXPECT_EQ(text, "Gate 1");
  EXPECT_TRUE(index.Int(3, &i));
  EXPECT_EQ(i, -3);
  text = "unchanged";
  EXPECT_FALSE(index.Text(4, &text));
  EXPECT_EQ(text, "unchanged");
  EXPECT_FALSE(index.U32(4, &u));
  EXPECT_EQ(u, 0u);
}

}  // namespace
