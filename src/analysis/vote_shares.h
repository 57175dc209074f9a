// Vote shares estimated from the odds alone, and their difference
// (単連差), for all 18 horse slots and the three snapshots.
#pragma once

#include "analysis/race_odds.h"
#include "records/odds_number.h"

namespace tw {

// The share `numerator` / (X - 1) of odds with value X (odds carry one
// implied decimal: "0123" is 12.3). Fields without odds add no share, and
// neither do odds of 0.1 or less (X <= 1), which do not occur in real data,
// rather than dividing by zero or going negative.
inline double ShareOfOdds(const OddsNumber& odds, double numerator) {
  if (!odds.HasOdds()) return 0.0;
  const double x = static_cast<double>(odds.value);
  if (x - 1 <= 0) return 0.0;
  return numerator / (x - 1);
}

// Win share 738 / (X - 1) of every win-odds field that holds odds.
void ComputeWinShares(const RaceOdds& race, RaceAnalysis& a);

// Quinella share: the sum of 369 / (Y - 1) over the pairs that hold the horse,
// from the quinella odds in quinella mode, from the bracket-quinella odds
// (bracket numbers standing for horse numbers) in bracket mode, where the
// bracket share is kept as well.
void ComputeQuinellaShares(const RaceOdds& race, RaceAnalysis& a);

// Win share minus quinella share where both exist; kNoValue elsewhere.
void ComputeShareGaps(RaceAnalysis& a);

}  // namespace tw
