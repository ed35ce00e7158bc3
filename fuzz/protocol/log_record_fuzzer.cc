// One log record as a server sends it: the first byte chooses the binary
// layout or the text block, the rest is the record.  A binary reader gets
// only a complete record (as the record reader hands it over), so short
// inputs are padded.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "protocol/log_record_wire.h"
#include "vocabulary/event_log_records.h"

namespace {

// The bytes of one complete event record: head, length, description.
std::string CompleteEventRecord(std::string bytes, size_t head) {
  bytes.resize(std::max(bytes.size(), head + 4), '\0');
  int32_t length = 0;
  std::memcpy(&length, bytes.data() + head, 4);
  const size_t have = bytes.size() - head - 4;
  length = length < 0 ? 0 : static_cast<int32_t>(std::min<size_t>(static_cast<size_t>(length), have));
  std::memcpy(bytes.data() + head, &length, 4);
  return bytes;
}

// Collects the event record of `bytes`: its description must be kept up to
// its first NUL, as a terminated buffer would hold it.
void CollectEventRecord(const std::string& bytes, bool withCamera) {
  const EventLogView read = vxpp::GetEventRecord(bytes.data(), withCamera);
  EventLogRecords records;
  records.AddUntilNul(read);
  const std::string_view& description = read.Description;
  if (records[0].Description != description.substr(0, ::strnlen(description.data(), description.size())))
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const uint8_t choice = data[0];
  std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string_view block(bytes);
  switch (choice % 11) {
    case 0: CollectEventRecord(CompleteEventRecord(bytes, vxpp::kEventHeadBytes), false); break;
    case 1: CollectEventRecord(CompleteEventRecord(bytes, vxpp::kIvsEventHeadBytes), true); break;
    case 2: vxpp::GetPosEventRecord(CompleteEventRecord(bytes, vxpp::kEventHeadBytes).data()); break;
    case 3:
      bytes.resize(vxpp::kSystemRecordBytes, '\0');
      vxpp::GetSystemRecord(bytes.data());
      break;
    case 4:
      bytes.resize(vxpp::kCountingRecordBytes, '\0');
      vxpp::GetCountingRecord(bytes.data());
      break;
    case 5:
      // The line-by-line reading of a writer's block must agree with the name search.
      if (!(vxpp::ReadEventBlock(block) == vxpp::SearchEventBlock(block))) __builtin_trap();
      break;
    case 6: vxpp::ReadCountingBlock(block); break;
    case 7: vxpp::ReadIvsCountingBlock(block); break;
    case 8: vxpp::ReadCombinedCountingBlock(block); break;
    case 9: vxpp::ReadEdgeRecordBlock(block); break;
    default: {
      // What is read must travel again: a POS block written from a record
      // stays within its limit.
      std::string out;
      vxpp::PutPosEventBlock(&out, vxpp::ReadPosEventBlock(block));
      if (out.size() > vxpp::kPosBlockLimit + 64) __builtin_trap();
    }
  }
  return 0;
}
