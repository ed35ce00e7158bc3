#include "protocol/password_cipher.h"

#include <gtest/gtest.h>

namespace {

using namespace vxpp;

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

TEST(PasswordCipherTest, Rc4MatchesPublishedVectors) {
  std::string data = "Plaintext";
  Rc4Crypt("Key", &data);
  EXPECT_EQ(Hex(data), "BBF316E8D940AF0AD3");
  data = "Attack at dawn";
  Rc4Crypt("Secret", &data);
  EXPECT_EQ(Hex(data), "45A01F645FC35B383552544B9BF5");
}

TEST(PasswordCipherTest, Base64EncodesAndRejectsBadText) {
  EXPECT_EQ(Base64Encode("f"), "Zg==");
  EXPECT_EQ(Base64Encode("fo"), "Zm8=");
  EXPECT_EQ(Base64Encode(std::string("\xff\xfe\x00", 3)), "//4A");

  std::string bytes;
  EXPECT_TRUE(Base64Decode("//4A", &bytes));
  EXPECT_EQ(bytes, std::string("\xff\xfe\x00", 3));
  EXPECT_FALSE(Base64Decode("Zm8", &bytes));
  EXPECT_FALSE(Base64Decode("Z=8=", &bytes));
  EXPECT_FALSE(Base64Decode("Zm8*", &bytes));
}

}  // namespace
