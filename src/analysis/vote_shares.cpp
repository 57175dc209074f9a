#include "analysis/vote_shares.h"

#include "analysis/odds_texts.h"

namespace tw {

namespace {

// Each pair's share is split between its two horses.
constexpr double kWinShareNumerator = 738.0;
constexpr double kPairShareNumerator = 369.0;

// Adds the share of every pair with odds in snapshot s to both horses of the
// pair, in pair order; a pair of one bracket twice counts once.
void SumPairShares(const RaceOdds& race, int s, PerHorseSnapshot<double>& shares) {
  const PairNumbersTable& numbers = PairNumbersOfTable(race.quinellaMode);
  for (int j = 1; j <= race.PairCount(); ++j) {
    const OddsNumber& odds = race.Pair(s, j);
    if (!odds.HasOdds()) continue;
    const double share = ShareOfOdds(odds, kPairShareNumerator);
    const PairNumbers& p = numbers[static_cast<size_t>(j)];
    shares[p.first][s] += share;
    if (p.second != p.first) shares[p.second][s] += share;
  }
}

}  // namespace

void ComputeWinShares(const RaceOdds& race, RaceAnalysis& a) {
  for (int h = 1; h <= kMaxRunners; ++h) {
    for (int s = 1; s <= kSnapshots; ++s) a.winShare[h][s] = ShareOfOdds(race.Win(s, h), kWinShareNumerator);
  }
}

void ComputeQuinellaShares(const RaceOdds& race, RaceAnalysis& a) {
  for (int s = 1; s <= kSnapshots; ++s) {
    if (race.quinellaMode) {
      SumPairShares(race, s, a.quinellaShare);
    } else {
      SumPairShares(race, s, a.bracketShare);
      for (int h = 1; h <= kMaxRunners; ++h) a.quinellaShare[h][s] = a.bracketShare[h][s];
    }
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
