#include "protocol/header_reader.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

namespace vxpp {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Index of the first character after the name's first occurrence at or
// after `from`, or npos.
size_t ValueStart(const std::string& headers, const char* name, size_t from) {
  const size_t at = headers.find(name, from);
  return at == std::string::npos ? at : at + std::strlen(name);
}

bool ReadValue(const std::string& headers, const char* name, size_t* position, const char* stops,
               std::string* value) {
  size_t at = ValueStart(headers, name, *position);
  if (at == std::string::npos) return false;
  while (at < headers.size() && IsBlank(headers[at])) ++at;
  size_t end = at;
  while (end < headers.size() && std::strchr(stops, headers[end]) == nullptr) ++end;
  value->assign(headers, at, end - at);
  *position = end;
  return true;
}

// sscanf of one number right after the name.
template <typename T>
bool ScanAfter(const std::string& headers, const char* name, const char* format, T* value) {
  *value = 0;
  const size_t at = ValueStart(headers, name, 0);
  if (at == std::string::npos) return false;
  return std::sscanf(headers.c_str() + at, format, value) == 1;
}

}  // namespace

bool HeaderText(const std::string& headers, const char* name, std::string* value) {
  size_t position = 0;
  return HeaderText(headers, name, value, &position);
}

bool HeaderText(const std::string& headers, const char* name, std::string* value, size_t* position) {
  return ReadValue(headers, name, position, "\r\n", value);
}

bool HeaderToken(const std::string& headers, const char* name, std::string* value) {
  size_t position = 0;
  return ReadValue(headers, name, &position, "\r\n \t;", value);
}

bool HeaderU32(const std::string& headers, const char* name, uint32_t* value) {
  unsigned scanned = 0;
  const bool ok = ScanAfter(headers, name, "%u", &scanned);
  *value = scanned;
  return ok;
}

bool HeaderU64(const std::string& headers, const char* name, uint64_t* value) {
  return ScanAfter(headers, name, "%" SCNu64, value);
}

bool HeaderInt(const std::string& headers, const char* name, int32_t* value) {
  return ScanAfter(headers, name, "%" SCNd32, value);
}

bool HeaderDecimal(const std::string& headers, const char* name, float* value) {
  return ScanAfter(headers, name, "%f", value);
}

int ResponseStatus(const std::string& headers, const char* version) {
  const size_t at = headers.find(version);
  if (at == std::string::npos) return -1;
  int status = -1;
  if (std::sscanf(headers.c_str() + at + std::strlen(version), "%d", &status) != 1) return -1;
  return status;
}

}  // namespace vxpp
