#include "season/ticket_figures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tw {
namespace {

SeasonRace Race(const std::string& date, int number) {
  SeasonRace race;
  race.date = date;
  race.courseCode = "05";
  race.raceNumber = number;
  return race;
}

PaidBet Paid(const std::string& bet, long long yen) { return PaidBet{bet, PaidBetType::kQuinella, 1, yen}; }

TEST(TicketFigures, LosingRunsCountRacesWithTicketsOnly) {
  TicketFigures f;
  f.AddRace(Race("20240511", 1), 3, {});
  f.AddRace(Race("20240511", 2), 0, {Paid(" 1- 2", 999)});  // no tickets: changes nothing
  f.AddRace(Race("20240511", 3), 2, {});
  f.AddRace(Race("20240511", 4), 4, {Paid(" 1- 2", 500)});
  f.AddRace(Race("20240512", 1), 1, {});
  EXPECT_EQ(f.tickets(), 10);
  EXPECT_EQ(f.stake(), 1000);
  EXPECT_EQ(f.returned(), 500);
  EXPECT_EQ(f.hits(), 1);
  EXPECT_EQ(f.hitRaces(), 1);
  EXPECT_EQ(f.longestLosingRun(), 2);
  ASSERT_TRUE(f.ReturnRate());
  EXPECT_DOUBLE_EQ(*f.ReturnRate(), 50.0);
  EXPECT_DOUBLE_EQ(*f.HitRate(), 25.0);  // 1 of the 4 races with tickets
  // Day totals -400, -500: the fall starts at the season's 0.
  const DrawdownSpan fall = f.LargestDrawdown();
  EXPECT_EQ(fall.yen, 500);
  EXPECT_EQ(fall.from, "20240511");
  EXPECT_EQ(fall.to, "20240512");
}

TEST(TicketFigures, DrawdownIsTheLargestFallFromAPeakAtDayEnds) {
  TicketFigures f;
  const struct {
    const char* date;
    long long yen;  // one ticket a race
  } races[] = {{"20240504", 900},  {"20240504", 0},    {"20240505", 0}, {"20240505", 0}, {"20240511", 0},
               {"20240511", 1000}, {"20240512", 0},    {"20240518", 0}, {"20240518", 0}, {"20240519", 0},
               {"20240519", 0},    {"20240525", 2000}, {"20240526", 0}};
  for (const auto& race : races)
    f.AddRace(Race(race.date, 1), 1, race.yen ? std::vector{Paid(" 1- 2", race.yen)} : std::vector<PaidBet>{});
  // Day totals 700, 500, 1300, 1200, 1000, 800, 2700, 2600: the largest
  // fall is 1300 -> 800, from the 12th to the 19th.
  const DrawdownSpan fall = f.LargestDrawdown();
  EXPECT_EQ(fall.yen, 500);
  EXPECT_EQ(fall.from, "20240512");
  EXPECT_EQ(fall.to, "20240519");
  EXPECT_EQ(TicketFigures().LargestDrawdown().from, "");
}

TEST(TicketFigures, ReturnRateRangeIsReproducibleAndNarrowsWithMoreRaces) {
  auto figures = [](int races) {
    TicketFigures f;
    for (int k = 0; k < races; ++k)
      f.AddRace(Race("20240511", 1), 2, k % 4 == 0 ? std::vector{Paid(" 1- 2", 600)} : std::vector<PaidBet>{});
    return f;
  };
  // The last is past the groups the races are drawn in.
  const TicketFigures few = figures(40), many = figures(400), season = figures(6000);
  ASSERT_TRUE(few.ReturnRateRange() && many.ReturnRateRange() && season.ReturnRateRange());
  EXPECT_EQ(few.ReturnRateRange()->low, figures(40).ReturnRateRange()->low);
  auto width = [](const TicketFigures& f) { return f.ReturnRateRange()->high - f.ReturnRateRange()->low; };
  for (const TicketFigures* f : {&few, &many, &season}) {
    EXPECT_LT(f->ReturnRateRange()->low, *f->ReturnRate());
    EXPECT_GT(f->ReturnRateRange()->high, *f->ReturnRate());
  }
  EXPECT_LT(width(many), width(few));
  // Against the normal approximation: 600 yen on one race in four, on 200
  // yen a race, gives a standard error of 600 * sqrt(0.25 * 0.75 / n) / 200.
  EXPECT_NEAR(width(many), 2 * 1.96 * 100 * 600 * std::sqrt(0.1875 / 400) / 200, 1.5);
  EXPECT_NEAR(width(season), 2 * 1.96 * 100 * 600 * std::sqrt(0.1875 / 6000) / 200, 0.4);
  EXPECT_FALSE(TicketFigures().ReturnRateRange());
}

TEST(TicketFigures, BiggestHitIsTheFirstOfTheLargestEntries) {
  TicketFigures f;
  EXPECT_FALSE(f.biggestHit());
  EXPECT_FALSE(f.ReturnRate());
  f.AddRace(Race("20240511", 1), 2, {Paid(" 1- 2", 700), Paid(" 1- 3", 1500)});
  f.AddRace(Race("20240512", 9), 2, {Paid(" 4- 5", 1500)});
  ASSERT_TRUE(f.biggestHit());
  EXPECT_EQ(f.biggestHit()->yen, 1500);
  EXPECT_EQ(f.biggestHit()->date, "20240511");
  EXPECT_EQ(f.biggestHit()->raceNumber, 1);
  EXPECT_EQ(f.biggestHit()->bet, " 1- 3");
  // A dead heat in one race: two hits, one hit race, the sum returned.
  EXPECT_EQ(f.hits(), 3);
  EXPECT_EQ(f.hitRaces(), 2);
  EXPECT_EQ(f.returned(), 3700);
  EXPECT_EQ(f.longestLosingRun(), 0);
}

}  // namespace
}  // namespace tw
