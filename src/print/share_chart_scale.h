// The vertical scale of the printed share chart: the highest share and the
// lowest difference of the latest snapshot span 600 tenths of a millimetre.
#pragma once

#include "analysis/race_day_model.h"

namespace tw {

struct ShareChartScale {
  double top = 0.0;     // largest win or quinella share above 0, or 0
  double bottom = 0.0;  // smallest difference if below 0, else 0
  int range = 0;        // whole percentage points from bottom to top
  double frac = 0.0;    // top / range
  int unit = 0;         // tenths of a millimetre per percentage point
  int zero = 0;         // y of the zero line
  int q = 0;            // distance between the dotted lines

  // The chart can be drawn only with runners and at least one point of range.
  bool drawable = false;
};

// The scale from given extremes (top >= 0, bottom <= 0) and the runner count.
ShareChartScale ScaleFromExtremes(double top, double bottom, int runnerCount);

// The scale of snapshot s of a race of n runners.
ShareChartScale ShareChartScaleOf(const RaceAnalysis& analysis, int n, int s);

}  // namespace tw
