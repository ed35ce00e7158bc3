// EventListItem: one row of the event list, formatted once when the record
// is listed.  The list asks for cells on demand and they are served from
// these texts; sorting moves row indexes, never the rows.
//
// The moment is kept as one text in the list form "YYYY/MM/DD HH:MM:SS":
// the local page shows it whole, the remote page shows its date part and
// its clock part in two columns (both are views of the same bytes).  The
// camera text and the description are views of texts kept with the row
// (PageRowBlocks keeps them in the row's block); copying a row copies the
// views.  No thread affinity.
#pragma once

#include <cstdint>
#include <string_view>

#include "vocabulary/date_time.h"

struct EventListItem {
  // Play state, also the row's image in the list.
  static constexpr int32_t kPlayUnknown = -1;
  static constexpr int32_t kPlayable = 0;
  static constexpr int32_t kNotPlayable = 2;
  // Camera index of a row that belongs to no camera of the list.
  static constexpr uint32_t kNoCamera = 4294967295u;

  CDateTime time;  // the record's log time
  std::string_view cameraText;
  std::string_view description;
  int32_t playState = kPlayUnknown;
  int32_t eventNumber = 0;
  uint32_t cameraIndex = kNoCamera;  // position in the viewer's camera list

  // Formats `time` into the row's time texts (a null time gives empty texts).
  void SetTime(const CDateTime& value);

  // "%04d/%02d/%02d %02d:%02d:%02d"
  std::string_view MomentText() const { return std::string_view(m_moment, m_momentLength); }
  // "%04d/%02d/%02d"
  std::string_view DateText() const { return MomentText().substr(0, m_dateLength); }
  // "%02d:%02d:%02d"
  std::string_view ClockText() const {
    return m_dateLength < m_momentLength ? MomentText().substr(m_dateLength + 1u) : std::string_view();
  }

 private:
  // The longest moment: a six-character year ("-27000") and two-digit
  // fields, 21 characters; an invalid time prints "-1" fields (19).
  char m_moment[21] = {};
  uint8_t m_momentLength = 0;
  uint8_t m_dateLength = 0;
};
