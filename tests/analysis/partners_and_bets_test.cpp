#include <gtest/gtest.h>

#include "analysis/analysis_marks.h"
#include "analysis/bet_list.h"
#include "analysis/partner_conditions.h"
#include "support/odds_builder.h"

namespace tw {
namespace {

using test::OddsBuilder;

const std::string& P() { return PartnerMarkText(); }

class PartnerTest : public ::testing::Test {
 protected:
  RaceOdds Race(int runners = 7, PairKind kind = PairKind::kQuinella, int snapshots = 2) {
    slot_ = builder_.Build();
    return RaceOdds{slot_, runners, runners, kind, snapshots};
  }
  OddsBuilder builder_{7};
  RaceSlot slot_;
  RaceAnalysis a_;
};

TEST_F(PartnerTest, WinShareMoversAreTheFiveLargestChangesBesideTheAxis) {
  for (int h = 1; h <= 7; ++h) {
    a_.winShareChange[h] = 0.5 * h;
    a_.winShare[h][2] = 5.0;
  }
  a_.axisMark[7] = AxisMarkText();
  a_.winShare[3][2] = 0.5;
  PartnerWinShareMovers(Race(), a_);
  EXPECT_EQ(a_.partnerConditionMarks[1][1], "");
  EXPECT_EQ(a_.partnerConditionMarks[2][1], P());
  EXPECT_EQ(a_.partnerConditionMarks[3][1], StruckMarkText());
  EXPECT_EQ(a_.partnerConditionMarks[6][1], P());
  EXPECT_EQ(a_.partnerConditionMarks[7][1], "");
}

TEST_F(PartnerTest, LargeGapsSkipTheMoversButNotTheStruck) {
  a_.partnerConditionMarks[2][1] = P();
  a_.partnerConditionMarks[3][1] = StruckMarkText();
  const double gap[] = {0, -3.0, 5.0, 2.0, 1.99, 4.0, -2.0, 0};
  const double q[] = {0, 10.0, 30.0, 20.0, 40.0, 5.0, 8.0, 0};
  for (int h = 1; h <= 6; ++h) {
    a_.shareGap[h][2] = gap[h];
    a_.quinellaShare[h][2] = q[h];
  }
  PartnerLargeGaps(Race(), a_);
  EXPECT_EQ(a_.partnerConditionMarks[3][2], P());  // struck in condition 1, still eligible
  EXPECT_EQ(a_.partnerConditionMarks[1][2], P());
  EXPECT_EQ(a_.partnerConditionMarks[2][2], "");  // already a partner by condition 1
  EXPECT_EQ(a_.partnerConditionMarks[4][2], "");  // gap under 2.0
  EXPECT_EQ(a_.partnerConditionMarks[6][2], "");  // third largest quinella share
}

TEST_F(PartnerTest, ShareRises) {
  a_.winShare[1] = {0, 5.0, 5.2, 0};
  a_.winShare[2] = {0, 0.2, 0.7, 0};
  a_.winShare[3] = {0, 5.0, 5.09, 0};
  a_.winShare[4] = {0, 5.0, 0, 0};
  a_.quinellaShare[1] = {0, 5.0, 5.2, 0};
  a_.quinellaShare[2] = {0, 0, 5.1, 0};
  a_.quinellaShare[3] = {0, 5.0, 4.0, 0};
  PartnerWinShareRise(Race(), a_);
  PartnerQuinellaShareRise(Race(), a_);
  EXPECT_EQ(a_.partnerConditionMarks[1][3], P());
  EXPECT_EQ(a_.partnerConditionMarks[2][3], StruckMarkText());
  EXPECT_EQ(a_.partnerConditionMarks[3][3], "");
  EXPECT_EQ(a_.partnerConditionMarks[4][3], "");
  EXPECT_EQ(a_.partnerConditionMarks[1][4], P());
  EXPECT_EQ(a_.partnerConditionMarks[2][4], "");  // no quinella share at snapshot 1
  EXPECT_EQ(a_.partnerConditionMarks[3][4], "");
}

// With three snapshots the win-share rise is since snapshot 2, the
// quinella-share rise since snapshot 1.
TEST_F(PartnerTest, ShareRisesAtTheThirdSnapshot) {
  a_.winShare[1] = {0, 1.0, 1.5, 1.55};  // +0.55 since the first, +0.05 since the one before
  a_.winShare[2] = {0, 1.5, 1.0, 1.2};   // -0.3 since the first, +0.2 since the one before
  a_.quinellaShare[1] = {0, 5.0, 5.5, 5.55};
  a_.quinellaShare[2] = {0, 5.5, 5.0, 5.2};
  const RaceOdds race = Race(7, PairKind::kQuinella, 3);
  PartnerWinShareRise(race, a_);
  PartnerQuinellaShareRise(race, a_);
  EXPECT_EQ(a_.partnerConditionMarks[1][3], "");
  EXPECT_EQ(a_.partnerConditionMarks[2][3], P());
  EXPECT_EQ(a_.partnerConditionMarks[1][4], P());
  EXPECT_EQ(a_.partnerConditionMarks[2][4], "");
}

TEST_F(PartnerTest, GapBuildUp) {
  struct Case {
    double change, latest, first;
    bool partner;
  };
  const Case cases[] = {{0.5, 0.1, 0.2, true},   {0.49, 0.2, 0.3, true},      {0.49, 0.19, 0.3, false},
                        {1.0, 1.0, 0.19, false}, {kNoValue, 1.0, 1.0, false}, {1.0, kNoValue, 1.0, false}};
  int h = 1;
  for (const Case& c : cases) {
    a_.shareGapChange[h] = c.change;
    a_.shareGap[h][2] = c.latest;
    a_.shareGap[h][1] = c.first;
    ++h;
  }
  RaceOdds race = Race();
  PartnerGapBuildUp(race, a_);
  h = 1;
  for (const Case& c : cases) {
    EXPECT_EQ(a_.partnerConditionMarks[h][5], c.partner ? P() : "") << h;
    ++h;
  }
}

TEST_F(PartnerTest, PartnerColumnTakesEveryTriangleButNotTheCross) {
  a_.winShareChange[1] = 1.0;
  a_.winShare[1][2] = 0.5;  // struck in condition 1
  a_.winShareChange[2] = 0.5;
  a_.winShare[2][2] = 3.0;
  JudgePartners(Race(), a_);
  EXPECT_EQ(a_.partnerConditionMarks[1][1], StruckMarkText());
  EXPECT_EQ(a_.partnerMark[1], "");
  EXPECT_EQ(a_.partnerMark[2], P());
}

class BetListTest : public PartnerTest {
 protected:
  BetListTest() {
    a_.axisMark[3] = AxisMarkText();
    a_.axisMark[5] = AxisMarkText();  // the highest number is the one used
    for (int h : {1, 4, 5, 6}) a_.partnerMark[h] = P();
    a_.partnerConditionMarks[1][4] = P();
    a_.partnerConditionMarks[4][1] = P();
    a_.partnerConditionMarks[5][2] = P();
    a_.partnerConditionMarks[6][1] = StruckMarkText();
    a_.partnerConditionMarks[6][5] = P();
    builder_.Snapshot(1).Snapshot(2).Quinella(2, 1, 5, 12.0).Quinella(1, 5, 6, 3.0);
  }
};

TEST_F(BetListTest, CheapestFirstAndSmallUpset) {
  builder_.Quinella(2, 4, 5, 9.0);
  a_.axisRule = 2;
  BuildBetList(Race(), a_);
  EXPECT_EQ(BetAxisHorse(Race(), a_), 5);
  EXPECT_EQ(a_.betLabels[1], " 4- 5");
  EXPECT_EQ(a_.betLabels[2], " 1- 5");
  EXPECT_EQ(a_.betLabels[3], "");  // 5-6 has no latest odds, " 5- 5" is no quinella
  EXPECT_EQ(a_.upsetDegree, SmallUpsetText());
  EXPECT_EQ(a_.partnerMark[4], ConfirmedMarkText());
  EXPECT_EQ(a_.partnerMark[5], ConfirmedMarkText());
  EXPECT_EQ(a_.partnerMark[1], P());  // condition 4 is not confirmed by a small upset
  EXPECT_EQ(a_.partnerMark[6], P());
}

TEST_F(BetListTest, MediumUpsetFromAxisRuleOrOdds) {
  builder_.Quinella(2, 4, 5, 9.0);
  a_.axisRule = 3;
  BuildBetList(Race(), a_);
  EXPECT_EQ(a_.upsetDegree, MediumUpsetText());
  EXPECT_EQ(a_.partnerMark[1], ConfirmedMarkText());
  EXPECT_EQ(a_.partnerMark[6], P());
}

TEST_F(BetListTest, RatingThresholds) {
  struct Case {
    const char* odds;
    int rule;
    const std::string& degree;
  };
  const Case cases[] = {{"000091", 1, MediumUpsetText()},
                        {"000110", 2, MediumUpsetText()},
                        {"000111", 2, LargeUpsetText()},
                        {"000090", 7, MediumUpsetText()}};
  for (const Case& c : cases) {
    RaceAnalysis a = a_;
    builder_.QuinellaText(2, 4, 5, c.odds);
    a.axisRule = c.rule;
    BuildBetList(Race(), a);
    EXPECT_EQ(a.upsetDegree, c.degree) << c.odds << " rule " << c.rule;
    if (c.degree == LargeUpsetText()) {
      EXPECT_EQ(a.partnerMark[6], ConfirmedMarkText());
    }
  }
}

TEST_F(BetListTest, NoAxisOrNoPricedBetMeansNoRating) {
  RaceAnalysis noAxis = a_;
  noAxis.axisMark.fill({});
  builder_.Quinella(2, 4, 5, 9.0);
  BuildBetList(Race(), noAxis);
  EXPECT_EQ(noAxis.betLabels[1], "");
  EXPECT_EQ(noAxis.upsetDegree, "");
  EXPECT_EQ(noAxis.partnerMark[4], P());

  RaceAnalysis unpriced = a_;
  builder_.QuinellaText(2, 4, 5, "------").QuinellaText(2, 1, 5, "000000");
  BuildBetList(Race(), unpriced);
  EXPECT_EQ(unpriced.betLabels[1], "");
  EXPECT_EQ(unpriced.upsetDegree, "");
  EXPECT_EQ(unpriced.partnerMark[4], P());
}

TEST_F(BetListTest, BracketModePricesTheSameBracketPair) {
  builder_.Bracket(2, 5, 5, 15.0).Bracket(2, 1, 5, 30.0).Bracket(2, 4, 5, 8.0).Quinella(2, 4, 5, 2.0);
  a_.axisRule = 1;
  BuildBetList(Race(7, PairKind::kBracket), a_);
  EXPECT_EQ(a_.betLabels[1], " 4- 5");
  EXPECT_EQ(a_.betLabels[2], " 5- 5");
  EXPECT_EQ(a_.betLabels[3], " 1- 5");
  EXPECT_EQ(a_.upsetDegree, SmallUpsetText());
}

}  // namespace
}  // namespace tw
