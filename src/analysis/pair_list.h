// The race's pairs at the latest snapshot, cheapest first: one entry per
// pair whose odds read as an integer above 0, or only the `limit` cheapest.
// They are in the text order of the keys odds "%6d" + pair label, which is
// the order of odds, then of the label; since labels are two right-aligned
// numbers, label order is the pair-table order.
#pragma once

#include <string>
#include <vector>

#include "analysis/race_odds.h"

namespace tw {

struct PairKey {
  long long odds = 0;  // the odds text's integer value (odds x 10)
  int index = 0;       // pair-table index
  PairNumbers horses;  // the label's two numbers
};

// A horse (or bracket) is in at most 17 pairs, so among the 18 cheapest pairs
// there is always one without it: what the axis judgement and the season's
// reference bets read of the list lies within them.
inline constexpr size_t kCheapestPairs = 18;

std::vector<PairKey> LatestPairList(const RaceOdds& race, size_t limit = kQuinellaPairs);

}  // namespace tw
