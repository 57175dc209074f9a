#include "codes/axis_ticks.h"

#include <algorithm>
#include <cmath>

namespace tw {

int AxisTicks::Count() const { return static_cast<int>(std::lround((high - low) / step)) + 1; }

AxisTicks RoundAxis(double low, double high, int maxSteps) {
  if (!std::isfinite(low)) low = 0;
  if (!std::isfinite(high)) high = 0;
  low = std::min(low, 0.0);
  high = std::max(high, 0.0);
  if (high < low) std::swap(low, high);
  // Values below 0 need a step down to a tick and one up past 0.
  maxSteps = std::max(maxSteps, 2);
  const double span = high > low ? high - low : 1.0;
  double power = std::pow(10.0, std::floor(std::log10(span / maxSteps)));
  for (int round = 0; round < 40; ++round) {
    for (double factor : {1.0, 2.0, 5.0}) {
      const double step = factor * power;
      const double first = std::floor(low / step) * step;
      // The top tick lies above the highest value, not on it.
      const double last = (std::floor(high / step) + 1) * step;
      if (std::lround((last - first) / step) <= maxSteps) return {first, last, step};
    }
    power *= 10;
  }
  return {low, high + span, span};
}

}  // namespace tw
