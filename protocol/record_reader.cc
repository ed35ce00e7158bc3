#include "protocol/record_reader.h"

#include "protocol/wire_bytes.h"

namespace vxpp {
namespace {

constexpr std::string_view kBlockEnd = "\r\n\r\n";

}  // namespace

size_t CRecordReader::CompleteRecord(std::string_view bytes) const {
  switch (m_layout.kind) {
    case RecordLayout::Kind::kFixed:
      return bytes.size() >= m_layout.head ? m_layout.head : 0;
    case RecordLayout::Kind::kTextBlock: {
      const size_t end = bytes.find(kBlockEnd);
      return end == std::string_view::npos ? 0 : end + kBlockEnd.size();
    }
    case RecordLayout::Kind::kLengthPrefixed:
      break;
  }
  const size_t head = m_layout.head + 4;
  if (bytes.size() < head) return 0;
  const int32_t length = GetI32(bytes.data() + m_layout.head);
  if (length < 0) throw VxppError{VxppError::kMalformed};
  return bytes.size() - head < static_cast<size_t>(length) ? 0 : head + static_cast<size_t>(length);
}

uint64_t CRecordReader::BytesStillDue(uint64_t due, std::string_view partial) const {
  switch (m_layout.kind) {
    case RecordLayout::Kind::kFixed:
      return due * m_layout.head - partial.size();
    case RecordLayout::Kind::kTextBlock:
      // A block begun is not yet ended: one more byte at least.
      return (due - 1) * kBlockEnd.size() + (partial.empty() ? kBlockEnd.size() : 1);
    case RecordLayout::Kind::kLengthPrefixed:
      break;
  }
  const size_t head = m_layout.head + 4;
  // Once the first record's length has come, its own size is known.
  const uint64_t first = partial.size() >= head ? head + static_cast<uint32_t>(GetI32(partial.data() + m_layout.head))
                                                : head;
  return (due - 1) * head + first - partial.size();
}

}  // namespace vxpp
