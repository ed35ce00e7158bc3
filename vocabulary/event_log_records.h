// Event records collected in bulk, as a remote search brings a million of
// them: the records lie in one array and their descriptions one after
// another in text blocks (platform::LargeText), so collecting a record
// allocates nothing of its own and costs its fields and its description's
// bytes.  Both grow in large memory (platform/large_memory.h).
//
// EventLogView is an event record whose description lives elsewhere: in
// the collection holding it, or in the basket or the bytes it was read
// from.  The row builders of the pages read records through it, whichever
// way the records came.
//
// Plain values; one thread.  A collection can be moved (leaving it empty),
// not copied: its records view its own blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/large_memory.h"
#include "platform/large_text.h"
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
  // Makes room for `count` records (their descriptions grow as they come).
  void Reserve(size_t count) { m_records.reserve(count); }
  // Appends `record`; its description is copied into the collection.
  void Add(const EventLogView& record) { Store(record, m_descriptions.Append(record.Description)); }
  void Add(const EventLogBasket& record) { Add(ViewOf(record)); }
  // The same keeping the description up to its first NUL: a binary record
  // of a remote answer carries its description in a counted field that the
  // reader takes as a terminated text.
  void AddUntilNul(const EventLogView& record) { Store(record, m_descriptions.AppendUntilNul(record.Description)); }

  size_t size() const { return m_records.size(); }
  bool empty() const { return m_records.empty(); }
  const EventLogView& operator[](size_t i) const { return m_records[i]; }
  const EventLogView& back() const { return m_records.back(); }
  auto begin() const { return m_records.begin(); }
  auto end() const { return m_records.end(); }

 private:
  // Field by field into the array: a record copied whole went through the
  // stack in pieces of other sizes than they were written in, which
  // stalled the processor three times a record.
  void Store(const EventLogView& record, std::string_view description) {
    EventLogView& stored = m_records.emplace_back();
    stored.LogTime = record.LogTime;
    stored.ChannelIndex = record.ChannelIndex;
    stored.CameraId = record.CameraId;
    stored.EventNumber = record.EventNumber;
    stored.Description = description;
  }

  std::vector<EventLogView, platform::LargeAllocator<EventLogView>> m_records;
  platform::LargeText m_descriptions;
};
