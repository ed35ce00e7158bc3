// Formats a time span (a signed count of 100-nanosecond ticks) the way the
// export and backup list shows lengths, e.g. "%#Ddays %H:%M:%S.%u" gives
// "0days 00:10:05.000".  Pure function.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The markers, replaced in this order: "%D" whole days ("%0d"), "%#D" the
// same ("%d"), "%s" milliseconds within the second ("%03d"), "%#s" ("%d"),
// "%u" microseconds within the millisecond ("%03d"), "%#u" ("%d"), "%n"
// nanoseconds within the microsecond ("%03d"), "%#n" ("%d"); days,
// milliseconds and microseconds count the span's size.  The rest ("%H",
// "%M", "%S", "%%" ...) is calendar-time formatting of the span's size read
// as a moment counted from 1601-01-01 (its time of day; date markers read
// that first day), at most 128 characters.  A negative
// span is the text of its size after "-".  No span gives "".
//
// The text is made in `scratch` and returned as a view of it: a list that
// formats a length per row reuses one buffer.
std::string_view FormatTimeSpan(std::optional<int64_t> span, std::string_view format, std::string& scratch);
