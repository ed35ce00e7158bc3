// CRecordReader: reads a known number of records of one layout off a
// command's socket, many per receive, without taking a byte past the last
// record.
//
// Every record due takes at least a known number of bytes (its fixed size,
// its head and length, or the empty line that ends a text block), so each
// receive asks for no more than the records still due must hold: up to
// kChunk bytes while many are due, exactly the rest at the end.  Text
// blocks near the end are peeked at and taken up to the last block's empty
// line, and each block's end is searched for once, from where the search
// stopped, so a long block costs time in proportion to its length.  Each wait
// is bounded by the socket's default wait, so a peer that stops sending
// fails the read (thrown as the socket layer throws) after its time-out.
// Every record is handed over as soon as it is complete, so the ones before
// a failure have been delivered.
//
// One reader serves one answer; it keeps a receive buffer of kChunk bytes,
// which holds the longest record accepted, kMaxRecordBytes
// (client_limits.h): a record that announces more, or a text block that
// has not ended by then, throws VxppError kTooLarge.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "protocol/client_limits.h"
#include "protocol/socket_helper.h"
#include "protocol/wire_bytes.h"

namespace vxpp {

struct RecordLayout {
  enum class Kind { kFixed, kLengthPrefixed, kTextBlock };
  Kind kind;
  size_t head;  // kFixed: the record's size; kLengthPrefixed: bytes before the i32 length

  static RecordLayout Fixed(size_t size) { return {Kind::kFixed, size}; }
  static RecordLayout LengthPrefixed(size_t head) { return {Kind::kLengthPrefixed, head}; }
  static RecordLayout TextBlock() { return {Kind::kTextBlock, 0}; }
};

class CRecordReader {
 public:
  static constexpr size_t kChunk = 64 * 1024;
  static_assert(kChunk >= kMaxRecordBytes, "the buffer holds any record accepted");

  CRecordReader(CSocketHelper& net, RecordLayout layout) : m_net(net), m_layout(layout), m_buffer(kChunk) {}

  // Reads `count` records, calling `take(std::string_view record)` for each
  // in order with its whole bytes (a text block with its empty line).  A
  // record that announces a negative length throws VxppError kMalformed.
  template <typename Take>
  void Read(uint64_t count, Take&& take);

 private:
  // The size of the record at the front of `bytes`, or 0 when it has not
  // fully arrived.  *searched: how many bytes at the front are known to
  // hold no text block's end; kept up to date here.  Inline for the binary
  // layouts, which a million records of one answer pass through.
  size_t CompleteRecord(std::string_view bytes, size_t* searched) const {
    switch (m_layout.kind) {
      case RecordLayout::Kind::kFixed:
        return bytes.size() >= m_layout.head ? m_layout.head : 0;
      case RecordLayout::Kind::kLengthPrefixed:
        return CompleteLengthPrefixed(bytes);
      case RecordLayout::Kind::kTextBlock:
        break;
    }
    return CompleteTextBlock(bytes, searched);
  }
  size_t CompleteLengthPrefixed(std::string_view bytes) const {
    const size_t head = m_layout.head + 4;
    if (bytes.size() < head) return 0;
    const uint32_t length = GetU32(bytes.data() + m_layout.head);
    if (length > kMaxRecordBytes - head) RejectLength(length, kMaxRecordBytes - head);
    return bytes.size() - head < length ? 0 : head + length;
  }
  // Throws kMalformed for a negative length, else kTooLarge.
  [[noreturn]] static void RejectLength(uint32_t length, size_t limit);
  size_t CompleteTextBlock(std::string_view bytes, size_t* searched) const;
  // Receives into the buffer behind the `filled` bytes of a record begun,
  // `room` bytes at most and no byte past the last of the `due` records.
  size_t Receive(size_t filled, size_t room, uint64_t due, size_t searched);

  CSocketHelper& m_net;
  const RecordLayout m_layout;
  std::vector<char> m_buffer;
};

template <typename Take>
void CRecordReader::Read(uint64_t count, Take&& take) {
  size_t filled = 0;    // bytes of records not yet complete, at the front of the buffer
  size_t searched = 0;  // of them, the front that holds no block end
  while (count > 0) {
    filled += Receive(filled, m_buffer.size() - filled, count, searched);
    size_t at = 0;
    while (count > 0) {
      const size_t size = CompleteRecord(std::string_view(m_buffer.data() + at, filled - at), &searched);
      if (size == 0) break;
      take(std::string_view(m_buffer.data() + at, size));
      at += size;
      --count;
    }
    std::memmove(m_buffer.data(), m_buffer.data() + at, filled - at);
    filled -= at;
  }
}

}  // namespace vxpp
