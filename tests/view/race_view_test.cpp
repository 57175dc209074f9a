// The race view as data: formats, colours, button states, popularity lists
// and the tabs of one race.
#include "view/race_view.h"

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

TEST(RaceViewTest, WinOddsFormatsAndColourBoundaries) {
  RaceFixture f(6);
  f.SetWin(1, {"0100", "0101", "0985", "1000", "----", "0000"});
  f.a().winPopularityOrder[1][1] = 1;
  f.a().winPopularityOrder[2][1] = 4;
  RaceView v = f.Show();
  EXPECT_EQ(v.winOdds[1][1].text, "  10.0");
  EXPECT_EQ(v.winOdds[1][1].colour, colour::kYellow);
  EXPECT_EQ(v.winOdds[2][1].colour, colour::kAqua);
  EXPECT_EQ(v.winOdds[3][1].text, "  98.5");
  EXPECT_EQ(v.winOdds[3][1].colour, colour::kLime);
  EXPECT_EQ(v.winOdds[4][1].text, " 100.0");
  EXPECT_EQ(v.winOdds[4][1].colour, colour::kFuchsia);
  EXPECT_EQ(U8(v.winOdds[5][1].text), "取消");
  EXPECT_FALSE(v.winOdds[5][1].colour.has_value());
  EXPECT_EQ(v.winOdds[6][1].text, "");
  EXPECT_EQ(v.winOdds[1][2].text, "");  // snapshot 2 missing
  // By popularity: the horse "%2d" and its odds, coloured the same way.
  EXPECT_EQ(v.popularityHorse[1][1], " 1");
  EXPECT_EQ(v.popularityHorse[2][1], " 4");
  EXPECT_EQ(v.popularityOdds[2][1].text, " 100.0");
  EXPECT_EQ(v.popularityOdds[2][1].colour, colour::kFuchsia);
  EXPECT_EQ(v.popularityHorse[3][1], "");
}

TEST(RaceViewTest, SharesDifferencesAndChangesFormatted) {
  RaceFixture f(3);
  f.SetWin(1, {"0123", "----", "0050"});
  f.SetWin(2, {"0123", "----", "0050"});
  f.a().winShare[1][1] = 738.0 / 122.0;
  f.a().quinellaShare[1][1] = 3.1;
  f.a().shareGap[1][1] = 6.0492 - 3.1;
  f.a().winShare[2][1] = 5.0;  // a scratched horse shows "取消" whatever the model holds
  f.a().winShareChange[1] = 2.4;
  f.a().maxShareGap[1] = 0.0;
  f.a().firstWinRank[1] = 2;
  RaceView v = f.Show();
  EXPECT_EQ(v.winShare[1][1], "  6.05");
  EXPECT_EQ(v.quinellaShare[1][1], "  3.10");
  EXPECT_EQ(v.shareGap[1][1], "  2.95");
  EXPECT_EQ(v.shareGap[3][1], "");       // kNoValue
  EXPECT_EQ(v.quinellaShare[3][1], "");  // 0
  EXPECT_EQ(U8(v.winShare[2][1]), "取消");
  EXPECT_EQ(U8(v.quinellaShare[2][2]), "取消");
  EXPECT_EQ(U8(v.shareGap[2][1]), "取消");
  EXPECT_EQ(v.shareFigures.winShare[1][1], 6.05);  // the figures the charts show
  EXPECT_FALSE(v.shareFigures.winShare[2][1]);
  EXPECT_FALSE(v.shareFigures.shareGap[3][1]);
  EXPECT_EQ(v.winShareChange[1], "  2.40");
  EXPECT_EQ(v.winShareChange[2], "");
  EXPECT_EQ(v.maxShareGap[1], "  0.00");
  EXPECT_EQ(v.firstWinRank[1], " 2");
  EXPECT_EQ(v.firstWinRank[2], "");
}

TEST(RaceViewTest, TwoWinAndThreeQuinellaSnapshots) {
  RaceFixture f(10);
  f.SetWin(1, {"0030"});
  f.SetWin(2, {"0030"});
  for (int s = 1; s <= 3; ++s) f.SetQuinella(s);
  f.a().shortQuinellaCount = {0, 5, 7, 9};
  f.a().winSnapshotTimes[1] = Sjis("10時31分");
  f.a().quinellaSnapshotTimes[3] = Sjis("10時33分");
  RaceView v = f.Show();
  EXPECT_EQ(U8(v.header.fetchCount), "２回");
  EXPECT_TRUE(v.bracketButtons.enabled[2]);
  EXPECT_FALSE(v.bracketButtons.enabled[3]);
  EXPECT_EQ(v.bracketButtons.pressed, 2);
  EXPECT_FALSE(v.chartButtons.enabled[3]);
  EXPECT_EQ(v.chartButtons.pressed, 2);
  EXPECT_TRUE(v.quinellaButtons.enabled[3]);
  EXPECT_EQ(v.quinellaButtons.pressed, 3);
  EXPECT_EQ(U8(v.shortQuinella), "7個");
  EXPECT_TRUE(v.changeTabsVisible);
  EXPECT_TRUE(v.quinellaTabVisible);
  EXPECT_FALSE(v.bracketTabVisible);
  EXPECT_EQ(U8(v.winTimes[1]), "10時31分");
  EXPECT_EQ(U8(v.quinellaTimes[3]), "10時33分");
  EXPECT_EQ(v.quinellaTable.snapshot, 3);
  EXPECT_EQ(U8(v.quinellaTable.time), "10時33分");
  EXPECT_EQ(v.bracketTable.snapshot, 2);
}

TEST(RaceViewTest, MissingQuinellaSnapshotsDisableChartButtonsInQuinellaMode) {
  RaceFixture f(10);
  for (int s = 1; s <= 3; ++s) f.SetWin(s, {"0030"});
  f.SetQuinella(1);
  RaceView v = f.Show();
  EXPECT_EQ(U8(v.header.fetchCount), "３回");
  EXPECT_EQ(v.bracketButtons.pressed, 3);
  EXPECT_EQ(v.quinellaButtons.pressed, 1);
  EXPECT_EQ(v.chartButtons.pressed, 1);
  EXPECT_FALSE(v.changeTabsVisible);
}

TEST(RaceViewTest, RaceWithoutOddsShowsHeaderEmptyTablesAndResults) {
  RaceFixture f(12);
  std::string hr = test::PayoutLine(f.key);
  Put(hr, 103,
      "05000000450"
      "02");
  f.slot().payout = hr + "\r\n";
  RaceView v = f.Show();
  EXPECT_EQ(U8(v.header.dateLine), "2024年05月12日東京02回06日");
  EXPECT_EQ(v.header.raceLine, "11R");
  EXPECT_EQ(U8(v.header.fieldLine), "12頭");
  EXPECT_EQ(U8(v.header.postLine), "15時45分発走");
  EXPECT_EQ(v.header.fetchCount, "");
  for (int k = 1; k <= 3; ++k) {
    EXPECT_FALSE(v.bracketButtons.enabled[static_cast<size_t>(k)]);
    EXPECT_FALSE(v.chartButtons.enabled[static_cast<size_t>(k)]);
    EXPECT_FALSE(v.quinellaButtons.enabled[static_cast<size_t>(k)]);
  }
  EXPECT_EQ(v.chartButtons.pressed, 0);
  EXPECT_EQ(v.shortQuinella, "");
  EXPECT_EQ(v.winOdds[1][1].text, "");
  EXPECT_TRUE(v.bracketPopularity[1].empty());
  ASSERT_EQ(v.quinellaTable.fields.size(), 154u);
  EXPECT_EQ(v.quinellaTable.fields[1].text, "");
  EXPECT_TRUE(v.snapshotChart.series[0].points.empty());
  EXPECT_EQ(v.results.win[0].result, " 5");
  EXPECT_EQ(v.results.win[0].payout, "     450");
  EXPECT_EQ(v.results.win[0].popularity, " 2");
  EXPECT_EQ(v.results.win[1].result, "");
  // With one snapshot the bet grid is the struck-through empty row.
  f.SetWin(1, {"0030"});
  v = f.Show();
  EXPECT_EQ(U8(v.header.fetchCount), "１回");
  ASSERT_EQ(v.grids[3].rows.size(), 2u);
  EXPECT_EQ(v.grids[3].rows[1][0].text, "");
  EXPECT_EQ(U8(v.grids[3].rows[1][1].text), "　");
  EXPECT_TRUE(v.grids[3].rows[1][1].strikeThrough);
  EXPECT_FALSE(v.grids[3].rows[1][0].strikeThrough);
}

TEST(RaceViewTest, ShowRaceSetsTheRaceOnView) {
  RaceFixture f(10);
  f.SetWin(1, {"0030"});
  f.SetWin(3, {"0030"});
  f.model.slots[4] = f.model.slots[0];
  RaceView v = ShowRace(f.model, 4);
  EXPECT_EQ(f.model.selectedRace, 4);
  EXPECT_EQ(f.model.rememberedRace, 4);
  // Snapshot 2 is blank: its buttons are off even though snapshot 3 exists.
  EXPECT_EQ(v.bracketButtons.pressed, 1);
  EXPECT_EQ(U8(v.header.fetchCount), "１回");
}

TEST(RaceViewTest, BracketModeHeaderPairAndTabs) {
  RaceFixture f(8, 2004);
  f.SetWin(1, {"0030"});
  std::string hr = test::PayoutLine(f.key);
  Put(hr, 207,
      "37000001230"
      "04");
  Put(hr, 220,
      "12000004560"
      "09");
  test::SetQuinellaPayout(hr, 1, 1, 2, 999);
  f.slot().payout = hr + "\r\n";
  RaceView v = f.Show();
  EXPECT_EQ(v.pairKind, PairKind::kBracket);
  EXPECT_TRUE(v.bracketTabVisible);
  EXPECT_FALSE(v.quinellaTabVisible);
  EXPECT_EQ(v.header.result1, " 3- 7");
  EXPECT_EQ(v.header.payout1, "     1230");
  EXPECT_EQ(v.header.result2, " 1- 2");
  EXPECT_EQ(v.header.payout2, "     4560");
  EXPECT_EQ(v.results.bracket[0].result, " 3- 7");
  EXPECT_EQ(v.results.bracket[0].popularity, " 4");
  EXPECT_EQ(v.results.quinella[0].result, " 1- 2");
  EXPECT_EQ(v.results.quinella[0].popularity, "  1");
  // Quinella mode on the same record reads the quinella payouts.
  RaceFixture q(10);
  q.slot().payout = hr + "\r\n";
  EXPECT_EQ(q.Show().header.result1, " 1- 2");
  EXPECT_EQ(q.Show().header.payout1, "      999");
}

TEST(RaceViewTest, PopularityListsCheapestFirst) {
  RaceFixture f(10);
  std::vector<std::string> bracket(36, "     ");
  bracket[1] = "00056";  //  1- 2
  bracket[0] = "00120";  //  1- 1
  bracket[2] = "-----";  //  1- 3 not sold
  bracket[3] = "00056";  //  1- 4, same odds: label order
  f.SetWin(1, {"0030"}, bracket);
  std::vector<std::string> pairs(153, "      ");
  pairs[0] = "001234";
  pairs[152] = "000095";
  f.SetQuinella(1, pairs);
  RaceView v = f.Show();
  ASSERT_EQ(v.bracketPopularity[1].size(), 3u);
  EXPECT_EQ(U8(v.bracketPopularity[1][0]), " 1位  1- 2     5.6");
  EXPECT_EQ(U8(v.bracketPopularity[1][1]), " 2位  1- 4     5.6");
  EXPECT_EQ(U8(v.bracketPopularity[1][2]), " 3位  1- 1    12.0");
  ASSERT_EQ(v.quinellaPopularity[1].size(), 2u);
  EXPECT_EQ(U8(v.quinellaPopularity[1][0]), "  1位 17-18      9.5");
  EXPECT_EQ(U8(v.quinellaPopularity[1][1]), "  2位  1- 2    123.4");
  EXPECT_TRUE(v.quinellaPopularity[2].empty());
}

TEST(RaceViewTest, AppendixRanksRedWhenTheHorseClimbed) {
  RaceFixture f(4);
  f.SetWin(1, {"0030"});
  f.SetWin(2, {"0030"});
  f.a().firstWinRank = {0, 8, 8, 0, 8};
  f.a().winChangeRank = {0, 5, 6, 1, 0};
  f.a().quinellaChangeRank = {0, 4, 5, 2, 0};
  f.a().driftMark[2] = Sjis("○");
  RaceView v = f.Show();
  EXPECT_EQ(v.winChangeRank[1].text, " 5");
  EXPECT_EQ(v.winChangeRank[1].colour, colour::kRed);
  EXPECT_EQ(v.winChangeRank[2].colour, colour::kBlue);
  EXPECT_EQ(v.quinellaChangeRank[1].colour, colour::kRed);
  EXPECT_EQ(v.quinellaChangeRank[2].colour, colour::kBlue);
  EXPECT_EQ(v.winChangeRank[3].text, " 1");
  EXPECT_FALSE(v.winChangeRank[3].colour.has_value());  // no first rank
  EXPECT_EQ(v.winChangeRank[4].text, "");
  EXPECT_EQ(U8(v.driftMark[2]), "○");
}

}  // namespace
}  // namespace tw
