// The race view of a day loaded and analysed from its files: the view agrees
// with the odds it shows, with the analysis and with itself.
#include <gtest/gtest.h>

#include <memory>

#include "analysis/load_race_day.h"
#include "codes/pairs.h"
#include "support/day_builder.h"
#include "support/temp_dir.h"
#include "text/fields.h"
#include "text/sjis.h"
#include "view/race_view.h"

namespace tw {
namespace {

class RaceViewDayTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  test::DayBuilder day{dir.str()};
  std::unique_ptr<RaceDayModel> model = std::make_unique<RaceDayModel>();
  RaceList list;

  void Load() {
    day.Write();
    LoadDay(day.dayName());
  }
  // A past day with the default result interval.
  void LoadDay(const std::string& dayName) { LoadRaceDay(*model, list, dir.str(), dayName, 15, ""); }
};

TEST_F(RaceViewDayTest, ThreeSnapshotRaceIsConsistent) {
  const int slot = day.AddRace("05", 11, 16, "1545");
  day.AddRunners(slot);
  for (int s = 1; s <= 3; ++s) day.AddSampleSnapshot(slot, s, 9 + s, 15);
  day.AddSamplePayout(slot);
  Load();
  const RaceView v = ShowRace(*model, slot);
  const RaceAnalysis& a = model->slots[0].analysis;
  ASSERT_EQ(a.snapshotCount, 3);
  EXPECT_EQ(SjisToUtf8(v.header.fetchCount), "３回");
  EXPECT_EQ(SjisToUtf8(v.winTimes[2]), "11時15分");
  // The favourite of each snapshot has the lowest odds shown in its column.
  for (int s = 1; s <= 3; ++s) {
    const int favourite = a.winPopularityOrder[1][static_cast<size_t>(s)];
    ASSERT_GT(favourite, 0);
    EXPECT_EQ(v.popularityOdds[1][static_cast<size_t>(s)].text,
              v.winOdds[static_cast<size_t>(favourite)][static_cast<size_t>(s)].text);
  }
  // The bet grid prices every bet from the table of the latest snapshot.
  const PairOddsTable latest = QuinellaOddsTable(model->slots[0], 3);
  EXPECT_EQ(v.quinellaTable.fields[1].text, latest.fields[1].text);
  const JudgementGrid& bets = v.grids[3];
  ASSERT_GE(bets.rows.size(), 2u);
  for (size_t r = 1; r < bets.rows.size(); ++r) {
    const std::string& label = bets.rows[r][1].text;
    if (label == Sjis("　")) continue;
    const int j = QuinellaPairIndex(label);
    ASSERT_GT(j, 0) << label;
    EXPECT_EQ(Trim(bets.rows[r][2].text), Trim(latest.fields[static_cast<size_t>(j)].text));
  }
  // The quinella payout pair of the header is the sample payout's 1-2.
  EXPECT_EQ(v.header.result1, " 1- 2");
  EXPECT_EQ(v.results.wide[0].result, " 1- 2");
  // Every chart series of the shown race has a bar per horse with a share.
  for (int s = 1; s <= 3; ++s) EXPECT_EQ(v.charts.winShare.series[static_cast<size_t>(s - 1)].points.size(), 16u);
  EXPECT_EQ(v.snapshotChart.series[0].points.size(), 16u);
  EXPECT_EQ(v.charts.winChange.series[0].points.size(), 16u);
  EXPECT_TRUE(v.changeTabsVisible);
  // The judgement grids hold one row per runner under the headings.
  EXPECT_EQ(v.grids[0].rows.size(), 17u);
  EXPECT_EQ(v.grids[2].rows[16][0].text, std::to_string(BracketOfHorse(16, 16)));
}

TEST_F(RaceViewDayTest, EightRunnersBefore2005UseTheBracketTable) {
  test::DayBuilder old{dir.str(), 2004, 7, 3};
  const int slot = old.AddRace("05", 3, 8, "1100");
  old.AddSampleSnapshot(slot, 1, 9, 30);
  old.AddSampleSnapshot(slot, 2, 10, 30);
  old.Write();
  LoadDay(old.dayName());
  const RaceView v = ShowRace(*model, slot);
  EXPECT_EQ(v.pairKind, PairKind::kBracket);
  EXPECT_TRUE(v.bracketTabVisible);
  EXPECT_FALSE(v.quinellaTabVisible);
  EXPECT_EQ(v.bracketButtons.pressed, 2);
  EXPECT_EQ(v.bracketTable.fields[2].text, BracketOddsTable(model->slots[0], 2).fields[2].text);
  EXPECT_FALSE(v.bracketPopularity[2].empty());
  EXPECT_EQ(v.shortQuinella, Sjis("0個"));  // counted in quinella mode only
}

}  // namespace
}  // namespace tw
