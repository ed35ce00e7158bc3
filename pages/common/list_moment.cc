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

size_t FormatListMoment(const CDateTime& value, char* out) {
  if (value.GetStatus() == CDateTime::kNull) return 0;
  const CDateTime::Fields f = value.Split();
  if (value.IsValid() && f.year >= 0 && f.year <= 9999) {
    // Every listed record passes here, and snprintf costs more than reading
    // the record did: the digits are written directly, as snprintf writes
    // them for a valid time of these years (its other fields have two
    // digits at most).
    char* at = Digits(out, f.year, 4);
    *at++ = '/';
    at = Digits(at, f.month, 2);
    *at++ = '/';
    at = Digits(at, f.day, 2);
    *at++ = ' ';
    at = Digits(at, f.hour, 2);
    *at++ = ':';
    at = Digits(at, f.minute, 2);
    *at++ = ':';
    Digits(at, f.second, 2);
    return 19;
  }
  char text[64];
  const int length = std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", f.year, f.month, f.day,
                                   f.hour, f.minute, f.second);
  const auto kept = static_cast<size_t>(std::clamp<int>(length, 0, kListMomentChars));
  std::memcpy(out, text, kept);
  return kept;
}

void ListMoment::Format() const {
  m_momentLength = static_cast<uint8_t>(FormatListMoment(m_time, m_moment));
  if (m_momentLength == 19) {
    m_dateLength = 10;
    return;
  }
  const char* blank = static_cast<const char*>(std::memchr(m_moment, ' ', m_momentLength));
  m_dateLength = static_cast<uint8_t>(blank != nullptr ? blank - m_moment : m_momentLength);
}
