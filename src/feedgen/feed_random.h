// The sample feed's random numbers: a small generator of its own (SplitMix64)
// with its own distributions, so the same seed gives the same feed with every
// compiler and standard library.
#pragma once

#include <cmath>
#include <cstdint>

namespace tw {

class FeedRandom {
 public:
  explicit FeedRandom(uint64_t seed) : state_(seed) {}
  // A generator for a part of the feed, independent of how much others draw.
  FeedRandom Fork(uint64_t salt) const { return FeedRandom(Mix(state_ ^ Mix(salt + 0x632be59bd9b4e019ULL))); }

  uint64_t Next() {
    state_ += 0x9e3779b97f4a7c15ULL;
    return Mix(state_);
  }
  // 0 <= x < 1
  double Real() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  // lo..hi inclusive
  int Int(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<uint64_t>(hi - lo + 1)); }
  bool Chance(double p) { return Real() < p; }
  // Standard normal (Box-Muller).
  double Normal() {
    double u = Real();
    double v = Real();
    if (u < 1e-300) u = 1e-300;
    return std::sqrt(-2.0 * std::log(u)) * std::cos(6.283185307179586 * v);
  }

 private:
  static uint64_t Mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  uint64_t state_;
};

}  // namespace tw
