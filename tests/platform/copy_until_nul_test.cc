#include "platform/copy_until_nul.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/large_text.h"

namespace {

// Every length across the 16-byte pieces, with no NUL or one at each place,
// at every alignment: the copy is the text before the first NUL, and
// nothing is written past the source's length.
TEST(CopyUntilNulTest, CopiesTheTextBeforeTheFirstNulAndNoMore) {
  std::string source(80, '\0');
  for (size_t i = 0; i < source.size(); ++i) source[i] = static_cast<char>('A' + i % 26);
  for (size_t size = 0; size <= 64; ++size)
    for (size_t nul = 0; nul <= size; ++nul)
      for (size_t offset = 0; offset < 3; ++offset) {
        std::string from = source.substr(offset, size);
        if (nul < size) from[nul] = '\0';
        std::string to(size + 16, '#');
        const size_t copied = platform::CopyUntilNul(to.data(), from.data(), size);
        ASSERT_EQ(copied, nul) << "size " << size << " nul " << nul;
        EXPECT_EQ(to.substr(0, copied), from.substr(0, nul));
        EXPECT_EQ(to.substr(size), std::string(16, '#')) << "size " << size << " nul " << nul;
      }
}

TEST(CopyUntilNulTest, LargeTextKeepsPiecesCutAtTheirNul) {
  platform::LargeText text;
  const std::string_view cut = text.AppendUntilNul(std::string_view("camera 1\0junk", 13));
  const std::string_view empty = text.AppendUntilNul(std::string_view("\0junk", 5));
  const std::string_view whole = text.AppendUntilNul("motion in zone 12, door open");
  EXPECT_EQ(cut, "camera 1");
  EXPECT_TRUE(empty.empty());
  EXPECT_EQ(whole, "motion in zone 12, door open");
  EXPECT_EQ(text.size(), cut.size() + whole.size());
  EXPECT_EQ(text.Blocks().at(0), "camera 1motion in zone 12, door open");
}

}  // namespace
