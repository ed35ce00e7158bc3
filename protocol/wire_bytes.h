// Little-endian numbers and the 16-byte date-time as VXPP bodies carry
// them.  Readers take a pointer to enough bytes; the caller checks the size.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "vocabulary/date_time.h"

namespace vxpp {

constexpr size_t kWireDateTimeBytes = 16;

inline void PutU32(std::string* out, uint32_t value) {
  const char bytes[4] = {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
                         static_cast<char>(value >> 24)};
  out->append(bytes, 4);
}
inline void PutI32(std::string* out, int32_t value) { PutU32(out, static_cast<uint32_t>(value)); }
inline void PutU64(std::string* out, uint64_t value) {
  PutU32(out, static_cast<uint32_t>(value));
  PutU32(out, static_cast<uint32_t>(value >> 32));
}

inline uint32_t GetU32(const char* bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes);
  return static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 | static_cast<uint32_t>(b[2]) << 16 |
         static_cast<uint32_t>(b[3]) << 24;
}
inline int32_t GetI32(const char* bytes) { return static_cast<int32_t>(GetU32(bytes)); }
inline uint64_t GetU64(const char* bytes) {
  return static_cast<uint64_t>(GetU32(bytes)) | static_cast<uint64_t>(GetU32(bytes + 4)) << 32;
}

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
