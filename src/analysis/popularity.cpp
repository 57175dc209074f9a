#include "analysis/popularity.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "codes/pairs.h"

namespace tw {

namespace {

// The key of the order: the odds text, then the horse number.
struct PopularityKey {
  std::uint64_t textOrder = 0;
  int horse = 0;
};

}  // namespace

void ComputeWinPopularity(const RaceOdds& race, RaceAnalysis& a, bool everySnapshot) {
  const int last = everySnapshot ? kSnapshots : race.latest;
  for (int s = everySnapshot ? 1 : race.latest; s >= 1 && s <= last; ++s) {
    std::array<PopularityKey, kMaxRunners> keys;
    int count = 0;
    for (int h = 1; h <= kMaxRunners; ++h) {
      const OddsNumber& odds = race.Win(s, h);
      // Odds that add no share still count here: the order uses the text.
      if (odds.HasOdds()) keys[static_cast<size_t>(count++)] = {odds.textOrder, h};
    }
    // Every win-odds text has four bytes and the horse numbers are "%2d", so
    // the keys sort like the text + number keys they stand for.
    std::sort(keys.begin(), keys.begin() + count, [](const PopularityKey& x, const PopularityKey& y) {
      return x.textOrder != y.textOrder ? x.textOrder < y.textOrder : x.horse < y.horse;
    });
    for (int r = 1; r <= count; ++r) {
      const int h = keys[static_cast<size_t>(r - 1)].horse;
      a.winPopularityOrder[r][s] = h;
      if (s == 1) a.firstWinRank[h] = r;
    }
  }
}

void CountShortQuinellas(const RaceOdds& race, RaceAnalysis& a) {
  if (race.pairKind != PairKind::kQuinella) return;
  for (int s = 1; s <= kSnapshots; ++s) {
    int count = 0;
    for (int j = 1; j <= kQuinellaPairs; ++j) {
      // Under 10.0: odds x 10 below 100.
      const std::int32_t v = race.Pair(s, j).value;
      if (v > 0 && v < 100) ++count;
    }
    a.shortQuinellaCount[s] = count;
  }
}

}  // namespace tw
