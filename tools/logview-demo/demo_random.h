// DemoRandom: the one source of chance of the demo writer.  The standard
// distributions are free to differ between library versions, so the writer
// draws from this small generator (SplitMix64) to give byte-identical
// installations for a seed on every machine.  A plain value; not shared
// between threads.
#pragma once

#include <cstdint>

class DemoRandom {
 public:
  // Streams of one seed are independent when their keys differ; the writer
  // keys each daily file by its date so a day's content does not depend on
  // how many days are written.
  explicit DemoRandom(uint64_t seed, uint64_t key = 0) : m_state(seed ^ (key * kGolden)) { Next(); }

  uint64_t Next() {
    uint64_t z = (m_state += kGolden);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // Uniform in [low, high]; low <= high.
  int Between(int low, int high) {
    const uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(high) - low) + 1;
    return static_cast<int>(low + static_cast<int64_t>(Next() % span));
  }
  int Below(int count) { return Between(0, count - 1); }
  bool Percent(int percent) { return Below(100) < percent; }

  // Index drawn with the given non-negative weights (at least one positive).
  template <typename Weights>
  int Weighted(const Weights& weights) {
    int total = 0;
    for (int w : weights) total += w;
    int pick = Below(total);
    int index = 0;
    for (int w : weights) {
      if (pick < w) return index;
      pick -= w;
      ++index;
    }
    return index - 1;
  }

 private:
  static constexpr uint64_t kGolden = 0x9E3779B97F4A7C15ULL;
  uint64_t m_state;
};
