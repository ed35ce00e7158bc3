// CRecordReader: reads a known number of records of one layout off a
// command's socket, many per receive, without taking a byte past the last
// record.
//
// Every record due takes at least a known number of bytes (its fixed size,
// its head and length, or the empty line that ends a text block), so each
// receive asks for no more than the records still due must hold: up to
// kChunk bytes while many are due, exactly the rest at the end.  Each wait
// is bounded by the socket's default wait, so a peer that stops sending
// fails the read (thrown as the socket layer throws) after its time-out.
// Every record is handed over as soon as it is complete, so the ones before
// a failure have been delivered.
//
// One reader serves one answer; it keeps a receive buffer of at least kChunk
// bytes, grown to hold a longer record as its bytes arrive.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "protocol/socket_helper.h"

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

  CRecordReader(CSocketHelper& net, RecordLayout layout) : m_net(net), m_layout(layout), m_buffer(kChunk) {}

  // Reads `count` records, calling `take(std::string_view record)` for each
  // in order with its whole bytes (a text block with its empty line).  A
  // record that announces a negative length throws VxppError kMalformed.
  template <typename Take>
  void Read(uint64_t count, Take&& take);

 private:
  // The size of the record at the front of `bytes`, or 0 when it has not
  // fully arrived.
  size_t CompleteRecord(std::string_view bytes) const;
  // The fewest bytes that the `due` records still to come (the first of
  // them begun with the `partial` bytes at hand) can take.
  uint64_t BytesStillDue(uint64_t due, std::string_view partial) const;

  CSocketHelper& m_net;
  const RecordLayout m_layout;
  std::vector<char> m_buffer;
};

template <typename Take>
void CRecordReader::Read(uint64_t count, Take&& take) {
  size_t filled = 0;  // bytes of records not yet complete, at the front of the buffer
  while (count > 0) {
    const uint64_t due = BytesStillDue(count, std::string_view(m_buffer.data(), filled));
    if (filled == m_buffer.size()) m_buffer.resize(m_buffer.size() * 2);  // a record longer than the buffer
    const size_t room = m_buffer.size() - filled;
    filled += m_net.RecvSome(m_buffer.data() + filled, static_cast<size_t>(std::min<uint64_t>(room, due)));
    size_t at = 0;
    while (count > 0) {
      const size_t size = CompleteRecord(std::string_view(m_buffer.data() + at, filled - at));
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
