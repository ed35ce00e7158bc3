#include "platform/code_page.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>
#include <vector>

#include "platform/debug_output.h"

namespace platform {
namespace {

TEST(CodePageTest, LocaleCharsetsMapByExactName) {
  EXPECT_EQ(CodePageOfCharset("ISO-8859-1"), 28591u);
  EXPECT_EQ(CodePageOfCharset("ISO-8859-15"), 28605u);  // not Latin-1: it has the euro sign
  EXPECT_EQ(CodePageOfCharset("EUC-JP"), 20932u);
  EXPECT_EQ(CodePageOfCharset("SHIFT_JIS"), 932u);
  EXPECT_EQ(CodePageOfCharset("utf8"), kCodePageUtf8);  // spelled as a locale name may spell it
  EXPECT_EQ(CodePageOfCharset("ISO-8859-10"), 0u);      // no Windows number
  EXPECT_EQ(CodePageOfCharset(""), 0u);
  EXPECT_EQ(ConvertCodePage("\xA4", 28605, kCodePageUtf8), "\u20AC");

  // Every page of the table is one iconv can open.
  for (unsigned page = 1; page < 70000; ++page) {
    const char* name = IconvCharset(page);
    if (name == nullptr) continue;
    const iconv_t cd = iconv_open("UTF-16LE", name);
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1)) << page << " " << name;
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
  }
}

TEST(CodePageTest, LocaleWithoutACodePageIsUtf8WithOneDebugLine) {
  std::vector<std::string> debug;
  SetDebugSink([&debug](const std::string& line) { debug.push_back(line); });
  EXPECT_EQ(CodePageOfLocale("C"), kCodePageUtf8);
  // Locales that are not installed are read from their names.
  EXPECT_EQ(CodePageOfLocale("xx_XX.iso885915@euro"), 28605u);
  EXPECT_TRUE(debug.empty());
  EXPECT_EQ(CodePageOfLocale("xx_XX.KOI8-Z"), kCodePageUtf8);
  SetDebugSink(nullptr);
  ASSERT_EQ(debug.size(), 1u);
  EXPECT_NE(debug[0].find("KOI8-Z"), std::string::npos);
}

}  // namespace
}  // namespace platform
