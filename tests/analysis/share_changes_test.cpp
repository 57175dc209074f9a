#include "analysis/share_changes.h"

#include <gtest/gtest.h>

#include "text/format.h"

namespace tw {
namespace {

TEST(ShareChange, LargestMinusSmallestOfTheRoundedValues) {
  RaceAnalysis a;
  a.winShare[1] = {0, 738.0 / 122, 7.5, 5.1};  // rounded 6.05, 7.50, 5.10
  ComputeShareChanges(a);
  EXPECT_NEAR(a.winShareChange[1], 2.40, 1e-9);
  EXPECT_EQ(Format("%.2f", a.winShareChange[1]), "2.40");
}

TEST(ShareChange, NeedsTwoSnapshotsWithTheValue) {
  RaceAnalysis a;
  a.winShare[2] = {0, 0, 5.0, 0};
  a.quinellaShare[2] = {0, 4.0, 0, 4.5};
  a.shareGap[2][2] = 1.0;
  ComputeShareChanges(a);
  EXPECT_GE(a.winShareChange[2], kNoValue);
  EXPECT_NEAR(a.quinellaShareChange[2], 0.5, 1e-9);
  EXPECT_GE(a.shareGapChange[2], kNoValue);
  EXPECT_GE(a.winShareChange[3], kNoValue);
}

TEST(ShareChange, NegativeAndPositiveDifferencesInNumericOrder) {
  // 998.80 and 1001.00 as plain texts would sort the wrong way round.
  RaceAnalysis a;
  a.shareGap[4][1] = -1.2;
  a.shareGap[4][3] = 1.0;
  a.shareGap[5][1] = -1.2;
  a.shareGap[5][2] = -3.4;
  a.shareGap[5][3] = 0.5;
  a.shareGap[6][1] = -9.999;
  a.shareGap[6][2] = 10.004;
  ComputeShareChanges(a);
  EXPECT_NEAR(a.shareGapChange[4], 2.20, 1e-9);
  EXPECT_NEAR(a.shareGapChange[5], 3.90, 1e-9);
  EXPECT_NEAR(a.shareGapChange[6], 20.00, 1e-9);
}

TEST(MaxShareGap, LargestValueOrLargestNegativeSize) {
  RaceAnalysis a;
  a.shareGap[1][1] = -1.2;
  a.shareGap[1][2] = -3.4;
  a.shareGap[2][1] = -1.2;
  a.shareGap[2][3] = 0.0;
  a.shareGap[3][1] = -5.0;
  a.shareGap[3][2] = 1.234;
  a.shareGap[4][2] = 1.006;
  ComputeMaxShareGaps(a);
  EXPECT_NEAR(a.maxShareGap[1], 3.40, 1e-12);
  EXPECT_EQ(a.maxShareGap[2], 0.0);
  EXPECT_NEAR(a.maxShareGap[3], 1.23, 1e-12);  // a positive value wins over a larger negative size
  EXPECT_NEAR(a.maxShareGap[4], 1.01, 1e-12);  // rounded
  EXPECT_GE(a.maxShareGap[5], kNoValue);
}

}  // namespace
}  // namespace tw
