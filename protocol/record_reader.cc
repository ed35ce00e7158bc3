#include "protocol/record_reader.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "protocol/wire_bytes.h"

namespace vxpp {
namespace {

constexpr std::string_view kBlockEnd = "\r\n\r\n";

}  // namespace

void CRecordReader::Read(uint64_t count, const Take& take) {
  if (m_layout.kind == RecordLayout::Kind::kFixed) {
    ReadFixed(count, take);
    return;
  }
  while (count > 0) {
    const size_t seen = m_net.Peek(m_buffer.data(), m_buffer.size());
    // The complete records among what has arrived, no more than are due.
    std::string_view arrived(m_buffer.data(), seen);
    size_t used = 0;
    uint64_t complete = 0;
    while (complete < count) {
      const size_t size = CompleteRecord(arrived.substr(used));
      if (size == 0) break;
      used += size;
      ++complete;
    }
    if (complete == 0) {
      const std::string record = ReadOneSlowly();
      take(record);
      --count;
      continue;
    }
    // The same bytes again, now taken off the socket.
    m_net.Take(m_buffer.data(), used);
    for (size_t at = 0; at < used;) {
      const size_t size = CompleteRecord(std::string_view(m_buffer.data() + at, used - at));
      take(std::string_view(m_buffer.data() + at, size));
      at += size;
    }
    count -= complete;
  }
}

void CRecordReader::ReadFixed(uint64_t count, const Take& take) {
  const size_t size = m_layout.head;
  const size_t perRun = std::max<size_t>(1, m_buffer.size() / size);
  if (m_buffer.size() < size) m_buffer.resize(size);
  size_t filled = 0;  // bytes of a record not yet complete, at the front
  while (count > 0) {
    // Ask for whole records only, never a byte past the last one due.
    const size_t want = static_cast<size_t>(std::min<uint64_t>(count, perRun)) * size - filled;
    filled += m_net.RecvSome(m_buffer.data() + filled, want);
    size_t at = 0;
    for (; filled - at >= size && count > 0; at += size, --count) take(std::string_view(m_buffer.data() + at, size));
    std::memmove(m_buffer.data(), m_buffer.data() + at, filled - at);
    filled -= at;
  }
}

size_t CRecordReader::CompleteRecord(std::string_view bytes) const {
  if (m_layout.kind == RecordLayout::Kind::kTextBlock) {
    const size_t end = bytes.find(kBlockEnd);
    return end == std::string_view::npos ? 0 : end + kBlockEnd.size();
  }
  const size_t head = m_layout.head + 4;
  if (bytes.size() < head) return 0;
  const int32_t length = GetI32(bytes.data() + m_layout.head);
  if (length < 0) throw kBadLength;
  return bytes.size() - head < static_cast<size_t>(length) ? 0 : head + static_cast<size_t>(length);
}

std::string CRecordReader::ReadOneSlowly() {
  if (m_layout.kind == RecordLayout::Kind::kTextBlock) return m_net.RecvUntil(std::string(kBlockEnd), CSocketHelper::kDefaultWaitMs);
  std::string record(m_layout.head + 4, '\0');
  m_net.RecvExact(record.data(), record.size());
  const int32_t length = GetI32(record.data() + m_layout.head);
  if (length < 0) throw kBadLength;
  m_net.RecvAppend(&record, static_cast<size_t>(length));
  return record;
}

}  // namespace vxpp
