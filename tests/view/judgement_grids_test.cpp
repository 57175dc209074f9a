// The bet tab's grids: the axis and partner marks, the bet list and their
// cell colours.
#include "view/judgement_grids.h"

#include <gtest/gtest.h>

#include "codes/pairs.h"
#include "support/day_builder.h"
#include "support/race_view_fixture.h"
#include "text/sjis.h"

namespace tw {
namespace {

using test::Put;
using test::RaceFixture;
using test::U8;

TEST(JudgementGrids, JudgementGridsMarksAndCellColours) {
  RaceFixture f(16);
  f.SetWin(1, {"0030"});
  f.SetWin(2, {"0030"});
  std::vector<std::string> pairs(153, "      ");
  pairs[static_cast<size_t>(QuinellaPairIndexOf(3, 7) - 1)] = "000123";
  pairs[static_cast<size_t>(QuinellaPairIndexOf(3, 9) - 1)] = "000456";
  pairs[static_cast<size_t>(QuinellaPairIndexOf(3, 12) - 1)] = "000789";
  f.SetQuinella(2, pairs);
  f.a().axisConditionMarks[3][7] = Sjis("◎");
  f.a().partnerConditionMarks[7][1] = Sjis("×");
  f.a().axisMark[3] = Sjis("◎");
  f.a().partnerMark[7] = Sjis("▲");
  f.a().betLabels[1] = " 3- 7";
  f.a().betLabels[2] = " 3- 9";
  f.a().betLabels[3] = " 3-12";
  f.a().upsetDegree = Sjis("中");
  std::string hr = test::PayoutLine(f.key);
  test::SetQuinellaPayout(hr, 1, 3, 7, 1230);
  test::SetWidePayout(hr, 1, 3, 9, 450);
  f.slot().payout = hr + "\r\n";
  RaceView v = f.Show();
  EXPECT_EQ(U8(v.header.upsetDegree), "中");
  const JudgementGrid& axis = v.grids[0];
  ASSERT_EQ(axis.rows.size(), 17u);
  EXPECT_EQ(U8(axis.rows[0][2].text), "軸条件1");
  EXPECT_EQ(axis.rows[0][2].background, colour::kSilver);
  EXPECT_EQ(U8(axis.rows[3][8].text), "◎");
  // 16 runners: horse 1 in bracket 1 … horses 15 and 16 in bracket 8.
  EXPECT_EQ(axis.rows[1][0].text, "1");
  EXPECT_EQ(axis.rows[1][0].background, colour::kWhite);
  EXPECT_EQ(axis.rows[16][0].text, "8");
  EXPECT_EQ(axis.rows[16][0].background, colour::kFuchsia);
  EXPECT_EQ(axis.rows[16][1].text, "16");
  EXPECT_TRUE(axis.rows[16][1].tooltipBackground);
  EXPECT_FALSE(axis.rows[16][2].tooltipBackground);
  EXPECT_EQ(axis.rows[16][2].background, colour::kWhite);
  EXPECT_EQ(U8(v.grids[1].rows[7][2].text), "×");
  EXPECT_EQ(U8(v.grids[2].rows[3][2].text), "◎");
  EXPECT_EQ(U8(v.grids[2].rows[7][3].text), "▲");

  const JudgementGrid& bets = v.grids[3];
  ASSERT_EQ(bets.rows.size(), 4u);
  EXPECT_EQ(bets.rows[1][0].text, " 1");
  EXPECT_EQ(bets.rows[1][0].background, colour::kLime);
  EXPECT_EQ(bets.rows[1][1].text, " 3- 7");
  EXPECT_EQ(bets.rows[1][2].text, "   12.3");
  EXPECT_EQ(bets.rows[1][1].background, colour::kRed);  // the quinella payout pair
  EXPECT_FALSE(bets.rows[1][1].tooltipBackground);
  EXPECT_EQ(bets.rows[2][2].background, colour::kFuchsia);  // a wide pair
  EXPECT_TRUE(bets.rows[3][1].tooltipBackground);
  EXPECT_EQ(bets.rows[3][2].text, "   78.9");
  EXPECT_FALSE(bets.rows[3][1].strikeThrough);
}

TEST(JudgementGrids, BracketColoursOfTheMiddleBrackets) {
  // 16 runners: two horses in each bracket, so horses 5, 7, 9 and 11 stand in
  // brackets 3 to 6.
  RaceFixture f(16);
  f.SetWin(1, {"0030"});
  f.SetWin(2, {"0030"});
  RaceView v = f.Show();
  const JudgementGrid& axis = v.grids[0];
  const std::pair<int, Colour> expected[] = {
      {3, colour::kRed}, {4, colour::kBlue}, {5, colour::kYellow}, {6, colour::kLime}};
  for (const auto& [bracket, rgb] : expected) {
    const size_t row = static_cast<size_t>(2 * bracket - 1);
    EXPECT_EQ(axis.rows[row][0].text, std::to_string(bracket));
    EXPECT_EQ(axis.rows[row][0].background, rgb);
    EXPECT_EQ(v.grids[2].rows[row][0].background, rgb);
    EXPECT_EQ(BracketColour(bracket), rgb);
  }
  EXPECT_EQ(BracketColour(2), colour::kGrey);
  EXPECT_EQ(BracketColour(7), (Colour{255, 128, 0}));
}

TEST(JudgementGrids, BetGridWithoutBetsIsTheStruckThroughRow) {
  RaceFixture f(10);
  f.SetWin(1, {"0030"});
  f.SetWin(2, {"0030"});
  RaceView v = f.Show();
  ASSERT_EQ(v.grids[3].rows.size(), 2u);
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(U8(v.grids[3].rows[1][static_cast<size_t>(c)].text), "　");
    EXPECT_TRUE(v.grids[3].rows[1][static_cast<size_t>(c)].strikeThrough);
  }
  EXPECT_EQ(v.grids[3].rows[0][0].background, colour::kSilver);
  EXPECT_EQ(v.grids[0].rows.size(), 11u);
}

}  // namespace
}  // namespace tw
