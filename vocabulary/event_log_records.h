// Event records collected in bulk, as a remote search brings a million of
// them: the records lie in one array and their descriptions one after
// another in large text blocks, so collecting a record allocates nothing of
// its own and costs its fields and its description's bytes.  Both grow
// through large memory (platform/large_memory.h).
//
// EventLogView is an event record whose description lives elsewhere: in
// the collection holding it, or in the basket or the bytes it was read
// from.  The row builders of the pages read records through it, whichever
// way the records came.
//
// Plain values; one thread.  A collection can be moved, not copied: its
// records view its own blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/large_memory.h"
#include "vocabulary/date_time.h"
#include "vocabulary/event_log_basket.h"

struct EventLogView {
  CDateTime LogTime;
  int32_t ChannelIndex = 0;
  uint32_t CameraId = 0;
  int32_t EventNumber = 0;
  std::string_view Description;

  bool operator==(const EventLogView&) const = default;
};

// `record` as a view; it lasts as long as `record` is not changed.
inline EventLogView ViewOf(const EventLogBasket& record) {
  return {record.LogTime, record.ChannelIndex, record.CameraId, record.EventNumber, record.Description};
}

class EventLogRecords {
 public:
  EventLogRecords() = default;
  EventLogRecords(EventLogRecords&& other) noexcept { *this = std::move(other); }
  // The collection moved from is left empty.
  EventLogRecords& operator=(EventLogRecords&& other) noexcept;

  // Makes room for `count` records (their descriptions grow as they come).
  void Reserve(size_t count) { m_records.reserve(count); }
  // Appends `record`; its description is copied into the collection.
  void Add(const EventLogView& record);
  void Add(const EventLogBasket& record) { Add(ViewOf(record)); }

  size_t size() const { return m_records.size(); }
  bool empty() const { return m_records.empty(); }
  const EventLogView& operator[](size_t i) const { return m_records[i]; }
  const EventLogView& back() const { return m_records.back(); }
  auto begin() const { return m_records.begin(); }
  auto end() const { return m_records.end(); }

 private:
  struct BlockFree {
    size_t size = 0;
    void operator()(char* block) const noexcept { platform::FreeLarge(block, size); }
  };

  std::string_view KeepText(std::string_view text);

  std::vector<EventLogView, platform::LargeAllocator<EventLogView>> m_records;
  std::vector<std::unique_ptr<char[], BlockFree>> m_blocks;
  char* m_next = nullptr;  // the free bytes of the last block
  size_t m_free = 0;
};
