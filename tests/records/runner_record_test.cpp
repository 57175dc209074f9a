#include "records/runner_record.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

// Race key to 27, bracket at 28, horse number at 29-30.
const std::string kHead = "SE0000000002024051205020611";

TEST(RunnerRecord, HorseNumber) {
  EXPECT_EQ(HorseNumberText(kHead + "713"), "13");
  EXPECT_EQ(HorseNumber(kHead + "713"), 13);
  EXPECT_EQ(HorseNumber(kHead + "000"), 0);  // before the draw
  EXPECT_EQ(HorseNumberText(kHead), "  ");
  EXPECT_EQ(HorseNumber(kHead + "7"), 0);
}

}  // namespace
}  // namespace tw
