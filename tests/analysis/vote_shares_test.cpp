#include "analysis/vote_shares.h"

#include <gtest/gtest.h>

#include "analysis/race_day_model.h"
#include "support/odds_builder.h"
#include "text/fields.h"
#include "text/format.h"

namespace tw {
namespace {

using test::AnalyseBuilt;
using test::OddsBuilder;

TEST(WinShare, FromTheOddsText) {
  OddsBuilder race(10);
  race.WinText(1, 1, "0011").WinText(1, 2, "0123").WinText(2, 18, "0011");
  RaceAnalysis a = AnalyseBuilt(race);
  EXPECT_DOUBLE_EQ(a.winShare[1][1], 73.8);
  EXPECT_DOUBLE_EQ(a.winShare[2][1], 738.0 / 122);
  EXPECT_EQ(Format("%6.2f", a.winShare[2][1]), "  6.05");
  // Every horse slot is read, whatever the runner count.
  EXPECT_DOUBLE_EQ(a.winShare[18][2], 73.8);
}

TEST(WinShare, InvalidTextsGiveNothing) {
  OddsBuilder race(6);
  race.WinText(1, 1, "----").WinText(1, 2, "****").WinText(1, 3, "0000").WinText(1, 4, "    ");
  race.WinText(1, 5, "0020");
  RaceAnalysis a = AnalyseBuilt(race);
  for (int h = 1; h <= 4; ++h) EXPECT_EQ(a.winShare[h][1], 0.0) << h;
  EXPECT_DOUBLE_EQ(a.winShare[5][1], 738.0 / 19);
  EXPECT_GE(a.shareGap[1][1], kNoValue);
}

TEST(WinShare, OddsOfOneOrLessAddNoShare) {
  // "0001" and "000 " pass the validity rule but would divide by zero or go
  // negative; they add nothing.
  OddsBuilder race(4);
  race.WinText(1, 1, "0001").WinText(1, 2, "000 ").WinText(1, 3, "0030");
  race.QuinellaText(1, 1, 3, "000001").Quinella(1, 2, 3, 10.0);
  RaceAnalysis a = AnalyseBuilt(race);
  EXPECT_EQ(a.winShare[1][1], 0.0);
  EXPECT_EQ(a.winShare[2][1], 0.0);
  EXPECT_DOUBLE_EQ(a.quinellaShare[1][1], 0.0);
  EXPECT_DOUBLE_EQ(a.quinellaShare[3][1], 369.0 / 99);
  EXPECT_GE(a.shareGap[1][1], kNoValue);
}

TEST(QuinellaShare, SumsEveryPairOfTheHorse) {
  OddsBuilder race(10);
  race.Quinella(1, 1, 2, 10.0).Quinella(1, 1, 3, 5.0).QuinellaText(1, 2, 3, "------").Quinella(1, 9, 10, 100.0);
  race.QuinellaText(1, 1, 4, "000000").QuinellaText(1, 1, 5, "******");
  RaceAnalysis a = AnalyseBuilt(race);
  EXPECT_DOUBLE_EQ(a.quinellaShare[1][1], 369.0 / 99 + 369.0 / 49);
  EXPECT_DOUBLE_EQ(a.quinellaShare[2][1], 369.0 / 99);
  EXPECT_DOUBLE_EQ(a.quinellaShare[3][1], 369.0 / 49);
  EXPECT_DOUBLE_EQ(a.quinellaShare[10][1], 369.0 / 999);
  EXPECT_EQ(a.quinellaShare[4][1], 0.0);
  // Quinella mode leaves the bracket working values alone.
  EXPECT_EQ(a.bracketShare[1][1], 0.0);
}

TEST(QuinellaShare, BracketModeOnlyForSmallFieldsBefore2005) {
  OddsBuilder race(8);
  race.Bracket(1, 1, 2, 10.0).Bracket(1, 1, 1, 20.0).Quinella(1, 1, 2, 30.0);
  RaceAnalysis before = AnalyseBuilt(race, false);
  EXPECT_DOUBLE_EQ(before.bracketShare[1][1], 369.0 / 99 + 369.0 / 199);  // " 1- 1" counts once
  EXPECT_DOUBLE_EQ(before.bracketShare[2][1], 369.0 / 99);
  EXPECT_DOUBLE_EQ(before.quinellaShare[1][1], before.bracketShare[1][1]);
  RaceAnalysis from2005 = AnalyseBuilt(race, true);
  EXPECT_DOUBLE_EQ(from2005.quinellaShare[1][1], 369.0 / 299);
  EXPECT_EQ(from2005.bracketShare[1][1], 0.0);

  OddsBuilder nine(9);
  nine.Bracket(1, 1, 2, 10.0).Quinella(1, 1, 2, 30.0);
  EXPECT_DOUBLE_EQ(AnalyseBuilt(nine, false).quinellaShare[1][1], 369.0 / 299);
}

TEST(QuinellaShare, RaceCountAboveEighteenStillQuinellaMode) {
  OddsBuilder race(20);
  race.Bracket(1, 1, 2, 10.0).Quinella(1, 1, 2, 30.0);
  EXPECT_DOUBLE_EQ(AnalyseBuilt(race, false).quinellaShare[1][1], 369.0 / 299);
}

TEST(ShareGap, OnlyWhereBothSharesExist) {
  OddsBuilder race(10);
  race.Win(1, 1, 2.0).Win(1, 2, 5.0).Quinella(1, 1, 3, 4.0);
  RaceAnalysis a = AnalyseBuilt(race);
  EXPECT_DOUBLE_EQ(a.shareGap[1][1], 738.0 / 19 - 369.0 / 39);
  EXPECT_GE(a.shareGap[2][1], kNoValue);  // no quinella share
  EXPECT_GE(a.shareGap[3][1], kNoValue);  // no win share
  EXPECT_GE(a.shareGap[1][2], kNoValue);  // snapshot absent
}

TEST(ShareOfOdds, NoShareWithoutOddsAboveOne) {
  EXPECT_EQ(ShareOfOdds(ReadOddsNumber("0011"), 738), 73.8);
  EXPECT_EQ(ShareOfOdds(ReadOddsNumber("0001"), 738), 0.0);
  EXPECT_EQ(ShareOfOdds(ReadOddsNumber("----"), 738), 0.0);
  EXPECT_EQ(ShareOfOdds(ReadOddsNumber("-012"), 738), 0.0);
}

TEST(ShareOfOdds, SharesOfTheNumbersAreTheSharesOfTheTexts) {
  // Every four-byte text over digits, fill characters, a sign and a
  // Shift-JIS lead byte: the share is what the text gave before it was read
  // into a number, 738 / (X - 1) of a valid text with X > 1.
  const std::string alphabet = " 0159-*+A\x82";
  for (char a : alphabet)
    for (char b : alphabet)
      for (char c : alphabet)
        for (char d : alphabet) {
          const std::string text{a, b, c, d};
          const double x = static_cast<double>(IntValue(text));
          const double share = IsValidOddsText(text) && x - 1 > 0 ? 738 / (x - 1) : 0.0;
          ASSERT_EQ(ShareOfOdds(ReadOddsNumber(text), 738), share) << '"' << text << '"';
          ASSERT_EQ(ReadOddsNumber(text).HasOdds(), IsValidOddsText(text)) << '"' << text << '"';
        }
}

}  // namespace
}  // namespace tw
