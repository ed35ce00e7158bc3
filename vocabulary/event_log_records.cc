#include "vocabulary/event_log_records.h"

#include <algorithm>
#include <cstring>

namespace {

// Blocks double from the first size to the last, so that a short answer
// takes little memory and a long one few blocks.
constexpr size_t kFirstBlockBytes = 64 * 1024;
constexpr size_t kLastBlockBytes = 4 * 1024 * 1024;

}  // namespace

EventLogRecords& EventLogRecords::operator=(EventLogRecords&& other) noexcept {
  m_records = std::exchange(other.m_records, {});
  m_blocks = std::exchange(other.m_blocks, {});
  m_next = std::exchange(other.m_next, nullptr);
  m_free = std::exchange(other.m_free, 0);
  return *this;
}

void EventLogRecords::Add(const EventLogView& record) {
  m_records.push_back(record);
  m_records.back().Description = KeepText(record.Description);
}

std::string_view EventLogRecords::KeepText(std::string_view text) {
  if (text.empty()) return {};
  if (m_free < text.size()) {
    const size_t grown = m_blocks.empty() ? kFirstBlockBytes : std::min(m_blocks.back().get_deleter().size * 2, kLastBlockBytes);
    const size_t size = std::max(grown, text.size());
    m_blocks.emplace_back(static_cast<char*>(platform::AllocateLarge(size)), BlockFree{size});
    m_next = m_blocks.back().get();
    m_free = size;
  }
  char* copy = m_next;
  std::memcpy(copy, text.data(), text.size());
  m_next += text.size();
  m_free -= text.size();
  return {copy, text.size()};
}
