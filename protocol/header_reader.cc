#include "protocol/header_reader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <limits>

namespace vxpp {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Index of the first character after the name's first occurrence at or
// after `from`, or npos.
size_t ValueStart(std::string_view headers, const char* name, size_t from) {
  const size_t at = headers.find(name, from);
  return at == std::string_view::npos ? at : at + std::strlen(name);
}

// A value ends at CR, LF or the end; a token also at a blank or ";".
bool EndsValue(char c, bool token) {
  return c == '\r' || c == '\n' || (token && (IsBlank(c) || c == ';'));
}

// Where the line that goes on at `at` ends: at CR, LF or the end.  Lines
// end in CR LF, so the first CR bounds the search for an earlier LF.
size_t LineEnd(std::string_view headers, size_t at) {
  const std::string_view rest = headers.substr(at);
  const size_t cr = std::min(rest.find('\r'), rest.size());
  return at + std::min(rest.substr(0, cr).find('\n'), cr);
}

// Where the value that starts at `at` ends.
size_t ValueEnd(std::string_view headers, size_t at, bool token) {
  // Most values are short numbers: a few bytes are looked at one by one,
  // and memchr runs over the rest of a long text (a description).
  const size_t near = std::min(headers.size(), at + 16);
  size_t end = at;
  while (end < near && !EndsValue(headers[end], token)) ++end;
  if (end < near || token) {
    while (end < headers.size() && !EndsValue(headers[end], token)) ++end;
    return end;
  }
  return LineEnd(headers, end);
}

// The value that starts right after a name's colon at `at`.
bool ReadValueAt(std::string_view headers, size_t at, size_t* position, bool token, std::string_view* value) {
  if (at == std::string_view::npos) return false;
  while (at < headers.size() && IsBlank(headers[at])) ++at;
  const size_t end = ValueEnd(headers, at, token);
  *value = headers.substr(at, end - at);
  *position = end;
  return true;
}

bool ReadValueAt(std::string_view headers, size_t at, size_t* position, bool token, std::string* value) {
  std::string_view view;
  if (!ReadValueAt(headers, at, position, token, &view)) return false;
  value->assign(view);
  return true;
}

bool ReadValue(std::string_view headers, const char* name, size_t* position, bool token, std::string* value) {
  return ReadValueAt(headers, ValueStart(headers, name, *position), position, token, value);
}

// What the integer conversions of scanf see: white space, a sign, digits.
// Every record of a text answer passes here, so no scanf.
struct ScannedInteger {
  bool read = false;
  bool negative = false;
  bool overflow = false;    // the digits exceed 64 bits
  uint64_t magnitude = 0;
};

ScannedInteger ScanInteger(std::string_view text) {
  ScannedInteger n;
  size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) n.negative = text[i++] == '-';
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    n.read = true;
    const auto digit = static_cast<uint64_t>(text[i] - '0');
    if (n.magnitude > (std::numeric_limits<uint64_t>::max() - digit) / 10) n.overflow = true;
    if (!n.overflow) n.magnitude = n.magnitude * 10 + digit;
  }
  return n;
}

// strtoull: too large saturates; a minus sign negates modulo 2^64.
uint64_t AsUnsigned(const ScannedInteger& n) {
  if (n.overflow) return std::numeric_limits<uint64_t>::max();
  return n.negative ? 0 - n.magnitude : n.magnitude;
}

// strtol on 64 bits: saturates at either end.
int64_t AsSigned(const ScannedInteger& n) {
  constexpr uint64_t kLimit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  if (n.negative)
    return n.overflow || n.magnitude > kLimit + 1 ? std::numeric_limits<int64_t>::min()
                                                   : static_cast<int64_t>(0 - n.magnitude);
  return n.overflow || n.magnitude > kLimit ? std::numeric_limits<int64_t>::max()
                                            : static_cast<int64_t>(n.magnitude);
}

ScannedInteger ScanAt(std::string_view headers, size_t at) {
  return at == std::string_view::npos ? ScannedInteger{} : ScanInteger(headers.substr(at));
}

// The number right after the name, or nothing read.
ScannedInteger ScanAfter(std::string_view headers, const char* name) {
  return ScanAt(headers, ValueStart(headers, name, 0));
}

bool StoreU32(const ScannedInteger& n, uint32_t* value) {
  *value = n.read ? static_cast<uint32_t>(AsUnsigned(n)) : 0;
  return n.read;
}

bool StoreInt(const ScannedInteger& n, int32_t* value) {
  *value = n.read ? static_cast<int32_t>(static_cast<uint32_t>(AsSigned(n))) : 0;
  return n.read;
}

}  // namespace

bool HeaderText(std::string_view headers, const char* name, std::string* value) {
  size_t position = 0;
  return HeaderText(headers, name, value, &position);
}

bool HeaderText(std::string_view headers, const char* name, std::string* value, size_t* position) {
  return ReadValue(headers, name, position, false, value);
}

std::string_view HeaderValueAt(std::string_view headers, size_t at) {
  // A text value, most often a description: no byte-by-byte start.
  at = std::min(at, headers.size());
  while (at < headers.size() && IsBlank(headers[at])) ++at;
  return headers.substr(at, LineEnd(headers, at) - at);
}

bool HeaderToken(std::string_view headers, const char* name, std::string* value) {
  size_t position = 0;
  return ReadValue(headers, name, &position, true, value);
}

bool HeaderU32(std::string_view headers, const char* name, uint32_t* value) {
  return StoreU32(ScanAfter(headers, name), value);
}

bool HeaderU64(std::string_view headers, const char* name, uint64_t* value) {
  const ScannedInteger n = ScanAfter(headers, name);
  *value = n.read ? AsUnsigned(n) : 0;
  return n.read;
}

bool HeaderInt(std::string_view headers, const char* name, int32_t* value) {
  return StoreInt(ScanAfter(headers, name), value);
}

bool HeaderDecimal(std::string_view headers, const char* name, float* value) {
  *value = 0;
  const size_t at = ValueStart(headers, name, 0);
  if (at == std::string_view::npos) return false;
  const std::string rest(headers.substr(at));
  return std::sscanf(rest.c_str(), "%f", value) == 1;
}

int ResponseStatus(std::string_view headers, const char* version) {
  const size_t at = headers.find(version);
  if (at == std::string_view::npos) return -1;
  const ScannedInteger n = ScanInteger(headers.substr(at + std::strlen(version)));
  return n.read ? static_cast<int>(static_cast<uint32_t>(AsSigned(n))) : -1;
}

HeaderIndex::HeaderIndex(std::string_view headers, std::initializer_list<std::string_view> names)
    : m_headers(headers) {
  std::fill(std::begin(m_valueStart), std::end(m_valueStart), std::string_view::npos);
  const std::string_view* name = names.begin();
  const size_t count = std::min(names.size(), kMaxNames);
  size_t missing = count;
  // A name occurs where a colon ends it; the first such colon of each name
  // is its first occurrence, as a search from the start would find it.
  for (size_t colon = headers.find(':'); colon != std::string_view::npos && missing > 0;
       colon = headers.find(':', colon + 1)) {
    for (size_t i = 0; i < count; ++i) {
      const size_t length = name[i].size();
      if (m_valueStart[i] != std::string_view::npos || length > colon + 1) continue;
      // Most colons end no name: the letters before them already differ
      // (the names of one block share their beginning more than their end).
      if (length >= 2 && headers[colon - 1] != name[i][length - 2]) continue;
      if (std::memcmp(headers.data() + colon + 1 - length, name[i].data(), length) != 0) continue;
      m_valueStart[i] = colon + 1;
      --missing;
    }
  }
}

bool HeaderIndex::Text(size_t index, std::string* value) const {
  size_t position = 0;
  return index < kMaxNames && ReadValueAt(m_headers, m_valueStart[index], &position, false, value);
}

bool HeaderIndex::Text(size_t index, std::string_view* value) const {
  size_t position = 0;
  return index < kMaxNames && ReadValueAt(m_headers, m_valueStart[index], &position, false, value);
}

bool HeaderIndex::U32(size_t index, uint32_t* value) const {
  return StoreU32(index < kMaxNames ? ScanAt(m_headers, m_valueStart[index]) : ScannedInteger{}, value);
}

bool HeaderIndex::Int(size_t index, int32_t* value) const {
  return StoreInt(index < kMaxNames ? ScanAt(m_headers, m_valueStart[index]) : ScannedInteger{}, value);
}

}  // namespace vxpp
