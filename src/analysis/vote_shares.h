// Vote shares estimated from the odds alone, and their difference
// (単連差), for all 18 horse slots and the three snapshots.
#pragma once

#include "analysis/race_odds.h"

namespace tw {

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
