// ListMoment: a row's log time and its list texts, formatted once when the
// record is listed.  The moment is kept as one text in the list form
// "YYYY/MM/DD HH:MM:SS": a local page shows it whole, a remote page shows its
// date part and its clock part in two columns (both are views of the same
// bytes).  Rows of every page that lists log times derive from it.  A plain
// value; no thread affinity.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "vocabulary/date_time.h"

// The longest list form of a moment: a six-character year ("-27000") and
// two-digit fields, 21 characters; an invalid time prints "-1" fields (19).
constexpr size_t kListMomentChars = 21;

// Writes the list form of `value` ("%04d/%02d/%02d %02d:%02d:%02d" of its
// fields, as CDateTime::FormatListCell gives it) to `out`, which holds
// kListMomentChars characters, and returns its length: 0 for a null time.
size_t FormatListMoment(const CDateTime& value, char* out);

struct ListMoment {
  CDateTime time;  // the record's log time

  // Formats `value` into the row's time texts (a null time gives empty texts).
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
  char m_moment[kListMomentChars] = {};
  uint8_t m_momentLength = 0;
  uint8_t m_dateLength = 0;
};
