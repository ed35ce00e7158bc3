#include "tools/common/command_line_values.h"

#include <cerrno>
#include <cstdlib>

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool IsCalendarMoment(const CalendarTime& t) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (t.month < 1 || t.month > 12 || t.day < 1) return false;
  const int days = kDays[t.month - 1] + (t.month == 2 && IsLeapYear(t.year) ? 1 : 0);
  return t.day <= days && t.hour < 24 && t.minute < 60 && t.second < 60;
}

}  // namespace

bool ReadCalendarTime(const std::string& text, bool dateAlone, CalendarTime* out) {
  static constexpr char kForm[] = "dddd-dd-dd dd:dd:dd";
  if (text.size() != sizeof kForm - 1 && !(dateAlone && text.size() == 10)) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (kForm[i] == 'd' ? !digit : text[i] != kForm[i]) return false;
  }
  const auto field = [&](size_t at, size_t length) {
    return at < text.size() ? std::stoi(text.substr(at, length)) : 0;
  };
  const CalendarTime t{field(0, 4), field(5, 2), field(8, 2), field(11, 2), field(14, 2), field(17, 2)};
  if (!IsCalendarMoment(t)) return false;
  *out = t;
  return true;
}

bool ReadHostPort(const std::string& text, std::string* host, int* port) {
  const size_t colon = text.rfind(':');
  int value = 5160;
  if (colon != std::string::npos) {
    const std::string digits = text.substr(colon + 1);
    char* end = nullptr;
    errno = 0;
    const long number = std::strtol(digits.c_str(), &end, 10);
    if (digits.empty() || *end != '\0' || errno != 0 || number < 1 || number > 65535) return false;
    value = static_cast<int>(number);
  }
  if (text.substr(0, colon).empty()) return false;
  *host = text.substr(0, colon);
  *port = value;
  return true;
}

bool ReadAccount(const std::string& text, std::pair<std::string, std::string>* account) {
  const size_t colon = text.find(':');
  if (text.substr(0, colon).empty()) return false;
  *account = {text.substr(0, colon), colon == std::string::npos ? "" : text.substr(colon + 1)};
  return true;
}
