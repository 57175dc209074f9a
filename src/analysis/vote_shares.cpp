#include "analysis/vote_shares.h"

namespace tw {

namespace {

// Each pair's share is split between its two horses.
constexpr double kWinShareNumerator = 738.0;
constexpr double kPairShareNumerator = 369.0;

// Adds the share of every pair with odds to both horses of the pair, for
// every snapshot, in pair order; a pair of one bracket twice counts once.
// One pass over the table for all three snapshots: each sum still takes its
// pairs in the same order.
void SumPairShares(const RaceOdds& race, PerHorseSnapshot<double>& shares) {
  const PairNumbersTable& numbers = PairNumbersOfTable(race.pairKind);
  const int count = race.PairCount();
  for (int j = 1; j <= count; ++j) {
    // A field without odds adds 0.0, which leaves every sum (never -0.0) as
    // it is: the three shares of the pair without a branch each.
    PerSnapshot<double> share;
    for (int s = 1; s <= kSnapshots; ++s) {
      const OddsNumber& odds = race.Pair(s, j);
      share[s] = odds.HasOdds() ? ShareOfOdds(odds, kPairShareNumerator) : 0.0;
    }
    const PairNumbers& p = numbers[static_cast<size_t>(j)];
    for (int s = 1; s <= kSnapshots; ++s) shares[p.first][s] += share[s];
    if (p.second == p.first) continue;
    for (int s = 1; s <= kSnapshots; ++s) shares[p.second][s] += share[s];
  }
}

}  // namespace

void ComputeWinShares(const RaceOdds& race, RaceAnalysis& a) {
  for (int h = 1; h <= kMaxRunners; ++h) {
    for (int s = 1; s <= kSnapshots; ++s) a.winShare[h][s] = ShareOfOdds(race.Win(s, h), kWinShareNumerator);
  }
}

void ComputeQuinellaShares(const RaceOdds& race, RaceAnalysis& a) {
  if (race.pairKind == PairKind::kQuinella) {
    SumPairShares(race, a.quinellaShare);
    return;
  }
  SumPairShares(race, a.bracketShare);
  for (int h = 1; h <= kMaxRunners; ++h) {
    for (int s = 1; s <= kSnapshots; ++s) a.quinellaShare[h][s] = a.bracketShare[h][s];
  }
}

void ComputeShareGaps(RaceAnalysis& a) {
  for (int h = 1; h <= kMaxRunners; ++h) {
    for (int s = 1; s <= kSnapshots; ++s) {
      if (a.quinellaShare[h][s] > 0 && a.winShare[h][s] > 0)
        a.shareGap[h][s] = a.winShare[h][s] - a.quinellaShare[h][s];
    }
  }
}

}  // namespace tw
