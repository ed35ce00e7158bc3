// ListMoment: a row's log time and its list texts.  The moment is shown as
// one text in the list form "YYYY/MM/DD HH:MM:SS": a local page shows it
// whole, a remote page shows its date part and its clock part in two
// columns (both are views of the same bytes).  The text is made when a cell
// first asks for it and kept in the row: a search lists a million records
// without formatting a million times, and only the rows someone looks at,
// sorts or exports are ever formatted.  Rows of every page that lists log
// times derive from it.  A plain value; one thread (reading a text may
// write the row's kept text).
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

class ListMoment {
 public:
  // The record's log time; its texts are made anew from a time set later.
  const CDateTime& Time() const { return m_time; }
  void SetTime(const CDateTime& value) {
    m_time = value;
    m_momentLength = kNotFormatted;
  }

  // "%04d/%02d/%02d %02d:%02d:%02d" (empty for a null time).  The views
  // last until the time is set again.
  std::string_view MomentText() const {
    if (m_momentLength == kNotFormatted) Format();
    return std::string_view(m_moment, m_momentLength);
  }
  // "%04d/%02d/%02d"
  std::string_view DateText() const { return MomentText().substr(0, m_dateLength); }
  // "%02d:%02d:%02d"
  std::string_view ClockText() const {
    const std::string_view moment = MomentText();
    return m_dateLength < moment.size() ? moment.substr(m_dateLength + 1u) : std::string_view();
  }

 private:
  static constexpr uint8_t kNotFormatted = 0xFF;
  void Format() const;

  CDateTime m_time;
  mutable char m_moment[kListMomentChars];
  mutable uint8_t m_momentLength = kNotFormatted;
  mutable uint8_t m_dateLength = 0;
};
