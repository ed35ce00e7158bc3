#include "pages/event/event_list_item.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

void EventListItem::SetTime(const CDateTime& value) {
  time = value;
  m_momentLength = 0;
  m_dateLength = 0;
  m_moment[0] = '\0';
  if (value.GetStatus() == CDateTime::kNull) return;
  // Formatted straight into the row: listing a record allocates nothing here.
  const CDateTime::Fields f = value.Split();
  const int length = std::snprintf(m_moment, sizeof m_moment, "%04d/%02d/%02d %02d:%02d:%02d", f.year,
                                   f.month, f.day, f.hour, f.minute, f.second);
  m_momentLength = static_cast<uint8_t>(std::clamp<int>(length, 0, sizeof m_moment - 1));
  const char* blank = static_cast<const char*>(std::memchr(m_moment, ' ', m_momentLength));
  m_dateLength = static_cast<uint8_t>(blank != nullptr ? blank - m_moment : m_momentLength);
}
