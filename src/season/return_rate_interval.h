// How sure a return rate is: a 95 % interval from a bootstrap over races.
// The races with tickets are drawn with replacement, as many as there are,
// kResamples times; the interval runs from the 2.5th to the 97.5th
// percentile of the return rates of those draws. The draws come from a
// generator with a fixed seed, so one set of races always gives the same
// interval, on every platform.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace tw {

struct RateInterval {
  double low = 0;   // percent
  double high = 0;  // percent
};

class ReturnRateInterval {
 public:
  static constexpr int kResamples = 1000;

  // A race with `tickets` 100-yen tickets (at least one) that returned `yen`.
  void AddRace(int tickets, long long yen);
  // None without a race; computed on the first call after a race was added.
  std::optional<RateInterval> Interval() const;

 private:
  std::vector<std::uint8_t> tickets_;  // per race; a race has at most 18 bets
  std::vector<std::uint32_t> yen_;     // per race, held to what 32 bits count
  mutable std::optional<RateInterval> cached_;
  mutable bool stale_ = false;
};

}  // namespace tw
