// CDateRangePickers: the time range of a page's search, as the user gives
// it: a day picker, or a start and an end picker.
//
// At first the day picker is checked and holds today at 00:00:00; the start
// and end pickers are cleared.  Ticking one kind clears the other: the day
// picker clears start and end, start or end clears the day.  The pickers
// belong to this object; the page links them into its window (AddTo).
// Threads: the user-interface thread only.
#pragma once

#include <optional>

#include "vocabulary/date_time.h"
#include "ui/date_time_picker_model.h"
#include "ui/signal.h"

// A search's bounds; a null bound leaves that side open.
struct CDateRange {
  CDateTime start = CDateTime::Null();
  CDateTime end = CDateTime::Null();
};

class CDateRangePickers {
 public:
  static constexpr const char* kDayFormat = "yyyy/MM/dd";
  static constexpr const char* kTimeFormat = "yyyy/MM/dd HH:mm:ss";

  CDateRangePickers();
  CDateRangePickers(const CDateRangePickers&) = delete;
  CDateRangePickers& operator=(const CDateRangePickers&) = delete;

  CDateTimePickerModel& Day() { return m_day; }
  CDateTimePickerModel& Start() { return m_start; }
  CDateTimePickerModel& End() { return m_end; }

  // Makes the three pickers children of `page`.
  void AddTo(CWindowModel& page);

  // The range to search: with the day picker checked, its value to one day
  // later less one second; otherwise the checked start and end pickers (an
  // unchecked one leaves its side open).  Nothing when both ends are given
  // and the start lies after the end: the page then does not search.
  std::optional<CDateRange> Range() const;

  // Shows a host's time window: start and end in their pickers, checked, and
  // the day picker cleared, so that the next search covers that window.  A
  // bound that is not valid clears its picker.
  void ShowRange(const CDateTime& start, const CDateTime& end);

 private:
  CDateTimePickerModel m_day;
  CDateTimePickerModel m_start;
  CDateTimePickerModel m_end;
  CConnection m_dayChecked;
  CConnection m_startChecked;
  CConnection m_endChecked;
};

// Today at 00:00:00, local time.
CDateTime StartOfToday();
