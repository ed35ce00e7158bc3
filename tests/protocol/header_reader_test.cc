#include "protocol/header_reader.h"

#include <gtest/gtest.h>

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

  // Names are substrings: the first occurrence wins, even inside a longer name.
  EXPECT_TRUE(HeaderText("New-Camera-ID: 9\r\nCamera-ID: 4\r\n", "Camera-ID:", &value));
  EXPECT_EQ(value, "9");
  EXPECT_FALSE(HeaderText(block, "server-type:", &value));  // case-sensitive

  // An empty "Error:" value is no error; any text is one.
  std::string error;
  EXPECT_TRUE(HeaderToken("Error: \r\nLog-Count: 0\r\n", "Error:", &error));
  EXPECT_EQ(error, "");
  EXPECT_TRUE(HeaderToken("Error: busy now\r\n", "Error:", &error));
  EXPECT_EQ(error, "busy");
}

TEST(HeaderReaderTest, NumbersAreZeroedAndScanned) {
  uint32_t u = 7;
  EXPECT_FALSE(HeaderU32("Other: 1\r\n", "Log-Count:", &u));
  EXPECT_EQ(u, 0u);
  EXPECT_FALSE(HeaderU32("Log-Count: x\r\n", "Log-Count:", &u));
  EXPECT_TRUE(HeaderU32("Log-Count:  4294967295\r\n", "Log-Count:", &u));
  EXPECT_EQ(u, 4294967295u);

  uint64_t wide = 0;
  EXPECT_TRUE(HeaderU64("User-Privilege: 18446744073709551615\r\n", "User-Privilege:", &wide));
  EXPECT_EQ(wide, UINT64_MAX);

  int32_t s = 0;
  EXPECT_TRUE(HeaderInt("Log-Count: -3\r\n", "Log-Count:", &s));
  EXPECT_EQ(s, -3);

  float version = 5;
  EXPECT_TRUE(HeaderDecimal("VXPP-Version: 2.0\r\n", "VXPP-Version:", &version));
  EXPECT_FLOAT_EQ(version, 2.0f);
  EXPECT_FALSE(HeaderDecimal("VXPP-Version: n/a\r\n", "VXPP-Version:", &version));
  EXPECT_FLOAT_EQ(version, 0.0f);
}

TEST(HeaderReaderTest, StatusFollowsTheExpectedVersion) {
  EXPECT_EQ(ResponseStatus("VXPP/2.0 200 OK\r\n\r\n", "VXPP/2.0"), 200);
  EXPECT_EQ(ResponseStatus("VXPP/2.0 702 Expired\r\n\r\n", "VXPP/2.0"), 702);
  EXPECT_EQ(ResponseStatus("VXPP/2.0 200 OK\r\n\r\n", "VXPP/1.0"), -1);
  EXPECT_EQ(ResponseStatus("VXPP/1.0 OK\r\n\r\n", "VXPP/1.0"), -1);
  EXPECT_EQ(ResponseStatus("garbage", "VXPP/1.0"), -1);
}

}  // namespace
