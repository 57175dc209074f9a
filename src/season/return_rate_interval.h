// How sure a return rate is: a 95 % interval from a bootstrap over races.
// The races with tickets are drawn with replacement, as many as there are,
// kResamples times; the interval runs from the 2.5th to the 97.5th
// percentile of the return rates of those draws. The draws come from a
// generator with a fixed seed, so one set of races always gives the same
// interval, on every platform.
//
// Past kGroups races the races are drawn in groups: the first kGroups races
// start one each, every later race joins one picked by a hash of its number,
// and a group is drawn as a whole. So memory and the time of a draw stay
// flat however long the season, while the interval still comes from a
// thousand parts of it that no pattern of the races lines up with.
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
  static constexpr std::uint32_t kGroups = 1024;

  // A race with `tickets` 100-yen tickets (at least one) that returned `yen`.
  void AddRace(int tickets, long long yen);
  // None without a race; computed on the first call after a race was added.
  std::optional<RateInterval> Interval() const;

 private:
  std::uint64_t races_ = 0;
  // Per race while there are at most kGroups: five bytes, as a month's
  // group of a long season keeps them.
  std::vector<std::uint8_t> raceTickets_;  // a race has at most 18 bets
  std::vector<std::uint32_t> raceYen_;     // held to what 32 bits count
  // Per group past that.
  std::vector<std::uint32_t> groupTickets_;
  std::vector<std::uint64_t> groupYen_;
  mutable std::optional<RateInterval> cached_;
  mutable bool stale_ = false;
};

}  // namespace tw
