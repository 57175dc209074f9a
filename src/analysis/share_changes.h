// How each horse's shares and difference moved across the snapshots, on the
// values rounded to two decimals: the change is the largest minus the
// smallest, and the maximum difference is the largest difference (or, when
// all are negative, the largest in size).
#pragma once

#include "analysis/race_day_model.h"

namespace tw {

void ComputeShareChanges(RaceAnalysis& a);
void ComputeMaxShareGaps(RaceAnalysis& a);

}  // namespace tw
