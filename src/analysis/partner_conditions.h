// The five partner conditions (連条件1..5) and the partner column (連対馬).
#pragma once

#include "analysis/race_odds.h"

namespace tw {

// 1: the five largest win-share changes among the horses that are not the
// axis; "×" instead of "△" when the current win share is under 0.74.
void PartnerWinShareMovers(const RaceOdds& race, RaceAnalysis& a);
// 2: the two largest quinella shares among large differences (|gap| >= 2.0)
// not already "△" in condition 1.
void PartnerLargeGaps(const RaceOdds& race, RaceAnalysis& a);
// 3: win share up by 0.1 or more since the snapshot before; "×" under 0.74.
void PartnerWinShareRise(const RaceOdds& race, RaceAnalysis& a);
// 4: quinella share up by 0.1 or more since snapshot 1.
void PartnerQuinellaShareRise(const RaceOdds& race, RaceAnalysis& a);
// 5: a difference of at least 0.2 at snapshot 1 that grew or held.
void PartnerGapBuildUp(const RaceOdds& race, RaceAnalysis& a);

// All five in order, then the partner column.
void JudgePartners(const RaceOdds& race, RaceAnalysis& a);

}  // namespace tw
