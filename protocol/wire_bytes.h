// Little-endian numbers and the 16-byte date-time as VXPP bodies carry
// them.  Readers take a pointer to enough bytes; the caller checks the size.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "vocabulary/date_time.h"
#include "vocabulary/little_endian.h"

namespace vxpp {

constexpr size_t kWireDateTimeBytes = 16;

using little_endian::GetU32;
using little_endian::GetU64;
using little_endian::PutU32;
using little_endian::PutU64;
inline void PutI32(std::string* out, int32_t value) { PutU32(out, static_cast<uint32_t>(value)); }
inline int32_t GetI32(const char* bytes) { return static_cast<int32_t>(GetU32(bytes)); }

// Status (i32), 4 bytes of padding, ticks (u64).
inline void PutDateTime(std::string* out, const CDateTime& time) {
  PutI32(out, time.GetStatus());
  PutU32(out, 0);
  PutU64(out, static_cast<uint64_t>(time.GetTicks()));
}
inline CDateTime GetDateTime(const char* bytes) {
  return CDateTime(GetI32(bytes), static_cast<int64_t>(GetU64(bytes + 8)));
}

}  // namespace vxpp
