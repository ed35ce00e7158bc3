#include "pages/common/row_filter.h"

#include <string.h>

#include <cctype>

namespace {

std::string AsciiLower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

bool CRowFilter::Matches(int pageRow, int columnCount) {
  const auto holds = [&](int column) {
    return strcasestr(m_rows.GetItemText(pageRow, column).c_str(), m_needle.c_str()) != nullptr;
  };
  if (m_column != kAllColumns) return holds(m_column);
  for (int column = 0; column < columnCount; ++column)
    if (holds(column)) return true;
  return false;
}

void CRowFilter::Narrow(const std::string& text, int column, size_t rowCount, int columnCount, bool sameRows) {
  std::string needle = AsciiLower(text);
  // A longer text that holds the last one keeps a part of the rows it kept.
  const bool within = sameRows && IsNarrowed() && column == m_column && rowCount == m_rowCount &&
                      needle.find(m_needle) != std::string::npos;
  m_needle = std::move(needle);
  m_column = column;
  m_rowCount = rowCount;
  if (!IsNarrowed()) {
    m_listed = {};
    return;
  }
  if (within) {
    size_t kept = 0;
    for (const uint32_t row : m_listed)
      if (Matches(static_cast<int>(row), columnCount)) m_listed[kept++] = row;
    m_listed.resize(kept);
    return;
  }
  m_listed.clear();
  for (size_t row = 0; row < rowCount; ++row)
    if (Matches(static_cast<int>(row), columnCount)) m_listed.push_back(static_cast<uint32_t>(row));
}
