// The seven axis conditions (軸条件1..7), tried in order; the first that
// claims decides which condition's "◎" makes the axis horse (軸馬).
#pragma once

#include <vector>

#include "analysis/pair_list.h"
#include "analysis/race_odds.h"

namespace tw {

// 1: long shots (win odds 20.0 or more) with the largest maximum difference.
void AxisLongShotGaps(const RaceOdds& race, RaceAnalysis& a);
// 2: the favourite dominates the cheapest pairs; strong horses get "◎".
void AxisFavouriteDominance(const RaceOdds& race, const std::vector<PairKey>& pairs, RaceAnalysis& a);
// 3: the largest early difference outside the three largest quinella shares.
void AxisEarlyGapOutsideTopThree(const RaceOdds& race, RaceAnalysis& a);
// 4: the first pair without the favourite at position 4 or 5.
void AxisFirstOutsiderPair(const RaceOdds& race, const std::vector<PairKey>& pairs, RaceAnalysis& a);
// 5: the second largest early quinella share, when its win share shrank.
void AxisSecondEarlyQuinella(const RaceOdds& race, RaceAnalysis& a);
// 6: the largest positive difference when it is not the quinella favourite.
void AxisGapAgainstQuinellaFavourite(const RaceOdds& race, RaceAnalysis& a);
// 7: the largest maximum difference; always claims.
void AxisLargestGap(const RaceOdds& race, RaceAnalysis& a);

// All seven in order, then the axis column from the deciding condition: the
// first that claims. Without `everyCondition` the judgement stops there,
// for a reader of the axis alone: the later conditions' marks stay empty.
void JudgeAxis(const RaceOdds& race, const std::vector<PairKey>& pairs, RaceAnalysis& a, bool everyCondition = true);

}  // namespace tw
