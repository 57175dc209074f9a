#include "view/race_card.h"

#include <gtest/gtest.h>

#include "feedgen/feed_records.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {
namespace {

// Every race of a generated weekend, its card read from the feed's records
// against the plan the records were built from.
TEST(RaceCard, ReadsThePlanBackFromTheRecords) {
  const FeedWeekend weekend = PlanWeekend({2024, 5, 12, 0, 0, 0}, 7, 2);
  const std::string wide = Sjis("　");
  for (const FeedRace& race : weekend.races) {
    RaceSlot slot;
    const MarketOdds final = FinalOdds(race);
    slot.race = BuildRaceRecord(race, '2', race.Date(), RaceStage::kCard);
    for (const FeedRunner& runner : race.runners)
      slot.runners[static_cast<size_t>(runner.number - 1)] =
          BuildRunnerRecord(race, runner, '2', race.Date(), RaceStage::kCard, final);
    const size_t k = race.announcements.size() / 2;
    const MarketOdds odds = AnnouncementOdds(race, k);
    slot.winOdds[2] = BuildWinOddsRecord(race, k, odds);

    const RaceCard card = MakeRaceCard(slot);
    SCOPED_TRACE(race.RaceKey());
    EXPECT_EQ(card.distance, std::to_string(race.distance) + "m");
    EXPECT_EQ(card.surface, Sjis(race.turf ? "芝" : "ダート"));
    std::string name = race.name;
    while (name.size() >= 2 && name.compare(name.size() - 2, 2, wide) == 0) name.resize(name.size() - 2);
    EXPECT_EQ(card.raceName, name);
    EXPECT_FALSE(card.raceClass.empty());
    ASSERT_EQ(card.rows.size(), race.runners.size());
    for (const FeedRunner& runner : race.runners) {
      const RaceCardRow& row = card.rows[static_cast<size_t>(runner.number - 1)];
      EXPECT_EQ(row.horse, runner.number);
      EXPECT_EQ(row.bracket, std::to_string(runner.bracket));
      EXPECT_EQ(row.name, runner.name);
      EXPECT_EQ(card.HorseNameOf(runner.number), runner.name);
      EXPECT_EQ(row.sexAge, Sjis(runner.sex == 1 ? "牡" : runner.sex == 2 ? "牝" : "セ") + std::to_string(runner.age));
      EXPECT_EQ(row.weight, Format("%.1f", runner.carried / 10.0));
      EXPECT_EQ(row.jockey, runner.jockey.substr(0, 8));
      EXPECT_EQ(row.trainer, runner.trainer.substr(0, 8));
      const int tenths = odds.win[static_cast<size_t>(runner.number)];
      EXPECT_EQ(row.winOdds, tenths > 0 ? Format("%.1f", tenths / 10.0) : Sjis("取消"));
      EXPECT_EQ(row.popularity, tenths > 0 ? std::to_string(odds.winPop[static_cast<size_t>(runner.number)]) : "");
    }
  }
}

TEST(RaceCard, ConditionsAndGaps) {
  RaceSlot slot;  // every record blank
  EXPECT_TRUE(MakeRaceCard(slot).rows.empty());
  EXPECT_EQ(MakeRaceCard(slot).ConditionsText(), "");
  RaceCard card;
  card.raceName = Sjis("青葉賞");
  card.raceClass = Sjis("３歳オープン");
  card.distance = "2400m";
  card.surface = Sjis("芝");
  EXPECT_EQ(card.ConditionsText(), Sjis("３歳オープン 2400m 芝"));
  card.raceName = card.raceClass;
  EXPECT_EQ(card.ConditionsText(), Sjis("2400m 芝"));
  EXPECT_EQ(card.HorseNameOf(3), "");
}

}  // namespace
}  // namespace tw
