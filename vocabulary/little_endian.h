// Little-endian numbers in byte strings, as the VXPP bodies and the sample
// recordings store them.  Readers take a pointer to enough bytes; the caller
// checks the size.
#pragma once

#include <cstdint>
#include <string>

namespace little_endian {

inline void PutU32(std::string* out, uint32_t value) {
  const char bytes[4] = {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
                         static_cast<char>(value >> 24)};
  out->append(bytes, 4);
}
inline void PutU64(std::string* out, uint64_t value) {
  PutU32(out, static_cast<uint32_t>(value));
  PutU32(out, static_cast<uint32_t>(value >> 32));
}

inline uint32_t GetU32(const char* bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes);
  return static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 | static_cast<uint32_t>(b[2]) << 16 |
         static_cast<uint32_t>(b[3]) << 24;
}
inline uint64_t GetU64(const char* bytes) {
  return static_cast<uint64_t>(GetU32(bytes)) | static_cast<uint64_t>(GetU32(bytes + 4)) << 32;
}

}  // namespace little_endian
