// PageRowBlocks: makes a page's rows, and the texts they show, in blocks, so
// that a search listing a million records costs a few thousand allocations
// instead of millions, and each row only the bytes it holds.  A row handed
// to the page shares the ownership of its block (a shared_ptr aliasing the
// row), so rows stay what PageRows holds -- shared row objects -- and a
// block, with its texts, goes when its last row does.
//
// A search asks for the next row, fills it (copying its texts into the
// block with KeepText), and keeps it or not; a row not kept is handed out
// again.  One thread; the object may go before the rows.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

#include "pages/common/page_rows.h"

template <class Row, size_t kRowsPerBlock = 1024>
class PageRowBlocks {
 public:
  // The row to fill next.  It may hold what an earlier, unkept row was
  // given: the caller sets every field.
  Row& Next() {
    if (!m_block || m_used == kRowsPerBlock) {
      m_block = std::make_shared<Block>();
      m_used = 0;
    }
    return m_block->rows[m_used];
  }
  // A copy of `text` that lives as long as the block of the row Next last
  // handed out.
  std::string_view KeepText(std::string_view text) {
    Block& block = *m_block;
    if (text.empty()) return {};
    if (block.textFree < text.size()) {
      const size_t size = std::max(kTextChunk, text.size());
      block.texts.push_back(std::make_unique_for_overwrite<char[]>(size));
      block.textNext = block.texts.back().get();
      block.textFree = size;
    }
    char* copy = block.textNext;
    std::memcpy(copy, text.data(), text.size());
    block.textNext += text.size();
    block.textFree -= text.size();
    return std::string_view(copy, text.size());
  }
  // Appends the row Next last handed out to `rows`.
  void Keep(PageRows<Row>& rows) {
    rows.push_back(std::shared_ptr<Row>(m_block, &m_block->rows[m_used]));
    ++m_used;
  }

 private:
  // Texts are kept in chunks of this size (a longer text in one of its own).
  static constexpr size_t kTextChunk = 64 * 1024;

  struct Block {
    std::array<Row, kRowsPerBlock> rows;
    std::vector<std::unique_ptr<char[]>> texts;
    char* textNext = nullptr;
    size_t textFree = 0;
  };
  std::shared_ptr<Block> m_block;
  size_t m_used = 0;
};
