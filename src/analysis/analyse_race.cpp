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

namespace {

// Everything the analysis computes back to its reset value, so that analysing
// a slot twice gives the same result; what the loader set stays.
void ClearResults(RaceAnalysis& a) {
  const bool present = a.present;
  const PerSnapshot<std::string> fetchTimes = a.fetchTimes;
  const PerSnapshot<std::string> quinellaTimes = a.quinellaSnapshotTimes;
  const PerSnapshot<std::string> winTimes = a.winSnapshotTimes;
  const int snapshotCount = a.snapshotCount;
  const bool hasPayout = a.hasPayout;
  a.Reset();
  a.present = present;
  a.fetchTimes = fetchTimes;
  a.quinellaSnapshotTimes = quinellaTimes;
  a.winSnapshotTimes = winTimes;
  a.snapshotCount = snapshotCount;
  a.hasPayout = hasPayout;
}

}  // namespace

void AnalyseRace(RaceDayModel& model, int slot) {
  if (slot < 0 || slot >= kMaxRaces) return;
  RaceSlot& raceSlot = model.slots[static_cast<size_t>(slot)];
  RaceAnalysis& a = raceSlot.analysis;
  ClearResults(a);
  const RaceOdds race = RaceOddsOf(raceSlot, model.fromYear2005);

  ComputeWinShares(race, a);
  ComputeQuinellaShares(race, a);
  ComputeShareGaps(a);
  ComputeShareChanges(a);
  ComputeMaxShareGaps(a);
  ComputeWinPopularity(race, a);
  CountShortQuinellas(race, a);
  if (race.latest < 2) return;

  MarkDrift(race, a);
  RankShareChanges(race, a);
  const std::vector<PairKey> pairs = LatestPairList(race);
  JudgeAxis(race, pairs, a);
  JudgePartners(race, a);
  BuildBetList(race, a);
}

}  // namespace tw
