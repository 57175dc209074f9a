#include "season/ticket_figures.h"

#include <gtest/gtest.h>

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
