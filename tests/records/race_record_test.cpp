#include "records/race_record.h"

#include <gtest/gtest.h>

#include "support/day_builder.h"
#include "text/sjis.h"

namespace tw {
namespace {

std::string RaceWithRunnerCount(const std::string& count) {
  std::string race(1270, ' ');
  test::Put(race, 882, count);
  return race;
}

TEST(RaceRecord, NamesAndPostTime) {
  std::string race(1270, ' ');
  test::Put(race, 33, Sjis("日本ダービー"));
  test::Put(race, 593, Sjis("ダービー"));
  test::Put(race, 874, "1540");
  EXPECT_EQ(RaceName(race).size(), 60u);
  EXPECT_EQ(RaceName(race).substr(0, 12), Sjis("日本ダービー"));
  EXPECT_EQ(ShortRaceName(race), Sjis("ダービー") + "    ");
  EXPECT_EQ(PostTime(race), "1540");
  EXPECT_EQ(PostHour(race), "15");
  EXPECT_EQ(PostMinute(race), "40");
}

TEST(RaceRecord, RunnerCountIsStoredAsGivenAndHeldToTheHorseSlots) {
  struct Case {
    const char* field;
    int stored;
    int slots;
  };
  const Case cases[] = {{"00", 0, 0},  {"01", 1, 1},  {"08", 8, 8}, {"18", 18, 18}, {"19", 19, 18}, {"99", 99, 18},
                        {"-1", -1, 0}, {"-9", -9, 0}, {"  ", 0, 0}, {" 7", 7, 7},   {"7 ", 7, 7},   {"ab", 0, 0}};
  for (const Case& c : cases) {
    const std::string race = RaceWithRunnerCount(c.field);
    EXPECT_EQ(RunnerCountText(race), c.field);
    EXPECT_EQ(StoredRunnerCount(race), c.stored) << c.field;
    EXPECT_EQ(RunnerSlotCount(race), c.slots) << c.field;
  }
}

TEST(RaceRecord, ShortRaceRecordHasNoRunnersAndNoPostTime) {
  const std::string race = "RA0000000002024051205020611";
  EXPECT_EQ(RunnerCountText(race), "  ");
  EXPECT_EQ(StoredRunnerCount(race), 0);
  EXPECT_EQ(RunnerSlotCount(race), 0);
  EXPECT_EQ(PostTime(race), "    ");
}

}  // namespace
}  // namespace tw
