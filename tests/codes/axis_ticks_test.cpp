#include "codes/axis_ticks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tw {
namespace {

// Every axis against what a reader needs of it: the values inside, the top
// above the highest, ticks on 1, 2 or 5 times a power of ten, few enough.
TEST(AxisTicks, RoundStepsAroundEveryValue) {
  const double spans[][2] = {{0, 30.75}, {-1300, 1650}, {0, 0}, {-5, -5}, {0.1, 0.3},
                             {0, 100},   {-2e6, 9.9e7}, {0, 1}, {3, 7},   {-0.04, 0.02}};
  for (const auto& [low, high] : spans) {
    for (int maxSteps : {2, 4, 6, 10}) {
      const AxisTicks axis = RoundAxis(low, high, maxSteps);
      SCOPED_TRACE(testing::Message() << low << ".." << high << " in " << maxSteps);
      EXPECT_LE(axis.low, std::min(low, 0.0));
      EXPECT_GT(axis.high, std::max(high, 0.0));
      EXPECT_LE(axis.Count() - 1, maxSteps);
      const double mantissa = axis.step / std::pow(10.0, std::floor(std::log10(axis.step) + 1e-9));
      EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 || std::abs(mantissa - 5) < 1e-9)
          << axis.step;
      EXPECT_NEAR(std::remainder(axis.low, axis.step), 0.0, 1e-9 * axis.step);
    }
  }
  const AxisTicks shares = RoundAxis(0, 30.75, 7);
  EXPECT_EQ(shares.low, 0);
  EXPECT_EQ(shares.high, 35);
  EXPECT_EQ(shares.step, 5);
}

}  // namespace
}  // namespace tw
