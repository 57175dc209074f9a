#include "analysis/pair_list.h"

#include <algorithm>

#include "analysis/sort_keys.h"
#include "text/fields.h"

namespace tw {

std::vector<PairKey> LatestPairList(const RaceOdds& race) {
  std::vector<PairKey> list;
  list.reserve(static_cast<size_t>(race.PairCount()));
  for (int j = 1; j <= race.PairCount(); ++j) {
    const long long v = IntValue(race.Pair(race.latest, j));
    if (v > 0) list.push_back({v, j, PairNumbersAt(race.quinellaMode, j)});
  }
  // A six-byte field holds at most 999999, so "%6d" keys sort like the numbers.
  std::sort(list.begin(), list.end(),
            [](const PairKey& a, const PairKey& b) { return a.odds != b.odds ? a.odds < b.odds : a.index < b.index; });
  return list;
}

}  // namespace tw
