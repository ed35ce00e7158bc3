// VxBitset<N>: the camera set handed over by the host.  Bit i stands for
// camera index i of the viewer's camera list (not a camera id).  A plain
// 16-byte value for N = 128, copied whole into every page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>

template <size_t N>
class VxBitset {
  static_assert(N % 64 == 0, "VxBitset holds whole 64-bit words");

 public:
  static constexpr size_t kSize = N;

  VxBitset() = default;

  // Positions of N or more throw std::out_of_range("invalid bitset<N> position").
  VxBitset& set(size_t pos, bool value = true) {
    Check(pos);
    if (value)
      m_words[pos / 64] |= Bit(pos);
    else
      m_words[pos / 64] &= ~Bit(pos);
    return *this;
  }
  VxBitset& reset(size_t pos) { return set(pos, false); }
  bool test(size_t pos) const {
    Check(pos);
    return (m_words[pos / 64] & Bit(pos)) != 0;
  }
  VxBitset& set() {
    for (auto& w : m_words) w = ~uint64_t{0};
    return *this;
  }
  VxBitset& reset() {
    for (auto& w : m_words) w = 0;
    return *this;
  }
  bool any() const {
    for (auto w : m_words)
      if (w != 0) return true;
    return false;
  }
  size_t count() const {
    size_t n = 0;
    for (auto w : m_words) n += static_cast<size_t>(__builtin_popcountll(w));
    return n;
  }
  static constexpr size_t size() { return N; }
  friend bool operator==(const VxBitset&, const VxBitset&) = default;

 private:
  static void Check(size_t pos) {
    if (pos >= N) throw std::out_of_range("invalid bitset<N> position");
  }
  static uint64_t Bit(size_t pos) { return uint64_t{1} << (pos % 64); }

  uint64_t m_words[N / 64] = {};
};

static_assert(sizeof(VxBitset<128>) == 16, "the camera set is two 64-bit words");
