// The drift mark (win odds risen since snapshot 1) and the ranks of the win
// and quinella share changes, for a race with at least two snapshots.
#pragma once

#include "analysis/race_odds.h"

namespace tw {

void MarkDrift(const RaceOdds& race, RaceAnalysis& a);

// Rank 1 is the largest change; of equal changes the higher horse number
// ranks better. Horses without a change keep rank 0.
void RankShareChanges(const RaceOdds& race, RaceAnalysis& a);

}  // namespace tw
