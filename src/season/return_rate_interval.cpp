#include "season/return_rate_interval.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "season/season_race.h"

namespace tw {
namespace {

// xoshiro256** seeded through splitmix64: the same numbers from every
// compiler and standard library, which std::mt19937's distributions do not
// promise.
std::uint64_t SplitMix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

// 0..n-1, from the high bits of a 64 x 32 bit product.
std::uint32_t Scaled(std::uint64_t bits, std::uint32_t n) {
  return static_cast<std::uint32_t>(((bits >> 32) * n) >> 32);
}

class Generator {
 public:
  explicit Generator(std::uint64_t seed) {
    for (std::uint64_t& s : state_) {
      seed += 0x9E3779B97F4A7C15ULL;
      s = SplitMix(seed);
    }
  }
  std::uint64_t Next() {
    const std::uint64_t result = Rotate(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = Rotate(state_[3], 45);
    return result;
  }
  std::uint32_t Below(std::uint32_t n) { return Scaled(Next(), n); }

 private:
  static std::uint64_t Rotate(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  std::uint64_t state_[4];
};

constexpr std::uint64_t kSeed = 20241231;

// The 95 % interval of the return rate over draws of `count` entries.
template <typename Tickets, typename Yen>
RateInterval DrawInterval(const std::vector<Tickets>& ticketsOf, const std::vector<Yen>& yenOf) {
  const auto count = static_cast<std::uint32_t>(ticketsOf.size());
  Generator generator(kSeed);
  std::vector<double> rates(ReturnRateInterval::kResamples);
  for (double& rate : rates) {
    std::uint64_t tickets = 0, yen = 0;
    // Two entries from each 64-bit number, its high half and its low half:
    // the generator is most of a draw's time.
    std::uint32_t k = 0;
    for (; k + 1 < count; k += 2) {
      const std::uint64_t bits = generator.Next();
      const std::uint32_t first = Scaled(bits, count), second = Scaled(bits << 32, count);
      tickets += std::uint64_t{ticketsOf[first]} + ticketsOf[second];
      yen += std::uint64_t{yenOf[first]} + yenOf[second];
    }
    if (k < count) {
      const std::uint32_t last = generator.Below(count);
      tickets += ticketsOf[last];
      yen += yenOf[last];
    }
    rate = 100.0 * static_cast<double>(yen) / static_cast<double>(tickets * kTicketYen);
  }
  std::sort(rates.begin(), rates.end());
  // The nearest ranks of the 2.5th and the 97.5th percentile.
  const auto at = [&](double q) { return rates[static_cast<size_t>(q * (rates.size() - 1) + 0.5)]; };
  return RateInterval{at(0.025), at(0.975)};
}

}  // namespace

void ReturnRateInterval::AddRace(int tickets, long long yen) {
  const auto raceTickets = static_cast<std::uint8_t>(std::clamp(tickets, 1, 255));
  const auto raceYen =
      static_cast<std::uint32_t>(std::clamp<long long>(yen, 0, std::numeric_limits<std::uint32_t>::max()));
  if (races_ < kGroups) {
    raceTickets_.push_back(raceTickets);
    raceYen_.push_back(raceYen);
  } else {
    if (groupTickets_.empty()) {
      groupTickets_.assign(raceTickets_.begin(), raceTickets_.end());
      groupYen_.assign(raceYen_.begin(), raceYen_.end());
      raceTickets_ = {};
      raceYen_ = {};
    }
    // A group drawn from the race's number, not its position in a cycle:
    // races that repeat day by day must not line up with the groups.
    const std::uint32_t group = Scaled(SplitMix(races_ + 0x9E3779B97F4A7C15ULL), kGroups);
    groupTickets_[group] += raceTickets;
    groupYen_[group] += raceYen;
  }
  ++races_;
  stale_ = true;
}

std::optional<RateInterval> ReturnRateInterval::Interval() const {
  if (!stale_) return cached_;
  stale_ = false;
  if (races_ == 0) return cached_ = std::nullopt;
  return cached_ =
             groupTickets_.empty() ? DrawInterval(raceTickets_, raceYen_) : DrawInterval(groupTickets_, groupYen_);
}

}  // namespace tw
