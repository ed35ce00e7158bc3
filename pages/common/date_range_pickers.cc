#include "pages/common/date_range_pickers.h"

namespace {

constexpr int64_t kOneSecond = CDateTime::kTicksPerSecond;

void Show(CDateTimePickerModel& picker, const CDateTime& value) {
  picker.SetCheck(value.IsValid() && picker.SetTime(value));
}

}  // namespace

CDateTime StartOfToday() {
  const CDateTime::Fields now = CDateTime::Now().Split();
  return CDateTime::FromFields(now.year, now.month, now.day);
}

CDateRangePickers::CDateRangePickers()
    : m_day(StartOfToday()), m_start(StartOfToday()), m_end(StartOfToday() + CDateTime::kTicksPerDay - kOneSecond) {
  m_day.SetFormat(kDayFormat);
  m_start.SetFormat(kTimeFormat);
  m_end.SetFormat(kTimeFormat);
  m_start.SetCheck(false);
  m_end.SetCheck(false);
  // Only the user's ticks make the kinds exclusive; the page's own changes
  // (ShowRange) set every box itself.
  m_dayChecked = m_day.OnUserChecked([this](bool checked) {
    if (!checked) return;
    m_start.SetCheck(false);
    m_end.SetCheck(false);
  });
  const auto clearDay = [this](bool checked) {
    if (checked) m_day.SetCheck(false);
  };
  m_startChecked = m_start.OnUserChecked(clearDay);
  m_endChecked = m_end.OnUserChecked(clearDay);
}

void CDateRangePickers::AddTo(CWindowModel& page) {
  m_day.SetParent(&page);
  m_start.SetParent(&page);
  m_end.SetParent(&page);
}

std::optional<CDateRange> CDateRangePickers::Range() const {
  CDateRange range;
  if (m_day.IsChecked()) {
    range.start = m_day.GetTime();
    range.end = range.start + (CDateTime::kTicksPerDay - kOneSecond);
    return range;
  }
  if (m_start.IsChecked()) range.start = m_start.GetTime();
  if (m_end.IsChecked()) range.end = m_end.GetTime();
  if (range.start.IsValid() && range.end.IsValid() && range.start > range.end) return std::nullopt;
  return range;
}

void CDateRangePickers::ShowRange(const CDateTime& start, const CDateTime& end) {
  m_day.SetCheck(false);
  Show(m_start, start);
  Show(m_end, end);
}
