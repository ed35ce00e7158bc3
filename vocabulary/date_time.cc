#include "vocabulary/date_time.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

// Floor division, so that negative fields carry downwards like positive ones carry up.
constexpr int64_t FloorDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

// Days from 1970-01-01 of a proleptic Gregorian date (month 1..12).
constexpr int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = FloorDiv(y, 400);
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const int64_t era = FloorDiv(z, 146097);
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

// Constant-initialised, so that values made during other files' static
// initialisation already see them.
constexpr int64_t kEpoch1601 = DaysFromCivil(1601, 1, 1);  // days from 1970
constexpr int64_t kEpoch1899 = DaysFromCivil(1899, 12, 30);

bool AllDigits(const char* text, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

int Digits(const char* text, int count) {
  int value = 0;
  for (int i = 0; i < count; ++i) value = value * 10 + (text[i] - '0');
  return value;
}

std::string Printf(const char* format, int a, int b, int c) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, a, b, c);
  return buffer;
}

}  // namespace

CDateTime CDateTime::FromFields(int year, int month, int day, int hour, int minute, int second,
                                int millisecond) {
  if (year < kMinYear || year > kMaxYear || month < 1 || month > 12) return Invalid();
  const int64_t days = DaysFromCivil(year, month, 1) - kEpoch1601 + (static_cast<int64_t>(day) - 1);
  const int64_t ms = (((static_cast<int64_t>(hour) * 60 + minute) * 60 + second) * 1000) + millisecond;
  // The earliest years of the calendar range lie before what 64-bit ticks
  // since 1601 can count, and so do fields far beyond their range (a remote
  // answer's hour of 999999999); such a moment cannot be held and is not valid.
  int64_t dayTicks = 0, msTicks = 0, ticks = 0;
  if (__builtin_mul_overflow(days, kTicksPerDay, &dayTicks) ||
      __builtin_mul_overflow(ms, kTicksPerMillisecond, &msTicks) || __builtin_add_overflow(dayTicks, msTicks, &ticks))
    return Invalid();
  return CDateTime(kValid, ticks);
}

CDateTime::Fields CDateTime::Split() const {
  if (!IsValid()) return Fields{-1, -1, -1, -1, -1, -1, -1, -1};
  const int64_t days = FloorDiv(m_ticks, kTicksPerDay);
  const int64_t inDay = m_ticks - days * kTicksPerDay;
  Fields f{};
  CivilFromDays(days + kEpoch1601, f.year, f.month, f.day);
  const int64_t ms = inDay / kTicksPerMillisecond;
  f.millisecond = static_cast<int>(ms % 1000);
  f.second = static_cast<int>(ms / 1000 % 60);
  f.minute = static_cast<int>(ms / 60000 % 60);
  f.hour = static_cast<int>(ms / 3600000);
  // 1601-01-01 was a Monday.
  f.dayOfWeek = static_cast<int>(((days % 7) + 7 + 1) % 7);
  return f;
}

double CDateTime::ToDayCount() const {
  const int64_t days = FloorDiv(m_ticks, kTicksPerDay);
  const double fraction = static_cast<double>(m_ticks - days * kTicksPerDay) / kTicksPerDay;
  const int64_t whole = days + kEpoch1601 - kEpoch1899;
  // Before the epoch the day count is negative while its fraction still
  // counts forwards into the day: -1.25 is 1899-12-29 06:00.
  return whole >= 0 ? static_cast<double>(whole) + fraction
                    : static_cast<double>(whole) - fraction;
}

CDateTime CDateTime::FromDayCount(double days) {
  if (!std::isfinite(days)) return Invalid();
  const double whole = std::trunc(days);
  const double fraction = std::fabs(days - whole);
  const int64_t dayNumber = static_cast<int64_t>(whole) + kEpoch1899 - kEpoch1601;
  // Round to the millisecond: the day count cannot hold finer steps exactly.
  const int64_t ms = std::llround(fraction * 86400000.0);
  return CDateTime(kValid, dayNumber * kTicksPerDay + ms * kTicksPerMillisecond);
}

std::string CDateTime::FormatLogTime() const {
  if (m_status == kNull) return {};
  const Fields f = Split();
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "%04d%02d%02d%02d%02d%02d", f.year, f.month, f.day, f.hour,
                f.minute, f.second);
  return buffer;
}

std::string CDateTime::FormatLogTimeMs() const {
  if (m_status == kNull) return {};
  const Fields f = Split();
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "%04d%02d%02d%02d%02d%02d%03d", f.year, f.month, f.day,
                f.hour, f.minute, f.second, f.millisecond);
  return buffer;
}

int64_t CDateTime::QueryLiteral() const {
  const Fields f = Split();
  return ((((static_cast<int64_t>(f.year) * 100 + f.month) * 100 + f.day) * 100 + f.hour) * 100 +
          f.minute) * 100 + f.second;
}

std::string CDateTime::FormatListCell() const {
  if (m_status == kNull) return {};
  const Fields f = Split();
  return Printf("%04d/%02d/%02d ", f.year, f.month, f.day) +
         Printf("%02d:%02d:%02d", f.hour, f.minute, f.second);
}

std::string CDateTime::FormatDate() const {
  if (m_status == kNull) return {};
  const Fields f = Split();
  return Printf("%04d/%02d/%02d", f.year, f.month, f.day);
}

std::string CDateTime::FormatTime() const {
  if (m_status == kNull) return {};
  const Fields f = Split();
  return Printf("%02d:%02d:%02d", f.hour, f.minute, f.second);
}

std::string CDateTime::FormatWire() const {
  char buffer[kWireChars];
  return std::string(buffer, FormatWireTo(buffer));
}

size_t CDateTime::FormatWireTo(char* buffer) const {
  if (!IsValid()) {
    std::memcpy(buffer, "null", 4);
    return 4;
  }
  const Fields f = Split();
  const int length = std::snprintf(buffer, kWireChars, "%d/%02d/%02d;%02d:%02d:%02d", f.year, f.month, f.day,
                                   f.hour, f.minute, f.second);
  return static_cast<size_t>(std::clamp(length, 0, static_cast<int>(kWireChars) - 1));
}

std::string CDateTime::DailyFileName(const char* logName, const char* extension) const {
  const Fields f = Split();
  char buffer[320];
  std::snprintf(buffer, sizeof buffer, "%s_%04d%02d%02d.%s", logName, f.year, f.month, f.day,
                extension);
  return buffer;
}

CDateTime CDateTime::ParseLogTime(const char* text) {
  if (text == nullptr) return Invalid();
  // Every row of a search passes here: the stored forms (14 or 17 digits)
  // are read directly, with the same result as the scanf forms below.
  const size_t length = std::strlen(text);
  if ((length == 14 || length == 17) && AllDigits(text, length)) {
    return FromFields(Digits(text, 4), Digits(text + 4, 2), Digits(text + 6, 2),
                      Digits(text + 8, 2), Digits(text + 10, 2), Digits(text + 12, 2),
                      length == 17 ? Digits(text + 14, 3) : 0);
  }
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
  if (length == 17) {
    if (std::sscanf(text, "%4d%2d%2d%2d%2d%2d%3d", &y, &mo, &d, &h, &mi, &s, &ms) != 7)
      return Invalid();
  } else if (std::sscanf(text, "%4d%2d%2d%2d%2d%2d", &y, &mo, &d, &h, &mi, &s) != 6) {
    return Invalid();
  }
  return FromFields(y, mo, d, h, mi, s, ms);
}

namespace {

// The list form as a list writes it, "dddd/dd/dd dd:dd:dd" in plain digits
// (what follows is not read), read field by field: scanf gives the same
// fields for it, at a tenth of the cost.  False for anything else, which
// scanf then reads.
bool ReadPlainListFields(const char* text, int fields[6]) {
  static constexpr char kForm[] = "dddd/dd/dd dd:dd:dd";
  int field = 0;
  for (size_t i = 0; i + 1 < sizeof kForm; ++i) {
    const char c = text[i];  // a shorter text ends in a zero byte, which matches nothing
    if (kForm[i] != 'd') {
      if (c != kForm[i]) return false;
      ++field;
      continue;
    }
    if (c < '0' || c > '9') return false;
    fields[field] = (i == 0 || kForm[i - 1] != 'd' ? 0 : fields[field] * 10) + (c - '0');
  }
  return true;
}

}  // namespace

bool CDateTime::ParseListCell(const char* text, CDateTime& out) {
  int f[6];
  if (text != nullptr && ReadPlainListFields(text, f)) {
    out = FromFields(f[0], f[1], f[2], f[3], f[4], f[5]);
    return true;
  }
  int y, mo, d, h, mi, s;
  if (text == nullptr ||
      std::sscanf(text, "%04d/%02d/%02d %02d:%02d:%02d", &y, &mo, &d, &h, &mi, &s) != 6)
    return false;
  out = FromFields(y, mo, d, h, mi, s);
  return true;
}

namespace {

// "%d/%d/%d;%d:%d:%d" read field by field, as scanf reads it, for the plain
// texts every record of a remote answer carries: white space before a
// number, a sign, at most 9 digits.  False for anything else, which scanf
// then reads.
bool ScanWireFields(const char* text, int fields[6]) {
  static const char kSeparators[] = "//;::";
  for (int i = 0; i < 6; ++i) {
    while (*text == ' ' || (*text >= '\t' && *text <= '\r')) ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    int value = 0, digits = 0;
    for (; *text >= '0' && *text <= '9'; ++text, ++digits) {
      if (digits == 9) return false;  // scanf's business, before the sum overflows
      value = value * 10 + (*text - '0');
    }
    if (digits == 0) return false;
    fields[i] = negative ? -value : value;
    if (i < 5 && *text++ != kSeparators[i]) return false;
  }
  return true;
}

}  // namespace

CDateTime CDateTime::ParseWire(const char* text) {
  if (text == nullptr) return Invalid();
  if (text[0] == 'n' && std::strcmp(text, "null") == 0) return Null();
  int f[6];
  if (ScanWireFields(text, f)) return FromFields(f[0], f[1], f[2], f[3], f[4], f[5]);
  int y, mo, d, h, mi, s;
  if (std::sscanf(text, "%d/%d/%d;%d:%d:%d", &y, &mo, &d, &h, &mi, &s) != 6) return Invalid();
  return FromFields(y, mo, d, h, mi, s);
}

CDateTime CDateTime::Now() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  tm local{};
  localtime_r(&ts.tv_sec, &local);
  return FromFields(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                    local.tm_min, local.tm_sec, static_cast<int>(ts.tv_nsec / 1000000));
}
