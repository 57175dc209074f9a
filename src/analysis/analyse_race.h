// The odds analysis of one race slot: vote shares, differences, changes,
// popularity and change ranks for every snapshot, then, when the race has at
// least two win-odds snapshots, the axis and partner judgement, the bet list
// and the upset rating. Reads the slot's record texts, its
// `analysis.snapshotCount` (set by the loader) and the model's
// `fromYear2005`; writes the slot's RaceAnalysis.
#pragma once

#include "analysis/race_day_model.h"

namespace tw {

// What an analysis is for: the race view shows every result; a reader of
// the bets, the upset rating and the axis condition alone (the season
// report) goes without what only the view shows: the quinella share
// changes, the popularity orders but the latest snapshot's, the short-odds
// quinella counts, the drift marks, the change ranks and the marks of the
// axis conditions after the deciding one.
enum class AnalysisFor { kView, kBets };

void AnalyseRace(RaceDayModel& model, int slot, AnalysisFor purpose = AnalysisFor::kView);

}  // namespace tw
