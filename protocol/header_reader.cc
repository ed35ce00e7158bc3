#include "protocol/header_reader.h"

#include <cstdio>
#include <cstring>
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

bool ReadValue(std::string_view headers, const char* name, size_t* position, const char* stops,
               std::string* value) {
  size_t at = ValueStart(headers, name, *position);
  if (at == std::string_view::npos) return false;
  while (at < headers.size() && IsBlank(headers[at])) ++at;
  size_t end = at;
  while (end < headers.size() && std::strchr(stops, headers[end]) == nullptr) ++end;
  value->assign(headers, at, end - at);
  *position = end;
  return true;
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

// The number right after the name, or nothing read.
ScannedInteger ScanAfter(std::string_view headers, const char* name) {
  const size_t at = ValueStart(headers, name, 0);
  if (at == std::string_view::npos) return {};
  return ScanInteger(headers.substr(at));
}

}  // namespace

bool HeaderText(std::string_view headers, const char* name, std::string* value) {
  size_t position = 0;
  return HeaderText(headers, name, value, &position);
}

bool HeaderText(std::string_view headers, const char* name, std::string* value, size_t* position) {
  return ReadValue(headers, name, position, "\r\n", value);
}

bool HeaderToken(std::string_view headers, const char* name, std::string* value) {
  size_t position = 0;
  return ReadValue(headers, name, &position, "\r\n \t;", value);
}

bool HeaderU32(std::string_view headers, const char* name, uint32_t* value) {
  const ScannedInteger n = ScanAfter(headers, name);
  *value = n.read ? static_cast<uint32_t>(AsUnsigned(n)) : 0;
  return n.read;
}

bool HeaderU64(std::string_view headers, const char* name, uint64_t* value) {
  const ScannedInteger n = ScanAfter(headers, name);
  *value = n.read ? AsUnsigned(n) : 0;
  return n.read;
}

bool HeaderInt(std::string_view headers, const char* name, int32_t* value) {
  const ScannedInteger n = ScanAfter(headers, name);
  *value = n.read ? static_cast<int32_t>(static_cast<uint32_t>(AsSigned(n))) : 0;
  return n.read;
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

}  // namespace vxpp
