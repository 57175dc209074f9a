// The odds analysis of one race slot: vote shares, differences, changes,
// popularity and change ranks for every snapshot, then, when the race has at
// least two win-odds snapshots, the axis and partner judgement, the bet list
// and the upset rating. Reads the slot's record texts, its
// `analysis.snapshotCount` (set by the loader) and the model's
// `fromYear2005`; writes the slot's RaceAnalysis.
#pragma once

#include "analysis/race_day_model.h"

namespace tw {

void AnalyseRace(RaceDayModel& model, int slot);

}  // namespace tw
