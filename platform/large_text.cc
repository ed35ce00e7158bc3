#include "platform/large_text.h"

#include <algorithm>
#include <utility>

#include "platform/large_memory.h"

namespace platform {
namespace {

constexpr size_t kFirstBlockBytes = 64 * 1024;
constexpr size_t kLastBlockBytes = 4 * 1024 * 1024;

}  // namespace

LargeText::LargeText(LargeText&& other) noexcept { *this = std::move(other); }

LargeText& LargeText::operator=(LargeText&& other) noexcept {
  if (this != &other) {
    Release();
    m_blocks = std::exchange(other.m_blocks, {});
    m_size = std::exchange(other.m_size, 0);
  }
  return *this;
}

LargeText::~LargeText() { Release(); }

void LargeText::Release() noexcept {
  for (const Block& block : m_blocks) FreeLarge(block.bytes, block.capacity);
  m_blocks.clear();
  m_size = 0;
}

void LargeText::AddBlock(size_t bytes) {
  const size_t grown = m_blocks.empty() ? kFirstBlockBytes : std::min(m_blocks.back().capacity * 2, kLastBlockBytes);
  const size_t capacity = std::max(grown, bytes);
  m_blocks.reserve(m_blocks.size() + 1);  // nothing leaks if the vector cannot grow
  m_blocks.push_back({static_cast<char*>(AllocateLarge(capacity)), capacity, 0});
}

std::vector<std::string_view> LargeText::Blocks() const {
  std::vector<std::string_view> blocks;
  for (const Block& block : m_blocks)
    if (block.used > 0) blocks.emplace_back(block.bytes, block.used);
  return blocks;
}

}  // namespace platform
