#include "pages/common/row_cells.h"

#include <charconv>

#include "pages/common/list_moment.h"

void RowCells::AppendDecimal(int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  Append(std::string_view(digits, static_cast<size_t>(end - digits)));
}

void RowCells::AddTwoDigits(int64_t number) {
  if (number >= 0 && number < 10) m_text += '0';
  AddDecimal(number);
}

void RowCells::AddTime(const CDateTime& time) {
  char text[kListMomentChars];
  Add(std::string_view(text, FormatListMoment(time, text)));
}

std::string_view RowCells::Cell(size_t i) const {
  if (i >= m_count) return {};
  const size_t start = i == 0 ? 0 : m_ends[i - 1];
  return std::string_view(m_text).substr(start, m_ends[i] - start);
}
