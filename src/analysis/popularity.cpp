#include "analysis/popularity.h"

#include "analysis/odds_texts.h"
#include "analysis/sort_keys.h"
#include "codes/pairs.h"
#include "text/fields.h"
#include "text/format.h"

namespace tw {

void ComputeWinPopularity(const RaceOdds& race, RaceAnalysis& a) {
  for (int s = 1; s <= kSnapshots; ++s) {
    HorseKeyList keys;
    for (int h = 1; h <= kMaxRunners; ++h) {
      const std::string text = WinOddsText(race.slot, s, h);
      // Odds that add no share still count here: the order uses the text.
      if (IsValidOddsText(text)) keys.AddText(text + Format("%2d", h), h);
    }
    keys.Sort();
    for (int r = 1; r <= keys.Size(); ++r) {
      const int h = keys.Keys()[static_cast<size_t>(r - 1)].horse;
      a.winPopularityOrder[r][s] = h;
      if (s == 1) a.firstWinRank[h] = r;
    }
  }
}

void CountShortQuinellas(const RaceOdds& race, RaceAnalysis& a) {
  if (!race.quinellaMode) return;
  for (int s = 1; s <= kSnapshots; ++s) {
    int count = 0;
    for (int j = 1; j <= kQuinellaPairs; ++j) {
      const long long v = IntValue(QuinellaOddsText(race.slot, s, j));
      if (v > 0 && v / 10.0 < 10) ++count;
    }
    a.shortQuinellaCount[s] = count;
  }
}

}  // namespace tw
