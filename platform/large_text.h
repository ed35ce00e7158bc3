// LargeText: bytes appended piece by piece into blocks of large memory
// (large_memory.h), for texts that grow to tens of megabytes as a search
// runs: the descriptions of a million collected records, the body of a
// large answer.  A piece is copied once and never moves, so the view
// Append returns lasts as long as the LargeText; growing never copies what
// is there (a std::string doubling would copy it, and fault in fresh pages
// for each copy).  Blocks double from 64 KiB to 4 MiB; a piece never spans
// two blocks, so a block may end unused.
//
// A plain value; one thread.  Moving leaves the source empty.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace platform {

class LargeText {
 public:
  LargeText() = default;
  LargeText(LargeText&& other) noexcept;
  LargeText& operator=(LargeText&& other) noexcept;
  LargeText(const LargeText&) = delete;
  LargeText& operator=(const LargeText&) = delete;
  ~LargeText();

  // The copy of `piece` (an empty view for an empty piece).
  std::string_view Append(std::string_view piece);
  // All bytes appended.
  size_t size() const { return m_size; }
  // The bytes appended, in order, block by block.
  std::vector<std::string_view> Blocks() const;

 private:
  struct Block {
    char* bytes;
    size_t capacity;
    size_t used;
  };
  void Release() noexcept;

  std::vector<Block> m_blocks;
  size_t m_size = 0;
};

}  // namespace platform
