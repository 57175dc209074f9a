#include <gtest/gtest.h>

#include "analysis/analysis_marks.h"
#include "support/odds_builder.h"

namespace tw {
namespace {

using test::AnalyseBuilt;
using test::OddsBuilder;

TEST(WinPopularity, OrderedByOddsTextThenHorseNumber) {
  OddsBuilder race(12);
  race.WinText(1, 12, "0052").WinText(1, 3, "0052").WinText(1, 5, "0100").WinText(1, 1, "----");
  race.WinText(1, 9, "0999").WinText(2, 9, "0031").WinText(2, 3, "0052");
  RaceAnalysis a = AnalyseBuilt(race);
  EXPECT_EQ(a.winPopularityOrder[1][1], 3);
  EXPECT_EQ(a.winPopularityOrder[2][1], 12);
  EXPECT_EQ(a.winPopularityOrder[3][1], 5);
  EXPECT_EQ(a.winPopularityOrder[4][1], 9);
  EXPECT_EQ(a.winPopularityOrder[5][1], 0);  // horse 1 is scratched
  EXPECT_EQ(a.firstWinRank[3], 1);
  EXPECT_EQ(a.firstWinRank[12], 2);
  EXPECT_EQ(a.firstWinRank[1], 0);
  EXPECT_EQ(a.winPopularityOrder[1][2], 9);
  EXPECT_EQ(a.winPopularityOrder[2][2], 3);
  EXPECT_EQ(a.firstWinRank[9], 4);  // first rank is snapshot 1's
}

TEST(WinPopularity, OddsThatAddNoShareStillTakePartByTheirText) {
  OddsBuilder race(4);
  race.WinText(1, 2, "0030").WinText(1, 4, "0001");
  RaceAnalysis a = AnalyseBuilt(race);
  EXPECT_EQ(a.winShare[4][1], 0.0);
  EXPECT_EQ(a.winPopularityOrder[1][1], 4);
  EXPECT_EQ(a.winPopularityOrder[2][1], 2);
}

TEST(WinPopularity, DamagedTextsSortByTheirBytesNotTheirValues) {
  // All four read as 52 or less, but a space sorts before a dash before a
  // digit: the order is the texts' own.
  OddsBuilder race(6);
  race.WinText(1, 1, "052 ").WinText(1, 2, "0052").WinText(1, 3, "--12").WinText(1, 4, " 052");
  race.WinText(1, 5, "0051").WinText(1, 6, "----");
  RaceAnalysis a = AnalyseBuilt(race);
  EXPECT_EQ(a.winPopularityOrder[1][1], 4);
  EXPECT_EQ(a.winPopularityOrder[2][1], 3);
  EXPECT_EQ(a.winPopularityOrder[3][1], 5);
  EXPECT_EQ(a.winPopularityOrder[4][1], 2);
  EXPECT_EQ(a.winPopularityOrder[5][1], 1);
  EXPECT_EQ(a.winPopularityOrder[6][1], 0);
  EXPECT_EQ(a.winShare[3][1], 0.0);  // "--12" reads as 0 and adds no share
}

TEST(ShortQuinellas, UnderTenOnlyInQuinellaMode) {
  OddsBuilder race(8);
  race.QuinellaText(1, 1, 2, "000095").QuinellaText(1, 1, 3, "000100").QuinellaText(1, 1, 4, "000010");
  race.QuinellaText(1, 2, 3, "------").QuinellaText(1, 2, 4, "000000").QuinellaText(2, 3, 4, "000099");
  RaceAnalysis a = AnalyseBuilt(race);
  EXPECT_EQ(a.shortQuinellaCount[1], 2);
  EXPECT_EQ(a.shortQuinellaCount[2], 1);
  EXPECT_EQ(a.shortQuinellaCount[3], 0);
  EXPECT_EQ(AnalyseBuilt(race, false).shortQuinellaCount[1], 0);
}

TEST(DriftAndRanks, OnlyWithTwoSnapshots) {
  OddsBuilder race(6);
  race.Win(1, 1, 2.0).Win(1, 2, 5.0);
  RaceAnalysis a = AnalyseBuilt(race);
  EXPECT_EQ(a.snapshotCount, 1);
  EXPECT_EQ(a.driftMark[1], "");
  EXPECT_EQ(a.winChangeRank[1], 0);
}

TEST(DriftAndRanks, EqualChangesGiveTheHigherNumberTheBetterRank) {
  OddsBuilder race(6);
  race.Win(1, 1, 2.0).Win(2, 1, 3.0);  // change 13.39
  race.Win(1, 2, 5.0).Win(2, 2, 10.0).Win(1, 5, 5.0).Win(2, 5, 10.0);
  race.Win(2, 4, 4.0);  // one snapshot: no change
  race.WinText(1, 6, "----").Win(2, 6, 8.0);
  race.Win(1, 3, 6.0).Win(2, 3, 6.0);  // change 0
  RaceAnalysis a = AnalyseBuilt(race);
  EXPECT_EQ(a.winChangeRank[1], 1);
  EXPECT_EQ(a.winChangeRank[5], 2);
  EXPECT_EQ(a.winChangeRank[2], 3);
  EXPECT_EQ(a.winChangeRank[3], 4);
  EXPECT_EQ(a.winChangeRank[4], 0);
  EXPECT_EQ(a.winChangeRank[6], 0);
  EXPECT_EQ(a.driftMark[1], CandidateMarkText());
  EXPECT_EQ(a.driftMark[3], "");  // unchanged
  EXPECT_EQ(a.driftMark[4], "");  // no odds at snapshot 1
  EXPECT_EQ(a.driftMark[6], "");  // scratched at snapshot 1
}

TEST(DriftAndRanks, DriftComparesWithTheLatestSnapshot) {
  OddsBuilder race(3);
  race.Win(1, 1, 5.0).Win(2, 1, 9.0).Win(3, 1, 4.0);
  race.Win(1, 2, 5.0).Win(2, 2, 3.0).Win(3, 2, 6.0);
  RaceAnalysis a = AnalyseBuilt(race);
  EXPECT_EQ(a.driftMark[1], "");
  EXPECT_EQ(a.driftMark[2], CandidateMarkText());
}

TEST(DriftAndRanks, RunnerCountAboveEighteenIsHeldToEighteen) {
  OddsBuilder race(25);
  for (int h = 1; h <= 18; ++h) race.Win(1, h, 2.0 + h).Win(2, h, 3.0 + 2 * h);
  RaceAnalysis a = AnalyseBuilt(race);
  std::vector<bool> seen(19, false);
  for (int h = 1; h <= 18; ++h) {
    ASSERT_GE(a.winChangeRank[h], 1);
    ASSERT_LE(a.winChangeRank[h], 18);
    seen[static_cast<size_t>(a.winChangeRank[h])] = true;
    EXPECT_EQ(a.driftMark[h], CandidateMarkText());
  }
  for (int r = 1; r <= 18; ++r) EXPECT_TRUE(seen[static_cast<size_t>(r)]) << r;
  EXPECT_EQ(a.axisRule, 7);
}

}  // namespace
}  // namespace tw
