// The race's pairs at the latest snapshot, cheapest first: one key per pair
// with odds, the odds value as "%6d" followed by the pair label, in text
// order (equal odds ordered by label).
#pragma once

#include <string>
#include <vector>

#include "analysis/odds_texts.h"
#include "analysis/race_odds.h"

namespace tw {

struct PairKey {
  std::string text;    // 6 characters of odds, then the 5-character label
  PairNumbers horses;  // the label's two numbers (characters 7-8 and 10-11)
};

std::vector<PairKey> LatestPairList(const RaceOdds& race);

}  // namespace tw
