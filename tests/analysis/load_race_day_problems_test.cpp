// What a day load tells of damaged, oversized, unreadable and missing day files.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "analysis/load_race_day_fixture.h"
#include "text/fields.h"
#include "text/files.h"

namespace tw {
namespace {

using test::LoadRaceDayTest;

TEST_F(LoadRaceDayTest, DamagedFilesLoadWithoutCrashing) {
  for (int r = 1; r <= 8; ++r) {
    int s = day.AddRace("05", r, r == 3 ? 99 : 14);  // race 3 claims 99 runners
    day.AddRunners(s);
    day.AddSampleSnapshot(s, 1, 9, 30);
    day.AddSamplePayout(s);
  }
  day.Write();

  // Short lines in the race file shift every later record.
  auto race = *LoadLines(day.RaceFilePath());
  race[2].resize(300);
  race[5].resize(10);
  ASSERT_TRUE(SaveLines(day.RaceFilePath(), race));
  // Truncated odds file, garbage in the payout and runner files.
  std::string o2 = *ReadFileBytes(day.FilePath(".jvO2"));
  ASSERT_TRUE(WriteFileAtomic(day.FilePath(".jvO2"), o2.substr(0, o2.size() / 3 + 17)));
  std::mt19937 rng(7);
  std::string garbage(50000, '\0');
  for (auto& c : garbage) c = static_cast<char>(rng());
  ASSERT_TRUE(WriteFileAtomic(day.FilePath(".jvHR"), garbage.substr(0, 5000)));
  ASSERT_TRUE(WriteFileAtomic(day.RunnerFilePath("05"), garbage.substr(0, 30000)));
  EXPECT_NO_FATAL_FAILURE(LoadDay(day.dayName()));
  EXPECT_GE(model->raceCount, 1);

  // Garbage everywhere, including the race file.
  for (int round = 0; round < 8; ++round) {
    for (const char* ext : {".jvRA", ".jvO1", ".jvO2", ".jvHR"}) {
      std::string bytes(static_cast<size_t>(rng() % 60000), '\0');
      for (auto& c : bytes) {
        unsigned v = rng() % 8;
        c = v < 3 ? ' ' : v < 6 ? static_cast<char>('0' + rng() % 10) : static_cast<char>(rng());
      }
      ASSERT_TRUE(WriteFileAtomic(day.FilePath(ext), bytes));
    }
    LoadRaceDayResult result = LoadDay(day.dayName());
    EXPECT_EQ(result.outcome, LoadOutcome::kLoaded);
    EXPECT_LE(model->raceCount, 36);
    for (const auto& slot : model->slots) {
      ASSERT_EQ(slot.race.size(), 1272u);
      ASSERT_EQ(slot.payout.size(), 719u);
      for (const auto& r : slot.runners) ASSERT_EQ(r.size(), 555u);
    }
    EXPECT_EQ(list.rows(), static_cast<int>(list.slots.size()));
  }
}

TEST_F(LoadRaceDayTest, DamagedLinesAreCountedPerFile) {
  for (int r = 1; r <= 8; ++r) {
    int slot = day.AddRace("05", r, 14);
    day.AddSampleSnapshot(slot, 1, 9, 30);
    day.AddRunners(slot);
  }
  day.Write();
  LoadRaceDayResult clean = LoadDay(day.dayName());
  EXPECT_TRUE(clean.problems.empty());

  auto race = *LoadLines(day.RaceFilePath());
  race[2].resize(300);
  ASSERT_TRUE(SaveLines(day.RaceFilePath(), race));
  std::string o1 = *ReadFileBytes(day.FilePath(".jvO1"));
  o1[962 * 4 + 100] = '\0';
  ASSERT_TRUE(WriteFileAtomic(day.FilePath(".jvO1"), o1));
  LoadRaceDayResult damaged = LoadDay(day.dayName());
  ASSERT_EQ(damaged.problems.size(), 2u);
  EXPECT_EQ(damaged.problems[0].file, day.RaceFilePath());
  EXPECT_EQ(damaged.problems[0].kind, DayFileProblem::Kind::kDamagedLines);
  EXPECT_GE(damaged.problems[0].lines, 1);
  EXPECT_EQ(damaged.problems[1].file, day.FilePath(".jvO1"));
  EXPECT_EQ(damaged.problems[1].lines, 1);
  EXPECT_EQ(SjisToUtf8(DayFileProblemText(damaged.problems[1])),
            "壊れた行があります（1行）：" + SjisToUtf8(day.FilePath(".jvO1")));
}

TEST_F(LoadRaceDayTest, ARaceNamedTwiceReadsItsRunnersTwiceAndEachRunnerFileIsToldOnce) {
  const int first = day.AddRace("05", 3, 10);
  day.AddRunners(first);
  day.AddRunners(day.AddRace("08", 1, 8));
  const int again = day.AddRace("05", 3, 10);
  day.Write();
  std::string runners = *ReadFileBytes(day.RunnerFilePath("05"));
  runners[555 * (2 * 18 + 4) + 40] = '\0';  // race 3, runner slot 4
  ASSERT_TRUE(WriteFileAtomic(day.RunnerFilePath("05"), runners));
  const LoadRaceDayResult result = LoadDay(day.dayName());

  for (int k = 0; k < kMaxRunners; ++k) {
    EXPECT_EQ(Slot(again).runners[static_cast<size_t>(k)], Slot(first).runners[static_cast<size_t>(k)]) << k;
    EXPECT_EQ(IsBlank(Slot(first).runners[static_cast<size_t>(k)]), k >= 10) << k;
  }
  EXPECT_EQ(Slot(first).runners[4], runners.substr(555 * (2 * 18 + 4), 555));
  ASSERT_EQ(result.problems.size(), 1u);
  EXPECT_EQ(result.problems[0].file, day.RunnerFilePath("05"));
  EXPECT_EQ(result.problems[0].lines, 1);
}

TEST_F(LoadRaceDayTest, HostileRaceFilesNeverMakeLargeOddsFiles) {
  ASSERT_TRUE(WriteFileAtomic(day.RaceFilePath(), std::string(20000, '\n')));
  LoadRaceDayResult result = LoadDay(day.dayName());
  EXPECT_EQ(result.outcome, LoadOutcome::kLoaded);
  EXPECT_LE(model->raceCount, 36);
  EXPECT_EQ(std::filesystem::file_size(ToFsPath(day.FilePath(".jvO2"))), 108u * 2042u);
  ASSERT_FALSE(result.problems.empty());
  EXPECT_EQ(result.problems[0].kind, DayFileProblem::Kind::kDamagedLines);

  std::filesystem::remove(ToFsPath(day.FilePath(".jvO1")));
  std::filesystem::remove(ToFsPath(day.FilePath(".jvO2")));
  ASSERT_TRUE(WriteFileAtomic(day.RaceFilePath(), std::string(1 << 20, '\n')));
  result = LoadDay(day.dayName());
  EXPECT_EQ(result.outcome, LoadOutcome::kRaceFileUnreadable);
  ASSERT_EQ(result.problems.size(), 1u);
  EXPECT_EQ(result.problems[0].kind, DayFileProblem::Kind::kTooLarge);
  EXPECT_FALSE(FileExists(day.FilePath(".jvO1")));
}

TEST_F(LoadRaceDayTest, OddsFilesThatCannotBeCreatedAreTold) {
  for (int r = 1; r <= 8; ++r) day.AddRace("05", r, 14);
  day.Write();
  std::filesystem::create_directories(ToFsPath(day.FilePath(".jvO1")) / "x");  // the name is taken
  std::filesystem::remove(ToFsPath(day.FilePath(".jvO2")));
  LoadRaceDayResult result = LoadDay(day.dayName());
  EXPECT_EQ(result.outcome, LoadOutcome::kLoaded);
  bool told = false;
  for (const auto& problem : result.problems) {
    // The folder that has its name is no file to read nor to create.
    if (problem.kind == DayFileProblem::Kind::kNotRegular && problem.file == day.FilePath(".jvO1")) told = true;
  }
  EXPECT_TRUE(told);
  EXPECT_TRUE(FileExists(day.FilePath(".jvO2")));
}

TEST_F(LoadRaceDayTest, RaceFileThatCannotBeReadEndsTheLoad) {
  std::filesystem::create_directories(ToFsPath(day.RaceFilePath()) / "x");
  LoadRaceDayResult result = LoadDay(day.dayName());
  EXPECT_NE(result.outcome, LoadOutcome::kLoaded);
  EXPECT_EQ(model->raceCount, 0);
}

TEST_F(LoadRaceDayTest, ADayFileIsReadUpToTwiceItsLayout) {
  // 36 payout lines of 717 bytes and CR LF, twice over: read; a byte more: refused.
  const size_t twice = 2 * 36 * (717 + 2);
  day.AddRace("05", 1, 10);
  day.Write();
  for (size_t size : {twice, twice + 1}) {
    ASSERT_TRUE(WriteFileAtomic(day.FilePath(".jvHR"), std::string(size, ' ')));
    bool refused = false;
    for (const auto& p : LoadDay(day.dayName()).problems) refused |= p.kind == DayFileProblem::Kind::kTooLarge;
    EXPECT_EQ(refused, size > twice) << size;
  }
}

}  // namespace
}  // namespace tw
