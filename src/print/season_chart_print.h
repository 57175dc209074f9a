// The season report's two charts on paper, in black and grey: the running
// profit of the bets and of the reference day by day with its fall below the
// highest point so far, and the return rates by upset rating as bars beside
// the 100 % line and the takeout line.
#pragma once

#include <vector>

#include "print/page.h"
#include "season/season_chart_data.h"

namespace tw {

// Both draw within x kSeasonPageLeft..kSeasonPageRight and y top..bottom.
void DrawSeasonProfitChart(PageCanvas& canvas, const SeasonProfitLine& line, int top, int bottom);
// `takeoutPercent`: the share of stakes paid back on average, e.g. 77.5.
void DrawSeasonRateChart(PageCanvas& canvas, const std::vector<UpsetReturnRate>& rates, double takeoutPercent, int top,
                         int bottom);

}  // namespace tw
