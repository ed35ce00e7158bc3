#include "protocol/record_reader.h"

#include "protocol/client_limits.h"
#include "protocol/wire_bytes.h"

namespace vxpp {
namespace {

constexpr std::string_view kBlockEnd = "\r\n\r\n";

// Where to go on searching for a block end when the first `searched` bytes
// hold none: an end may begin in their last three.
size_t ResumeAt(size_t searched) { return searched < kBlockEnd.size() ? 0 : searched - (kBlockEnd.size() - 1); }

}  // namespace

void CRecordReader::RejectLength(uint32_t length, size_t limit) {
  if (static_cast<int32_t>(length) < 0) throw VxppError{VxppError::kMalformed};
  throw VxppError{VxppError::kTooLarge, 0, "description length", length, limit};
}

size_t CRecordReader::CompleteTextBlock(std::string_view bytes, size_t* searched) const {
  const size_t end = bytes.find(kBlockEnd, ResumeAt(*searched));
  if (end == std::string_view::npos) {
    if (bytes.size() >= kMaxRecordBytes)
      throw VxppError{VxppError::kTooLarge, 0, "record block bytes without an end", bytes.size(), kMaxRecordBytes};
    *searched = bytes.size();
    return 0;
  }
  *searched = 0;
  return end + kBlockEnd.size();
}

size_t CRecordReader::Receive(size_t filled, size_t room, uint64_t due, size_t searched) {
  char* const at = m_buffer.data() + filled;
  const std::string_view partial(m_buffer.data(), filled);
  switch (m_layout.kind) {
    case RecordLayout::Kind::kFixed:
      return m_net.RecvSome(at, static_cast<size_t>(std::min<uint64_t>(room, due * m_layout.head - filled)));
    case RecordLayout::Kind::kLengthPrefixed: {
      const size_t head = m_layout.head + 4;
      // Once the first record's length has come, its own size is known.
      const uint64_t first =
          filled >= head ? head + static_cast<uint32_t>(GetI32(partial.data() + m_layout.head)) : head;
      return m_net.RecvSome(at, static_cast<size_t>(std::min<uint64_t>(room, (due - 1) * head + first - filled)));
    }
    case RecordLayout::Kind::kTextBlock:
      break;
  }
  // Each block due after this one takes its empty line at least; while
  // those fill the room, whatever has arrived belongs to the blocks.
  if (room <= (due - 1) * kBlockEnd.size()) return m_net.RecvSome(at, room);
  // Near the end: look at what has arrived and take it up to the last
  // block's end, searching only what was not searched before.
  const size_t seen = m_net.PeekSome(at, room);
  const std::string_view bytes(m_buffer.data(), filled + seen);
  size_t from = ResumeAt(searched);
  for (uint64_t ends = 0; ends < due; ++ends) {
    const size_t end = bytes.find(kBlockEnd, from);
    if (end == std::string_view::npos) break;
    from = end + kBlockEnd.size();
    if (ends + 1 == due) return m_net.RecvSome(at, from - filled);
  }
  return m_net.RecvSome(at, seen);
}

}  // namespace vxpp
