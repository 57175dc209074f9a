// Each axis condition on its own, with shares set by hand and only the odds
// texts the condition reads.
#include "analysis/axis_conditions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "analysis/analysis_marks.h"
#include "analysis/pair_list.h"
#include "analysis/sort_keys.h"
#include "codes/pairs.h"
#include "support/odds_builder.h"
#include "text/format.h"

namespace tw {
namespace {

using test::OddsBuilder;

const std::string& Axis() { return AxisMarkText(); }
const std::string& Candidate() { return CandidateMarkText(); }

class AxisConditionTest : public ::testing::Test {
 protected:
  explicit AxisConditionTest(int runners = 6) : builder_(runners), runners_(runners) {
    builder_.Snapshot(1).Snapshot(2);
  }
  // The race as the conditions see it; latest snapshot 2.
  RaceOdds Race() {
    slot_ = builder_.Build();
    return RaceOdds{slot_, runners_, runners_, PairKind::kQuinella, 2};
  }
  void Strong(int h) {
    a_.winShare[h][2] = 30.0;
    a_.quinellaShare[h][2] = 25.0;
  }

  OddsBuilder builder_;
  int runners_;
  RaceSlot slot_;
  RaceAnalysis a_;
};

TEST_F(AxisConditionTest, LongShotsNeedTwoCandidates) {
  builder_.Win(2, 2, 20.0).Win(2, 3, 19.9);
  a_.maxShareGap[2] = 3.0;
  AxisLongShotGaps(Race(), a_);
  EXPECT_EQ(a_.axisConditionMarks[2][1], Candidate());
  EXPECT_EQ(a_.axisConditionMarks[3][1], "");
  EXPECT_EQ(a_.axisRule, 0);
}

TEST_F(AxisConditionTest, LongShotWithTheLargestGapIsTheAxis) {
  builder_.Win(2, 2, 25.0).Win(2, 4, 80.0).Win(2, 5, 30.0).Win(2, 1, 1.5);
  a_.maxShareGap[2] = 3.0;
  a_.maxShareGap[4] = 0.5;
  a_.maxShareGap[5] = 2.99;
  AxisLongShotGaps(Race(), a_);
  EXPECT_EQ(a_.axisConditionMarks[2][1], Axis());
  EXPECT_EQ(a_.axisConditionMarks[4][1], Candidate());
  EXPECT_EQ(a_.axisConditionMarks[5][1], Candidate());
  EXPECT_EQ(a_.axisConditionMarks[1][1], "");
  EXPECT_EQ(a_.axisRule, 1);
}

TEST_F(AxisConditionTest, LongShotWithoutGapCountsButIsNeverChosen) {
  builder_.Win(2, 2, 25.0).Win(2, 4, 80.0);
  a_.maxShareGap[2] = 0.1;  // horse 4 keeps kNoValue
  AxisLongShotGaps(Race(), a_);
  EXPECT_EQ(a_.axisConditionMarks[2][1], Axis());
  EXPECT_EQ(a_.axisConditionMarks[4][1], Candidate());
  EXPECT_EQ(a_.axisRule, 1);
}

TEST_F(AxisConditionTest, LongShotsWithoutAnyGapClaimNothing) {
  builder_.Win(2, 2, 25.0).Win(2, 4, 80.0);
  AxisLongShotGaps(Race(), a_);
  EXPECT_EQ(a_.axisConditionMarks[2][1], Candidate());
  EXPECT_EQ(a_.axisConditionMarks[4][1], Candidate());
  EXPECT_EQ(a_.axisRule, 0);
}

TEST_F(AxisConditionTest, FavouriteInTheFirstFivePairsDominates) {
  a_.winPopularityOrder[1][2] = 1;
  builder_.Quinella(2, 1, 2, 3.0).Quinella(2, 1, 3, 4.0).Quinella(2, 1, 4, 5.0).Quinella(2, 1, 5, 6.0);
  builder_.Quinella(2, 1, 6, 7.0).Quinella(2, 2, 3, 7.0);
  Strong(1);
  Strong(4);
  a_.winShare[2][2] = 40.0;
  a_.quinellaShare[2][2] = 24.9;
  RaceOdds race = Race();
  AxisFavouriteDominance(race, LatestPairList(race), a_);
  EXPECT_EQ(a_.axisConditionMarks[1][2], Axis());
  EXPECT_EQ(a_.axisConditionMarks[4][2], Axis());
  EXPECT_EQ(a_.axisConditionMarks[2][2], "");
  EXPECT_EQ(a_.axisRule, 2);
}

TEST_F(AxisConditionTest, FavouriteInSevenOfTheFirstTen) {
  a_.winPopularityOrder[1][2] = 1;
  builder_.Quinella(2, 2, 3, 2.0);
  for (int h = 2; h <= 8; ++h) builder_.Quinella(2, 1, h, 2.0 + h);
  builder_.Quinella(2, 2, 4, 50.0).Quinella(2, 3, 4, 50.0);
  runners_ = 8;
  Strong(1);
  RaceOdds race = Race();
  AxisFavouriteDominance(race, LatestPairList(race), a_);
  EXPECT_EQ(a_.axisConditionMarks[1][2], Axis());
  EXPECT_EQ(a_.axisRule, 2);
}

TEST_F(AxisConditionTest, FavouriteWithoutDominanceOrStrongHorse) {
  a_.winPopularityOrder[1][2] = 1;
  // The first pair without the favourite is 5th; 1-6 is later.
  builder_.Quinella(2, 1, 2, 3.0).Quinella(2, 1, 3, 4.0).Quinella(2, 1, 4, 5.0).Quinella(2, 1, 5, 7.0);
  builder_.Quinella(2, 2, 3, 6.0).Quinella(2, 1, 6, 8.0);
  Strong(1);
  RaceOdds race = Race();
  AxisFavouriteDominance(race, LatestPairList(race), a_);
  EXPECT_EQ(a_.axisConditionMarks[1][2], "");
  EXPECT_EQ(a_.axisRule, 0);

  // Dominance without a strong horse claims nothing either.
  RaceAnalysis weak;
  weak.winPopularityOrder[1][2] = 1;
  builder_.Quinella(2, 2, 3, 9.0);
  RaceOdds again = Race();
  AxisFavouriteDominance(again, LatestPairList(again), weak);
  EXPECT_EQ(weak.axisRule, 0);
}

TEST_F(AxisConditionTest, EarlyGapCandidateIsOutsideTheTopThree) {
  const double q[] = {0, 20.0, 18.0, 15.0, 3.0, 2.0, 0};
  for (int h = 1; h <= 5; ++h) {
    a_.quinellaShare[h][2] = q[h];
    a_.shareGap[h][2] = 1.0;
    a_.shareGap[h][1] = 9.0;  // the excluded horses have the larger gaps
  }
  a_.shareGap[4][1] = 5.0;
  a_.shareGap[5][1] = 4.0;
  a_.winShare[4][1] = 9.0;
  a_.winShare[4][2] = 8.0;
  AxisEarlyGapOutsideTopThree(Race(), a_);
  EXPECT_EQ(a_.axisConditionMarks[4][3], Axis());
  for (int h : {1, 2, 3, 5}) EXPECT_EQ(a_.axisConditionMarks[h][3], "") << h;
  EXPECT_EQ(a_.axisRule, 3);
}

TEST_F(AxisConditionTest, EarlyGapCandidateOnEachSideOfEveryEdge) {
  struct Case {
    double w1, w2, d1;
    bool axis;
  };
  // The win share at snapshot 1 from 4.0 to under 12.5 and falling; the
  // difference at snapshot 1 from 1.0 to under 10.0. Outside: only a circle.
  for (Case c : {Case{3.99, 3.0, 2.0, false}, Case{4.0, 3.0, 2.0, true}, Case{12.49, 10.0, 2.0, true},
                 Case{12.5, 10.0, 2.0, false}, Case{9.0, 9.0, 2.0, false}, Case{9.0, 8.0, 0.99, false},
                 Case{9.0, 8.0, 1.0, true}, Case{9.0, 8.0, 9.99, true}, Case{9.0, 8.0, 10.0, false}}) {
    RaceAnalysis a;
    for (int h = 1; h <= 4; ++h) {
      a.quinellaShare[h][2] = 10.0 - h;
      a.shareGap[h][2] = 1.0;
    }
    a.winShare[4][1] = c.w1;
    a.winShare[4][2] = c.w2;
    a.shareGap[4][1] = c.d1;
    AxisEarlyGapOutsideTopThree(Race(), a);
    EXPECT_EQ(a.axisConditionMarks[4][3], c.axis ? Axis() : Candidate()) << c.w1 << " " << c.w2 << " " << c.d1;
    EXPECT_EQ(a.axisRule, c.axis ? 3 : 0);
  }
}

TEST_F(AxisConditionTest, EarlyGapIgnoresHorsesWithoutAFirstDifference) {
  for (int h = 1; h <= 5; ++h) {
    a_.quinellaShare[h][2] = 10.0 - h;
    a_.shareGap[h][2] = 1.0;
  }
  // Horse 5 has no difference at snapshot 1; horse 4 is the only candidate.
  a_.shareGap[4][1] = 2.0;
  a_.winShare[4][1] = 9.0;
  a_.winShare[4][2] = 8.0;
  AxisEarlyGapOutsideTopThree(Race(), a_);
  EXPECT_EQ(a_.axisConditionMarks[4][3], Axis());
  EXPECT_EQ(a_.axisConditionMarks[5][3], "");

  RaceAnalysis none;
  for (int h = 1; h <= 5; ++h) {
    none.quinellaShare[h][2] = 10.0 - h;
    none.shareGap[h][2] = 1.0;
  }
  AxisEarlyGapOutsideTopThree(Race(), none);
  for (int h = 1; h <= 5; ++h) EXPECT_EQ(none.axisConditionMarks[h][3], "") << h;
  EXPECT_EQ(none.axisRule, 0);
}

class OutsiderPairTest : public AxisConditionTest {
 protected:
  // Favourite 1; the first pair without it, 2-3, is 5th.
  OutsiderPairTest() {
    a_.winPopularityOrder[1][2] = 1;
    builder_.Quinella(2, 1, 2, 3.0).Quinella(2, 1, 3, 4.0).Quinella(2, 1, 4, 5.0).Quinella(2, 1, 5, 5.0);
    builder_.Quinella(2, 2, 3, 6.0);
  }
  void Judge() {
    RaceOdds race = Race();
    AxisFirstOutsiderPair(race, LatestPairList(race), a_);
  }
};

TEST_F(OutsiderPairTest, LargerGapOfTheTwoIsTheAxis) {
  a_.maxShareGap[2] = 3.2;
  a_.maxShareGap[3] = 1.4;
  Strong(1);
  Judge();
  EXPECT_EQ(a_.axisConditionMarks[2][4], Axis());
  EXPECT_EQ(a_.axisConditionMarks[3][4], Candidate());
  EXPECT_EQ(a_.axisRule, 4);
}

TEST_F(OutsiderPairTest, SecondHorseWhenItsGapIsLarger) {
  a_.maxShareGap[2] = 1.4;
  a_.maxShareGap[3] = 3.2;
  Strong(5);
  Judge();
  EXPECT_EQ(a_.axisConditionMarks[3][4], Axis());
  EXPECT_EQ(a_.axisConditionMarks[2][4], Candidate());
}

TEST_F(OutsiderPairTest, EqualGapsGoByQuinellaShareThenToTheSecond) {
  a_.maxShareGap[2] = 2.0;
  a_.maxShareGap[3] = 2.0;
  a_.quinellaShare[2][2] = 12.0;
  a_.quinellaShare[3][2] = 11.0;
  Strong(1);
  Judge();
  EXPECT_EQ(a_.axisConditionMarks[2][4], Axis());
  a_.quinellaShare[3][2] = 12.0;
  Judge();
  EXPECT_EQ(a_.axisConditionMarks[3][4], Axis());
  EXPECT_EQ(a_.axisConditionMarks[2][4], Candidate());
}

TEST_F(OutsiderPairTest, WithoutAStrongHorseTheMarksGo) {
  a_.maxShareGap[2] = 3.2;
  a_.maxShareGap[3] = 1.4;
  a_.winShare[1][2] = 30.0;
  a_.quinellaShare[1][2] = 24.99;
  Judge();
  EXPECT_EQ(a_.axisConditionMarks[2][4], "");
  EXPECT_EQ(a_.axisConditionMarks[3][4], "");
  EXPECT_EQ(a_.axisRule, 0);

  // An earlier claim stays.
  RaceAnalysis claimed;
  claimed.winPopularityOrder[1][2] = 1;
  claimed.axisRule = 3;
  RaceOdds race = Race();
  AxisFirstOutsiderPair(race, LatestPairList(race), claimed);
  EXPECT_EQ(claimed.axisRule, 3);
  EXPECT_EQ(claimed.axisConditionMarks[2][4], "");
}

TEST_F(OutsiderPairTest, OnlyAtPositionFourOrFive) {
  builder_.Quinella(2, 1, 5, 7.0);  // 2-3 becomes 4th
  a_.maxShareGap[2] = 3.2;
  a_.maxShareGap[3] = -1.0;
  Strong(1);
  Judge();
  EXPECT_EQ(a_.axisConditionMarks[2][4], Axis());

  RaceAnalysis third;
  third.winPopularityOrder[1][2] = 1;
  third.winShare[1][2] = 30.0;
  third.quinellaShare[1][2] = 25.0;
  builder_.Quinella(2, 1, 4, 7.0);  // 2-3 becomes 3rd
  RaceOdds race = Race();
  AxisFirstOutsiderPair(race, LatestPairList(race), third);
  for (int h = 1; h <= 6; ++h) EXPECT_EQ(third.axisConditionMarks[h][4], "") << h;
  EXPECT_EQ(third.axisRule, 0);
}

TEST_F(AxisConditionTest, SecondEarlyQuinellaChoice) {
  for (int h = 1; h <= 4; ++h) {
    a_.shareGap[h][1] = 1.5;
    a_.winShare[h][2] = 5.0;
    a_.quinellaShare[h][1] = 5.0 + h;
  }
  a_.winShare[3][1] = 6.0;
  AxisSecondEarlyQuinella(Race(), a_);
  EXPECT_EQ(a_.axisConditionMarks[3][5], Axis());
  EXPECT_EQ(a_.axisRule, 5);

  RaceAnalysis fails = a_;
  fails.axisConditionMarks[3][5].clear();
  fails.axisRule = 0;
  fails.winShare[3][1] = 4.94;
  AxisSecondEarlyQuinella(Race(), fails);
  for (int h = 1; h <= 4; ++h) EXPECT_EQ(fails.axisConditionMarks[h][5], "") << h;  // no circle either
  EXPECT_EQ(fails.axisRule, 0);
}

TEST_F(AxisConditionTest, GapAgainstTheQuinellaFavourite) {
  a_.shareGap[2][2] = 0.5;
  a_.maxShareGap[2] = 4.0;
  a_.shareGap[3][2] = 1.0;
  a_.maxShareGap[3] = 1.0;
  a_.shareGap[4][2] = -2.0;
  a_.maxShareGap[4] = 9.0;
  for (int h = 1; h <= 4; ++h) a_.quinellaShare[h][2] = 10.0 * h;
  AxisGapAgainstQuinellaFavourite(Race(), a_);
  EXPECT_EQ(a_.axisConditionMarks[2][6], Axis());
  EXPECT_EQ(a_.axisConditionMarks[3][6], Candidate());
  EXPECT_EQ(a_.axisConditionMarks[4][6], "");
  EXPECT_EQ(a_.axisRule, 6);

  RaceAnalysis same = a_;
  same.axisRule = 0;
  same.quinellaShare[4][2] = 0;
  same.quinellaShare[2][2] = 50.0;
  AxisGapAgainstQuinellaFavourite(Race(), same);
  EXPECT_EQ(same.axisConditionMarks[2][6], Candidate());
  EXPECT_EQ(same.axisRule, 0);
}

TEST_F(AxisConditionTest, LargestGapAlwaysClaims) {
  a_.maxShareGap[2] = 1.5;
  a_.maxShareGap[5] = 2.5;
  AxisLargestGap(Race(), a_);
  EXPECT_EQ(a_.axisConditionMarks[5][7], Axis());
  EXPECT_EQ(a_.axisRule, 7);

  RaceAnalysis none;
  AxisLargestGap(Race(), none);
  EXPECT_EQ(none.axisRule, 7);
  for (int h = 1; h <= 6; ++h) EXPECT_EQ(none.axisConditionMarks[h][7], "");
}

// A pair's sort key as text: odds "%6d" followed by the label.
std::string KeyText(const PairKey& pair, PairKind kind) {
  return PaddedNumber(pair.odds, 6, ' ') + PairLabelAt(kind, pair.index);
}

TEST(PairList, CheapestFirstEqualOddsByLabel) {
  OddsBuilder b(10);
  b.Snapshot(1).Snapshot(2);
  b.Quinella(2, 9, 10, 10.0).Quinella(2, 2, 3, 9.5).Quinella(2, 1, 4, 10.0).QuinellaText(2, 1, 2, "------");
  b.Quinella(1, 1, 3, 2.0);
  RaceSlot slot = b.Build();
  std::vector<PairKey> list = LatestPairList(RaceOdds{slot, 10, 10, PairKind::kQuinella, 2});
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(KeyText(list[0], PairKind::kQuinella), "    95 2- 3");
  EXPECT_EQ(KeyText(list[1], PairKind::kQuinella), "   100 1- 4");
  EXPECT_EQ(KeyText(list[2], PairKind::kQuinella), "   100 9-10");
  EXPECT_EQ(list[2].horses.first, 9);
  EXPECT_EQ(list[2].horses.second, 10);

  OddsBuilder bracket(8);
  bracket.Bracket(2, 3, 3, 12.0).Bracket(2, 1, 2, 120.0);
  RaceSlot bslot = bracket.Build();
  std::vector<PairKey> blist = LatestPairList(RaceOdds{bslot, 8, 8, PairKind::kBracket, 2});
  ASSERT_EQ(blist.size(), 2u);
  EXPECT_EQ(KeyText(blist[0], PairKind::kBracket), "   120 3- 3");
  EXPECT_EQ(KeyText(blist[1], PairKind::kBracket), "  1200 1- 2");
}

TEST(PairList, OrderIsTheTextOrderOfTheKeys) {
  std::mt19937 random(7);
  for (PairKind kind : {PairKind::kQuinella, PairKind::kBracket}) {
    const bool quinella = kind == PairKind::kQuinella;
    OddsBuilder b(18);
    std::uniform_int_distribution<int> odds(0, 40);
    const int pairs = quinella ? 153 : 36;
    for (int j = 1; j <= pairs; ++j) {
      const std::string label = quinella ? QuinellaPairLabel(j) : BracketPairLabel(j);
      const int i = std::atoi(label.substr(0, 2).c_str()), k = std::atoi(label.substr(3, 2).c_str());
      const int v = odds(random) * (j % 7 == 0 ? 24999 : 1);  // some six-digit odds
      const std::string text = quinella ? Format("%06d", v) : Format("%05d", std::min(v, 99999));
      if (quinella)
        b.QuinellaText(2, i, k, text);
      else
        b.BracketText(2, i, k, text);
    }
    RaceSlot slot = b.Build();
    const RaceOdds race{slot, 18, 18, kind, 2};
    std::vector<PairKey> list = LatestPairList(race);
    std::vector<std::string> texts;
    for (const PairKey& p : list) texts.push_back(KeyText(p, kind));
    EXPECT_TRUE(std::is_sorted(texts.begin(), texts.end()));
    // The cheapest few are the front of the whole list, however many.
    for (size_t limit : {size_t{0}, size_t{1}, size_t{5}, kCheapestPairs, size_t{40}, list.size() + 1}) {
      std::vector<PairKey> front = LatestPairList(race, limit);
      ASSERT_EQ(front.size(), std::min(limit, list.size())) << limit;
      for (size_t i = 0; i < front.size(); ++i) EXPECT_EQ(front[i].index, list[i].index) << limit << " " << i;
    }
  }
}

}  // namespace
}  // namespace tw
