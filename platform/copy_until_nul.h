// CopyUntilNul: copies a short text up to its first NUL in one pass, for
// the descriptions of a million binary records, where searching each one
// with memchr and then copying it with memcpy cost two library calls a
// record and more than reading the record off the socket.
//
// Reads only `from[0, size)` and writes only `to[0, size)`: the last
// sixteen bytes are taken as one overlapping piece instead of reading past
// the end.  Bytes of `to` past the returned length may have been written.
#pragma once

#include <cstddef>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {

// Copies `from[0, size)` into `to` up to the first NUL; returns the bytes
// before it (`size` when there is none).
inline size_t CopyUntilNul(char* to, const char* from, size_t size) {
#if defined(__SSE2__)
  if (size >= 16) {
    const __m128i zero = _mm_setzero_si128();
    // The first NUL in the 16 bytes at `at`, or 16.
    const auto nulIn = [&](size_t at, __m128i* piece) {
      *piece = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + at));
      const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(*piece, zero)));
      return mask == 0 ? size_t{16} : static_cast<size_t>(__builtin_ctz(mask));
    };
    __m128i piece;
    size_t at = 0;
    for (; at + 16 <= size; at += 16) {
      const size_t nul = nulIn(at, &piece);
      if (nul < 16) {
        std::memcpy(to + at, from + at, nul);
        return at + nul;
      }
      _mm_storeu_si128(reinterpret_cast<__m128i*>(to + at), piece);
    }
    if (at == size) return size;
    // The tail, as the last 16 bytes; those before `at` hold no NUL.
    const size_t last = size - 16;
    const size_t nul = nulIn(last, &piece);
    if (nul < 16) {
      std::memcpy(to + at, from + at, last + nul - at);
      return last + nul;
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to + last), piece);
    return size;
  }
#endif
  for (size_t at = 0; at < size; ++at) {
    if (from[at] == '\0') return at;
    to[at] = from[at];
  }
  return size;
}

}  // namespace platform
