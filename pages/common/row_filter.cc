#include "pages/common/row_filter.h"

namespace {

// Letters compare without their case in ASCII only, as the C locale's
// strcasestr does: other bytes (UTF-8 or a code page's) compare as they are.
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string AsciiLower(std::string text) {
  for (char& c : text) c = AsciiLower(c);
  return text;
}

// Whether `text` holds `needle` (in lower case, not empty) in any case.
bool HoldsAnyCase(std::string_view text, std::string_view needle) {
  const char first = needle.front();
  for (size_t at = 0; at + needle.size() <= text.size(); ++at) {
    if (AsciiLower(text[at]) != first) continue;
    size_t matched = 1;
    while (matched < needle.size() && AsciiLower(text[at + matched]) == needle[matched]) ++matched;
    if (matched == needle.size()) return true;
  }
  return false;
}

}  // namespace

bool CRowFilter::Matches(int pageRow, int columnCount) {
  const auto holds = [&](int column) {
    return HoldsAnyCase(m_rows.GetItemTextView(pageRow, column, m_scratch), m_needle);
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
