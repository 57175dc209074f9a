// The bar chart at the foot of an analysis page: the quinella share, win
// share and difference of every horse at one snapshot, horses in ascending
// order of quinella share.
#pragma once

#include "analysis/race_day_model.h"
#include "print/page.h"

namespace tw {

// Draws the chart of snapshot s of a race of n runners; a chart that cannot
// be scaled (no runners, or less than one point between the lowest
// difference and the highest share) draws nothing. Expects the 9 pt font and
// the 5/960 inch pen the bet table leaves.
void DrawShareChart(PageCanvas& canvas, const RaceAnalysis& analysis, int n, int s);

}  // namespace tw
