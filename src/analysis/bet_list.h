// The bet list (買い目): the axis horse paired with every partner, priced at
// the latest snapshot and listed cheapest first; the race's upset rating
// (波乱度) from the cheapest bet, and the partners it confirms ("▲").
#pragma once

#include "analysis/race_odds.h"

namespace tw {

// The axis horse the bets are built on: the highest number marked "◎" in the
// axis column, 0 when there is none.
int BetAxisHorse(const RaceOdds& race, const RaceAnalysis& a);

// Fills betLabels, then upsetDegree and the confirmed partner marks.
void BuildBetList(const RaceOdds& race, RaceAnalysis& a);

}  // namespace tw
