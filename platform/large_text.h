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
#include <cstring>
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

  // The copy of `piece` (an empty view for an empty piece).  Inline while
  // the last block has room: a million records append a piece each.
  std::string_view Append(std::string_view piece) {
    if (piece.empty()) return {};
    if (m_blocks.empty() || m_blocks.back().capacity - m_blocks.back().used < piece.size()) AddBlock(piece.size());
    Block& block = m_blocks.back();
    char* copy = block.bytes + block.used;
    std::memcpy(copy, piece.data(), piece.size());
    block.used += piece.size();
    m_size += piece.size();
    return {copy, piece.size()};
  }
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
  // Starts a block with room for `bytes` at least.
  void AddBlock(size_t bytes);
  void Release() noexcept;

  std::vector<Block> m_blocks;
  size_t m_size = 0;
};

}  // namespace platform
