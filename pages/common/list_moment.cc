#include "pages/common/list_moment.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// Writes `value` (0 <= value < 10^width) as `width` decimal digits.
char* Digits(char* out, int value, int width) {
  for (int i = width - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return out + width;
}

}  // namespace

void ListMoment::SetTime(const CDateTime& value) {
  time = value;
  m_momentLength = 0;
  m_dateLength = 0;
  if (value.GetStatus() == CDateTime::kNull) return;
  const CDateTime::Fields f = value.Split();
  if (value.IsValid() && f.year >= 0 && f.year <= 9999) {
    // Every listed record passes here, and snprintf costs more than reading
    // the record did: the digits of "%04d/%02d/%02d %02d:%02d:%02d" are
    // written directly, as snprintf writes them for a valid time of these
    // years (its other fields have two digits at most).
    char* out = Digits(m_moment, f.year, 4);
    *out++ = '/';
    out = Digits(out, f.month, 2);
    *out++ = '/';
    out = Digits(out, f.day, 2);
    *out++ = ' ';
    out = Digits(out, f.hour, 2);
    *out++ = ':';
    out = Digits(out, f.minute, 2);
    *out++ = ':';
    Digits(out, f.second, 2);
    m_momentLength = 19;
    m_dateLength = 10;
    return;
  }
  char text[64];
  const int length = std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", f.year, f.month, f.day,
                                   f.hour, f.minute, f.second);
  m_momentLength = static_cast<uint8_t>(std::clamp<int>(length, 0, sizeof m_moment));
  std::memcpy(m_moment, text, m_momentLength);
  const char* blank = static_cast<const char*>(std::memchr(m_moment, ' ', m_momentLength));
  m_dateLength = static_cast<uint8_t>(blank != nullptr ? blank - m_moment : m_momentLength);
}
