// CDateTime: a moment in local time as a status and a count of 100 ns ticks
// since 1601-01-01 00:00:00, with the text forms the logs, lists and pickers use.
//
// A value is a plain 16-byte structure (status, padding, ticks) so that it can
// be copied by value across the exported functions and laid out on the wire.
#pragma once

#include <cstdint>
#include <string>

class CDateTime {
 public:
  enum Status : int32_t { kValid = 0, kInvalid = 1, kNull = 2 };

  static constexpr int64_t kTicksPerMillisecond = 10000;
  static constexpr int64_t kTicksPerSecond = 10000000;
  static constexpr int64_t kTicksPerDay = 864000000000;
  static constexpr int kMinYear = -29000;
  static constexpr int kMaxYear = 29000;

  // Calendar fields of a value; every field is -1 for a value that is not valid.
  struct Fields {
    int year, month, day, hour, minute, second, millisecond;
    int dayOfWeek;  // 0 = Sunday
  };

  // Valid, tick 0 (1601-01-01 00:00:00), as a newly made record holds it.
  CDateTime() = default;
  CDateTime(int32_t status, int64_t ticks) : m_status(status), m_ticks(ticks) {}

  // Builds from calendar fields.  Fails (status invalid) when the year lies
  // outside -29000..29000 or the month outside 1..12; otherwise overflowing
  // fields carry upwards (61 seconds is the next minute plus one second).
  static CDateTime FromFields(int year, int month, int day, int hour = 0, int minute = 0,
                              int second = 0, int millisecond = 0);
  static CDateTime Null() { return CDateTime(kNull, 0); }
  static CDateTime Invalid() { return CDateTime(kInvalid, 0); }

  bool IsValid() const { return m_status == kValid; }
  int32_t GetStatus() const { return m_status; }
  int64_t GetTicks() const { return m_ticks; }
  void SetStatus(int32_t status) { m_status = status; }

  Fields Split() const;

  // The pickers' floating-point day count (days since 1899-12-30; the
  // fraction is the time of day, also for days before the epoch).
  double ToDayCount() const;
  static CDateTime FromDayCount(double days);

  // A span is a signed tick count; the status is kept.
  CDateTime operator+(int64_t span) const { return CDateTime(m_status, m_ticks + span); }
  CDateTime operator-(int64_t span) const { return CDateTime(m_status, m_ticks - span); }
  int64_t operator-(const CDateTime& other) const { return m_ticks - other.m_ticks; }

  // Comparison is by ticks only.
  friend bool operator==(const CDateTime& a, const CDateTime& b) { return a.m_ticks == b.m_ticks; }
  friend auto operator<=>(const CDateTime& a, const CDateTime& b) { return a.m_ticks <=> b.m_ticks; }

  // Text forms.  A null value formats as the empty text; an invalid one
  // prints -1 in every field.
  std::string FormatLogTime() const;         // "%04d%02d%02d%02d%02d%02d"
  std::string FormatLogTimeMs() const;       // the same with "%03d" milliseconds
  int64_t QueryLiteral() const;              // the 14 digits as one integer
  std::string FormatListCell() const;        // "%04d/%02d/%02d %02d:%02d:%02d"
  std::string FormatDate() const;            // "%04d/%02d/%02d"
  std::string FormatTime() const;            // "%02d:%02d:%02d"
  std::string FormatWire() const;            // "%Y/%m/%d;%H:%M:%S", "null" when not valid
  // FormatWire into `buffer` (kWireChars bytes), without a heap allocation;
  // returns its length.
  static constexpr size_t kWireChars = 32;
  size_t FormatWireTo(char* buffer) const;
  // "%s_%04d%02d%02d.%s": the name of the daily database of this date.
  std::string DailyFileName(const char* logName, const char* extension = "db") const;

  // Readers.  ParseLogTime: 17 characters read with milliseconds, any other
  // length with the 14-digit form; an unreadable text gives a value that is
  // not valid.  ParseListCell fails unless all six fields are read.
  // ParseWire reads "%d/%d/%d;%d:%d:%d"; "null" gives the null value.
  static CDateTime ParseLogTime(const char* text);
  static bool ParseListCell(const char* text, CDateTime& out);
  static CDateTime ParseWire(const char* text);

  // Local time of the machine now.
  static CDateTime Now();

 private:
  int32_t m_status = kValid;
  int64_t m_ticks = 0;
};

static_assert(sizeof(CDateTime) == 16, "CDateTime is laid out as status, padding, ticks");
