// Values the command-line programs read alike: a server address, an
// account and a calendar moment.  No program state: each reader takes a
// text and fills its out-parameter only when the text is good.
#pragma once

#include <string>
#include <utility>

// A moment as the command line writes it, field by field.
struct CalendarTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// "YYYY-MM-DD HH:MM:SS", or with `dateAlone` also "YYYY-MM-DD" (00:00:00),
// a moment that the calendar has (no 31 April, no 24:00:00).
bool ReadCalendarTime(const std::string& text, bool dateAlone, CalendarTime* out);

// "HOST[:PORT]" (port 5160 when left out); false for an empty host or a
// port outside 1-65535.
bool ReadHostPort(const std::string& text, std::string* host, int* port);

// "USER[:PASSWORD]" (an empty password when left out); false for an empty user.
bool ReadAccount(const std::string& text, std::pair<std::string, std::string>* account);
