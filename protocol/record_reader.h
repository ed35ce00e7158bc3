// CRecordReader: reads a known number of records of one layout off a
// command's socket, many per receive, and takes off the socket only the
// bytes of those records.
//
// Fixed-size records are received in runs of whole records; records that
// carry their own length (an i32 after a fixed head) and text blocks (ended
// by an empty line) are found in a peek at what has arrived and then taken
// at once.  A record that has not fully arrived is read on its own with
// exact-length reads, each wait bounded by the socket's default wait, so a
// peer that stops sending fails the read (thrown as the socket layer throws)
// after its time-out.  Every record is handed over as soon as it is
// complete, so the ones before a failure have been delivered.
//
// One reader serves one answer; it keeps a receive buffer of kChunk bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
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
  // Thrown (as an int, like the socket layer) for a record that announces a
  // negative length.
  static constexpr int kBadLength = -1;

  // Receives every record as its whole bytes (a text block with its empty line).
  using Take = std::function<void(std::string_view record)>;

  CRecordReader(CSocketHelper& net, RecordLayout layout) : m_net(net), m_layout(layout), m_buffer(kChunk) {}

  // Reads `count` records, calling `take` for each in order.
  void Read(uint64_t count, const Take& take);

 private:
  void ReadFixed(uint64_t count, const Take& take);
  // The size of the record at the front of `bytes`, or 0 when it has not
  // fully arrived.
  size_t CompleteRecord(std::string_view bytes) const;
  // One record read with exact-length reads.
  std::string ReadOneSlowly();

  CSocketHelper& m_net;
  const RecordLayout m_layout;
  std::vector<char> m_buffer;
};

}  // namespace vxpp
