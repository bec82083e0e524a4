#pragma once
// The restless user's dice: a seeded Mersenne twister with distributions of our own,
// so a seed draws the same actions with every compiler and library.
#include <cstdint>
#include <initializer_list>
#include <random>

class TFuzzRandom {
 public:
  explicit TFuzzRandom(std::uint32_t seed) : engine_(seed) {}

  // 0 .. n-1 (0 when n is 0), by rejection so no value is favoured.
  std::uint32_t Below(std::uint32_t n) {
    if (n <= 1) return 0;
    const std::uint32_t limit = 0xFFFFFFFFu - 0xFFFFFFFFu % n;
    for (;;) {
      const std::uint32_t x = static_cast<std::uint32_t>(engine_());
      if (x < limit) return x % n;
    }
  }
  int Int(int n) { return static_cast<int>(Below(static_cast<std::uint32_t>(n))); }
  // True with probability percent/100.
  bool Percent(int percent) { return Int(100) < percent; }
  // An index drawn by weight.
  int Weighted(std::initializer_list<int> weights) {
    int total = 0;
    for (int w : weights) total += w;
    int x = Int(total), i = 0;
    for (int w : weights) {
      if (x < w) return i;
      x -= w;
      ++i;
    }
    return i - 1;
  }

 private:
  std::mt19937 engine_;
};

// A sequence's own seed from the run's seed and its number.
inline std::uint32_t SequenceSeed(std::uint32_t runSeed, std::uint32_t sequence) {
  std::uint64_t z = (static_cast<std::uint64_t>(runSeed) << 32) + sequence + 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return static_cast<std::uint32_t>(z ^ (z >> 31));
}
