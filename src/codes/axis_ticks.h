// Round numbers for a chart's value axis: the span of the values widened to
// whole steps of 1, 2 or 5 times a power of ten, so that the top lies above
// the highest value and every tick is a number a reader can take in at once.
#pragma once

namespace tw {

struct AxisTicks {
  double low = 0;     // the first tick, at or below the lowest value
  double high = 1;    // the last tick, above the highest value
  double step = 1;    // between ticks
  int Count() const;  // ticks from low to high, both included
};

// At most `maxSteps` steps (at least 2) from a tick at or below `low` to one
// above `high`; 0 is always inside. Values that are all equal still get a
// step, and non-finite values are read as 0.
AxisTicks RoundAxis(double low, double high, int maxSteps);

}  // namespace tw
