// Whole races built from odds texts, each one decided by a different axis
// condition, run through AnalyseRace.
#include "analysis/analyse_race.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

#include "analysis/analysis_marks.h"
#include "support/odds_builder.h"

namespace tw {
namespace {

using test::AnalyseBuilt;
using test::OddsBuilder;

using Odds = std::initializer_list<std::pair<int, double>>;

// The same win odds in snapshots 1 and 2.
void WinBoth(OddsBuilder& b, Odds odds) {
  for (auto [h, o] : odds) b.Win(1, h, o).Win(2, h, o);
}

// Every quinella pair of horses 1..n at `rest` in snapshots 1 and 2, then
// the listed pairs at their own odds.
void QuinellaBoth(OddsBuilder& b, int n, double rest, std::initializer_list<std::tuple<int, int, double>> pairs) {
  for (int s = 1; s <= 2; ++s) {
    b.AllQuinellas(s, n, rest);
    for (auto [i, j, o] : pairs) b.Quinella(s, i, j, o);
  }
}

std::vector<int> AxisHorses(const RaceAnalysis& a) {
  std::vector<int> horses;
  for (int h = 1; h <= kMaxRunners; ++h) {
    if (a.axisMark[h] == AxisMarkText()) horses.push_back(h);
  }
  return horses;
}

TEST(AnalyseRace, LongShotGapsDecide) {
  OddsBuilder b(4);
  WinBoth(b, {{1, 2.0}, {2, 4.0}, {3, 25.0}, {4, 30.0}});
  QuinellaBoth(b, 4, 50.0, {{1, 3, 10.0}});
  RaceAnalysis a = AnalyseBuilt(b);
  EXPECT_NEAR(a.maxShareGap[3], 2.24, 1e-9);
  EXPECT_NEAR(a.maxShareGap[4], 0.25, 1e-9);
  EXPECT_EQ(a.axisConditionMarks[3][1], AxisMarkText());
  EXPECT_EQ(a.axisConditionMarks[4][1], CandidateMarkText());
  EXPECT_EQ(a.axisRule, 1);
  EXPECT_EQ(AxisHorses(a), std::vector<int>{3});
}

TEST(AnalyseRace, FavouriteDominanceDecidesAndGivesTheBets) {
  OddsBuilder b(6);
  WinBoth(b, {{1, 1.2}, {2, 5.0}, {3, 8.0}, {4, 10.0}, {5, 12.0}, {6, 15.0}});
  QuinellaBoth(b, 6, 20.0, {{1, 2, 3.0}, {1, 3, 4.0}, {1, 4, 5.0}, {1, 5, 6.0}, {1, 6, 7.0}});
  RaceAnalysis a = AnalyseBuilt(b);
  EXPECT_EQ(a.axisRule, 2);
  EXPECT_EQ(AxisHorses(a), std::vector<int>{1});
  // Unchanged odds: every other horse is among the five largest (zero)
  // changes; the axis horse comes in by its large gap (and its own " 1- 1"
  // is no quinella pair).
  for (int h = 2; h <= 6; ++h) EXPECT_EQ(a.partnerConditionMarks[h][1], PartnerMarkText()) << h;
  EXPECT_EQ(a.partnerConditionMarks[1][2], PartnerMarkText());
  EXPECT_EQ(a.betLabels[1], " 1- 2");
  EXPECT_EQ(a.betLabels[5], " 1- 6");
  EXPECT_EQ(a.betLabels[6], "");
  EXPECT_EQ(a.upsetDegree, SmallUpsetText());
  for (int h = 1; h <= 6; ++h) EXPECT_EQ(a.partnerMark[h], ConfirmedMarkText()) << h;
}

TEST(AnalyseRace, EarlyGapOutsideTheTopThreeDecides) {
  OddsBuilder b(6);
  WinBoth(b, {{1, 2.0}, {2, 3.0}, {3, 4.0}, {5, 15.0}, {6, 15.0}});
  b.Win(1, 4, 8.0).Win(2, 4, 10.0);
  QuinellaBoth(b, 6, 100.0, {{1, 2, 3.0}, {1, 3, 4.0}, {2, 3, 5.0}});
  RaceAnalysis a = AnalyseBuilt(b);
  EXPECT_NEAR(a.shareGap[4][1], 738.0 / 79 - 5 * 369.0 / 999, 1e-12);
  EXPECT_EQ(a.axisConditionMarks[4][3], AxisMarkText());
  EXPECT_EQ(a.axisRule, 3);
  EXPECT_EQ(AxisHorses(a), std::vector<int>{4});
}

TEST(AnalyseRace, FirstOutsiderPairDecidesOnlyWithAStrongHorse) {
  auto race = [](double favouriteOdds) {
    OddsBuilder b(6);
    WinBoth(b, {{1, favouriteOdds}, {2, 4.0}, {3, 6.0}, {4, 10.0}, {5, 12.0}, {6, 15.0}});
    QuinellaBoth(b, 6, 50.0, {{1, 2, 3.0}, {1, 3, 4.0}, {1, 4, 5.0}, {2, 3, 6.0}, {1, 5, 7.0}, {1, 6, 8.0}});
    return b;
  };
  RaceAnalysis a = AnalyseBuilt(race(1.5));
  EXPECT_EQ(a.axisConditionMarks[3][4], AxisMarkText());  // |-5.43| beats |-2.27|
  EXPECT_EQ(a.axisConditionMarks[2][4], CandidateMarkText());
  EXPECT_EQ(a.axisRule, 4);
  EXPECT_EQ(AxisHorses(a), std::vector<int>{3});

  RaceAnalysis weak = AnalyseBuilt(race(3.5));  // favourite's win share 21.7
  EXPECT_NE(weak.axisRule, 4);
  for (int h = 1; h <= 6; ++h) EXPECT_EQ(weak.axisConditionMarks[h][4], "") << h;
}

OddsBuilder FiveEvenPairs(double secondHorseLatestOdds) {
  OddsBuilder b(5);
  WinBoth(b, {{1, 2.0}, {3, 6.0}, {4, 8.0}, {5, 10.0}});
  b.Win(1, 2, 4.0).Win(2, 2, secondHorseLatestOdds);
  QuinellaBoth(b, 5, 12.0, {});
  return b;
}

TEST(AnalyseRace, SecondEarlyQuinellaChoiceDecides) {
  RaceAnalysis a = AnalyseBuilt(FiveEvenPairs(5.0));
  EXPECT_EQ(a.axisConditionMarks[1][3], CandidateMarkText());
  EXPECT_EQ(a.axisConditionMarks[2][4], "");  // no strong horse
  EXPECT_EQ(a.axisConditionMarks[2][5], AxisMarkText());
  EXPECT_EQ(a.axisRule, 5);
  EXPECT_EQ(AxisHorses(a), std::vector<int>{2});
}

TEST(AnalyseRace, GapAgainstTheQuinellaFavouriteDecides) {
  RaceAnalysis a = AnalyseBuilt(FiveEvenPairs(4.0));
  EXPECT_EQ(a.axisConditionMarks[2][5], "");
  EXPECT_EQ(a.axisConditionMarks[1][6], AxisMarkText());
  EXPECT_EQ(a.axisConditionMarks[2][6], CandidateMarkText());
  EXPECT_EQ(a.axisConditionMarks[3][6], CandidateMarkText());
  EXPECT_EQ(a.axisRule, 6);
  EXPECT_EQ(AxisHorses(a), std::vector<int>{1});
}

TEST(AnalyseRace, LargestGapDecidesLast) {
  OddsBuilder b(5);
  WinBoth(b, {{1, 10.0}, {2, 10.0}, {3, 10.0}, {4, 8.0}, {5, 10.0}});
  QuinellaBoth(b, 5, 5.0, {{3, 4, 3.0}});
  RaceAnalysis a = AnalyseBuilt(b);
  EXPECT_EQ(a.axisConditionMarks[3][7], AxisMarkText());
  EXPECT_EQ(a.axisRule, 7);
  EXPECT_EQ(AxisHorses(a), std::vector<int>{3});
}

TEST(AnalyseRace, NoQuinellaOddsLeaveNoAxisAndNoBets) {
  OddsBuilder b(4);
  b.Win(1, 1, 2.0).Win(1, 2, 3.0).Win(1, 3, 25.0).Win(1, 4, 40.0);
  b.Win(2, 1, 2.5).Win(2, 2, 2.8).Win(2, 3, 30.0).Win(2, 4, 50.0);
  RaceAnalysis a = AnalyseBuilt(b);
  // Two long shots but neither has a maximum difference: no choice, no claim.
  EXPECT_EQ(a.axisConditionMarks[3][1], CandidateMarkText());
  EXPECT_EQ(a.axisConditionMarks[4][1], CandidateMarkText());
  EXPECT_EQ(a.axisRule, 7);
  EXPECT_TRUE(AxisHorses(a).empty());
  EXPECT_EQ(a.betLabels[1], "");
  EXPECT_EQ(a.upsetDegree, "");
  for (int h = 1; h <= 4; ++h) EXPECT_EQ(a.partnerMark[h], PartnerMarkText()) << h;
}

TEST(AnalyseRace, OneSnapshotGetsNoJudgement) {
  OddsBuilder b(6);
  b.Win(1, 1, 1.2).Win(1, 2, 25.0).Win(1, 3, 30.0);
  b.AllQuinellas(1, 6, 20.0);
  RaceAnalysis a = AnalyseBuilt(b);
  EXPECT_EQ(a.snapshotCount, 1);
  EXPECT_GT(a.winShare[1][1], 0);
  EXPECT_EQ(a.axisRule, 0);
  for (int h = 1; h <= 6; ++h) {
    EXPECT_EQ(a.axisConditionMarks[h][1], "");
    EXPECT_EQ(a.partnerMark[h], "");
    EXPECT_EQ(a.winChangeRank[h], 0);
  }
  EXPECT_EQ(a.betLabels[1], "");
}

TEST(AnalyseRace, SecondSnapshotMissingUsesFirstAndThird) {
  OddsBuilder b(3);
  b.Win(1, 1, 3.0).Win(3, 1, 2.0).Win(1, 2, 5.0).Win(3, 2, 6.0);
  RaceAnalysis a = AnalyseBuilt(b);
  EXPECT_EQ(a.snapshotCount, 3);
  EXPECT_NEAR(a.winShareChange[1], 738.0 / 19 - 738.0 / 29, 0.006);
  EXPECT_EQ(a.driftMark[2], CandidateMarkText());
  EXPECT_EQ(a.driftMark[1], "");
  // Latest snapshot 3 against a blank snapshot 2: both win shares "rose".
  EXPECT_EQ(a.partnerConditionMarks[1][3], PartnerMarkText());
}

TEST(AnalyseRace, AnalysingAgainGivesTheSameResult) {
  auto model = std::make_unique<RaceDayModel>();
  FiveEvenPairs(5.0).Into(*model, 4);
  model->slots[4].analysis.fetchTimes[1] = "1015";
  model->slots[4].analysis.hasPayout = true;
  AnalyseRace(*model, 4);
  const RaceAnalysis first = model->slots[4].analysis;
  AnalyseRace(*model, 4);
  const RaceAnalysis& again = model->slots[4].analysis;
  EXPECT_EQ(again.axisConditionMarks, first.axisConditionMarks);
  EXPECT_EQ(again.partnerMark, first.partnerMark);
  EXPECT_EQ(again.betLabels, first.betLabels);
  EXPECT_EQ(again.quinellaShare, first.quinellaShare);
  EXPECT_EQ(again.fetchTimes[1], "1015");
  EXPECT_TRUE(again.hasPayout);
  EXPECT_TRUE(again.present);
  AnalyseRace(*model, 36);  // out of range: nothing happens
  AnalyseRace(*model, -1);
}

TEST(AnalyseRace, EmptySlotKeepsItsResetValues) {
  auto model = std::make_unique<RaceDayModel>();
  AnalyseRace(*model, 35);
  const RaceAnalysis& a = model->slots[35].analysis;
  EXPECT_EQ(a.winShare[1][1], 0.0);
  EXPECT_GE(a.shareGap[1][1], kNoValue);
  EXPECT_GE(a.maxShareGap[1], kNoValue);
  EXPECT_EQ(a.winPopularityOrder[1][1], 0);
  EXPECT_EQ(a.axisRule, 0);
}

}  // namespace
}  // namespace tw
