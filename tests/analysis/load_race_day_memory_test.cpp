// The day load on files kept in memory (as the fuzz targets load) reads and
// creates what it reads and creates on disk.
#include <gtest/gtest.h>

#include "analysis/load_race_day_fixture.h"
#include "text/files.h"
#include "text/memory_files.h"

namespace tw {
namespace {

using test::LoadRaceDayTest;

TEST_F(LoadRaceDayTest, InMemoryLoadsAndCreatesTheSameAsOnDisk) {
  for (int race = 1; race <= 8; ++race) day.AddRunners(day.AddRace("05", race, 10 + race));
  day.AddSamplePayout(2);
  day.Write();
  ScopedMemoryFiles::Files files;
  for (const std::string& name : ListFolder(dir.str(), "*")) {
    files[JoinPath(dir.str(), name)] = ReadFileBytes(JoinPath(dir.str(), name)).value();
  }
  const LoadRaceDayResult onDisk = Load();
  const RaceDayModel diskModel = *model;
  const std::vector<std::string> diskEntries = list.entries;
  const std::string diskWinOdds = ReadFileBytes(day.FilePath(".jvO1")).value_or("none");
  const std::string diskQuinellaOdds = ReadFileBytes(day.FilePath(".jvO2")).value_or("none");

  ScopedMemoryFiles memory;
  memory.files() = files;
  const LoadRaceDayResult inMemory = LoadDay(day.dayName());

  EXPECT_EQ(inMemory.outcome, onDisk.outcome);
  EXPECT_EQ(inMemory.problems.size(), onDisk.problems.size());
  EXPECT_EQ(list.entries, diskEntries);
  for (size_t i = 0; i < model->slots.size(); ++i) {
    const RaceSlot& a = model->slots[i];
    const RaceSlot& b = diskModel.slots[i];
    EXPECT_EQ(a.race, b.race);
    EXPECT_EQ(a.runners, b.runners);
    EXPECT_EQ(a.payout, b.payout);
    EXPECT_EQ(a.winOdds, b.winOdds);
    EXPECT_EQ(a.quinellaOdds, b.quinellaOdds);
  }
  // The odds files the disk load created, with the same bytes.
  ASSERT_NE(memory.Find(day.FilePath(".jvO1")), nullptr);
  ASSERT_NE(memory.Find(day.FilePath(".jvO2")), nullptr);
  EXPECT_EQ(*memory.Find(day.FilePath(".jvO1")), diskWinOdds);
  EXPECT_EQ(*memory.Find(day.FilePath(".jvO2")), diskQuinellaOdds);
}

}  // namespace
}  // namespace tw
