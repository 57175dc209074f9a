// How each horse's shares and difference moved across the snapshots, on the
// values rounded to two decimals: the change is the largest minus the
// smallest, and the maximum difference is the largest difference (or, when
// all are negative, the largest in size).
#pragma once

#include "analysis/race_day_model.h"

namespace tw {

// The changes of the win share, the quinella share and the share gap over
// the snapshots; the quinella share's only when asked for (only the race
// view shows it and ranks by it).
void ComputeShareChanges(RaceAnalysis& a, bool quinellaShareChanges = true);
void ComputeMaxShareGaps(RaceAnalysis& a);

}  // namespace tw
