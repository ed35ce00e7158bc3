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

#include "platform/copy_until_nul.h"

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
    char* copy = Room(piece.size());
    if (copy != nullptr) std::memcpy(copy, piece.data(), piece.size());
    return Commit(copy, piece.size());
  }
  // The copy of `piece` up to its first NUL (all of it when it has none).
  std::string_view AppendUntilNul(std::string_view piece) {
    char* copy = Room(piece.size());
    return Commit(copy, copy == nullptr ? 0 : CopyUntilNul(copy, piece.data(), piece.size()));
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
  // Where `bytes` bytes can be written at the end (nullptr for none).
  char* Room(size_t bytes) {
    if (bytes == 0) return nullptr;
    if (m_blocks.empty() || m_blocks.back().capacity - m_blocks.back().used < bytes) AddBlock(bytes);
    return m_blocks.back().bytes + m_blocks.back().used;
  }
  // Keeps the `bytes` written at `copy`, the place Room gave.
  std::string_view Commit(char* copy, size_t bytes) {
    if (bytes == 0) return {};
    m_blocks.back().used += bytes;
    m_size += bytes;
    return {copy, bytes};
  }
  // Starts a block with room for `bytes` at least.
  void AddBlock(size_t bytes);
  void Release() noexcept;

  std::vector<Block> m_blocks;
  size_t m_size = 0;
};

}  // namespace platform
