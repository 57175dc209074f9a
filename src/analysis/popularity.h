// The win popularity order of each snapshot and the count of short-priced
// quinella pairs.
#pragma once

#include "analysis/race_odds.h"

namespace tw {

// Horses with win odds ordered by their odds text itself followed by
// the horse number ("%2d"): lower odds first, equal odds the lower number
// first. Snapshot 1 also gives each horse its first popularity rank.
// The order of the latest snapshot alone without `everySnapshot`: the axis
// judgement reads no other.
void ComputeWinPopularity(const RaceOdds& race, RaceAnalysis& a, bool everySnapshot = true);

// Quinella pairs priced under 10.0 per snapshot; quinella mode only.
void CountShortQuinellas(const RaceOdds& race, RaceAnalysis& a);

}  // namespace tw
