#include "analysis/pair_list.h"

#include <algorithm>

#include "codes/pairs.h"
#include "text/fields.h"
#include "text/format.h"

namespace tw {

std::vector<PairKey> LatestPairList(const RaceOdds& race) {
  std::vector<PairKey> list;
  const int pairs = race.quinellaMode ? kQuinellaPairs : kBracketPairs;
  for (int j = 1; j <= pairs; ++j) {
    const long long v = IntValue(PairOddsText(race.slot, race.quinellaMode, race.latest, j));
    if (v <= 0) continue;
    const std::string label = race.quinellaMode ? QuinellaPairLabel(j) : BracketPairLabel(j);
    list.push_back({Format("%6lld", v) + label, PairNumbersOf(label)});
  }
  std::stable_sort(list.begin(), list.end(), [](const PairKey& a, const PairKey& b) { return a.text < b.text; });
  return list;
}

}  // namespace tw
