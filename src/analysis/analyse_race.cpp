#include "analysis/analyse_race.h"

#include "analysis/axis_conditions.h"
#include "analysis/bet_list.h"
#include "analysis/drift_and_ranks.h"
#include "analysis/pair_list.h"
#include "analysis/partner_conditions.h"
#include "analysis/popularity.h"
#include "analysis/race_odds.h"
#include "analysis/share_changes.h"
#include "analysis/vote_shares.h"

namespace tw {

void AnalyseRace(RaceDayModel& model, int slot, AnalysisFor purpose) {
  if (slot < 0 || slot >= kMaxRaces) return;
  RaceSlot& raceSlot = model.slots[static_cast<size_t>(slot)];
  RaceAnalysis& a = raceSlot.analysis;
  // Analysing a slot twice gives the same result.
  a.ResetResults();
  const RaceOdds race = RaceOddsOf(raceSlot, model.fromYear2005);

  ComputeWinShares(race, a);
  ComputeQuinellaShares(race, a);
  ComputeShareGaps(a);
  ComputeShareChanges(a, purpose == AnalysisFor::kView);
  ComputeMaxShareGaps(a);
  ComputeWinPopularity(race, a, purpose == AnalysisFor::kView);
  if (purpose == AnalysisFor::kView) CountShortQuinellas(race, a);
  if (race.latest < 2) return;

  if (purpose == AnalysisFor::kView) {
    MarkDrift(race, a);
    RankShareChanges(race, a);
  }
  const std::vector<PairKey> pairs = LatestPairList(race, kCheapestPairs);
  static_assert(std::tuple_size_v<decltype(a.cheapestPairs)> == kCheapestPairs);
  for (size_t k = 0; k < pairs.size() && k < kCheapestPairs; ++k) a.cheapestPairs[k] = pairs[k].index;
  JudgeAxis(race, pairs, a, purpose == AnalysisFor::kView);
  JudgePartners(race, a);
  BuildBetList(race, a);
}

}  // namespace tw
