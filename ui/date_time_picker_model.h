// CDateTimePickerModel: a date-time picker with a check box, as the pages'
// "Date:" and "Date Time:" pickers are.  The value is kept in the pickers'
// floating-point day count (CDateTime::ToDayCount); the check box says
// whether the page should use the value at all.
//
// Programmatic changes (SetTime, SetCheck) are reported through OnChanged
// only.  What the user does (UserSetCheck, UserSetTime, called by the widget
// front end, a host or a test) is reported through OnChanged and then
// through OnUserChecked / OnUserChangedTime, so that a page can keep its
// pickers exclusive without hearing its own changes.
//
// Threads: the user-interface thread only.
#pragma once

#include <functional>
#include <string>

#include "vocabulary/date_time.h"
#include "ui/window_model.h"

class CDateTimePickerModel : public CWindowModel {
 public:
  // Starts with the given value (the machine's time now by default),
  // checked, and in the short date format.
  explicit CDateTimePickerModel(const CDateTime& value = CDateTime::Now());

  double GetDayCount() const { return m_dayCount; }
  CDateTime GetTime() const { return CDateTime::FromDayCount(m_dayCount); }
  // Refused (false) for a value that is not valid; the picker keeps its value.
  bool SetTime(const CDateTime& value);

  bool IsChecked() const { return m_checked; }
  void SetCheck(bool checked);

  // Display format in the pickers' notation ("yyyy/MM/dd HH:mm:ss": yyyy,
  // MM, dd, HH, mm, ss); empty shows the short date.
  const std::string& GetFormat() const { return m_format; }
  void SetFormat(const std::string& format);

  // The user ticks or clears the check box.  Refused (false) when the picker
  // is disabled or hidden.  Reported to OnUserChecked even when the box
  // already was in that state, as every click is.
  bool UserSetCheck(bool checked);
  // The user picks a date and time.  Choosing a value ticks a cleared check
  // box (the user means the value to be used), reported as a user check
  // before the new time.  Refused like UserSetCheck, and for a value that is
  // not valid.
  bool UserSetTime(const CDateTime& value);

  [[nodiscard]] CConnection OnUserChecked(std::function<void(bool checked)> slot) {
    return m_userChecked.Connect(std::move(slot));
  }
  [[nodiscard]] CConnection OnUserChangedTime(std::function<void()> slot) {
    return m_userChangedTime.Connect(std::move(slot));
  }

 private:
  bool AcceptsUser() const { return IsEnabled() && IsVisible(); }

  double m_dayCount;
  bool m_checked = true;
  std::string m_format;
  CSignal<bool> m_userChecked;
  CSignal<> m_userChangedTime;
};
