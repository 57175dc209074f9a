#include "analysis/load_race_day.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>

#include "analysis/load_race_day_fixture.h"
#include "base/clock.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {
namespace {

using test::DayBuilder;
using test::LoadRaceDayTest;

TEST_F(LoadRaceDayTest, BlankLinesFirstTakeNoSlotAndOddsFollowTheSlotIndex) {
  day.AddBlankRaceLines(3);
  int a = day.AddRace("05", 1, 10, "1000");
  int b = day.AddRace("05", 2, 12, "1030");
  ASSERT_EQ(a, 0);
  ASSERT_EQ(b, 1);
  day.AddSampleSnapshot(b, 1, 9, 30);  // lines 3..5, not the race's file line 4
  Load();

  EXPECT_EQ(model->raceCount, 2);
  EXPECT_TRUE(Slot(0).analysis.present);
  EXPECT_TRUE(Slot(1).analysis.present);
  EXPECT_FALSE(Slot(2).analysis.present);
  EXPECT_EQ(Field(Slot(0).race, 26, 2), "01");
  EXPECT_EQ(Field(Slot(1).race, 26, 2), "02");
  EXPECT_EQ(Slot(1).analysis.snapshotCount, 1);
  EXPECT_EQ(Slot(0).analysis.snapshotCount, 0);
  EXPECT_EQ(SjisToUtf8(Slot(1).analysis.winSnapshotTimes[1]), "09時30分");
  EXPECT_EQ(SjisToUtf8(Slot(1).analysis.quinellaSnapshotTimes[1]), "09時30分");
  ASSERT_EQ(list.rows(), 2);
  EXPECT_EQ(Entry(0), "東京   2回  6日 1R");
  EXPECT_EQ(list.SlotOfRow(1), 1);
}

TEST_F(LoadRaceDayTest, SnapshotOfAnotherRaceIsNotLoaded) {
  int a = day.AddRace("05", 1, 10);
  int b = day.AddRace("05", 2, 10);
  day.AddRace("06", 2, 10);
  // Slot a's snapshot 1 belongs to race 2; slot b's to the same race number at another course.
  day.SetWinOdds(a, 1, test::WinOddsLine(day.Key("05", 2), "05120930", test::SampleWinOdds(10, 1)));
  day.SetWinOdds(a, 2, test::WinOddsLine(day.Key("05", 1), "05121030", test::SampleWinOdds(10, 2)));
  day.SetWinOdds(b, 1, test::WinOddsLine(day.Key("06", 2), "05120930", test::SampleWinOdds(10, 1)));
  day.SetQuinellaOdds(b, 1, test::QuinellaOddsLine(day.Key("06", 2), "05120930", test::SampleQuinellaOdds(10, 1)));
  // The race date is not compared: another day's race 2 at course 05 matches.
  day.SetWinOdds(b, 2,
                 test::WinOddsLine("20230101" + day.Key("05", 2).substr(8), "05121000", test::SampleWinOdds(10, 1)));
  Load();

  EXPECT_TRUE(IsBlank(Slot(a).winOdds[1]));
  EXPECT_FALSE(IsBlank(Slot(a).winOdds[2]));
  EXPECT_EQ(Slot(a).analysis.snapshotCount, 2);
  EXPECT_TRUE(Slot(a).analysis.winSnapshotTimes[1].empty());
  EXPECT_TRUE(IsBlank(Slot(b).winOdds[1]));
  EXPECT_TRUE(IsBlank(Slot(b).quinellaOdds[1]));
  EXPECT_FALSE(IsBlank(Slot(b).winOdds[2]));
  EXPECT_EQ(Slot(a).winOdds[2].size(), 962u);
  EXPECT_EQ(Slot(a).winOdds[2].substr(960), "\r\n");
}

TEST_F(LoadRaceDayTest, ReloadLeavesNothingOfTheDayBefore) {
  // A full day first: every text of the model is written.
  for (int r = 1; r <= 12; ++r) {
    for (const char* course : {"05", "08", "09"}) {
      const int slot = day.AddRace(course, r, 18);
      day.AddRunners(slot);
      for (int s = 1; s <= 3; ++s) day.AddSampleSnapshot(slot, s, 9 + s, 0);
      day.AddSamplePayout(slot);
    }
  }
  Load();
  ASSERT_EQ(model->raceCount, 36);

  // Then a small day in the same model: two races, a line of no race
  // between them, fewer runners, fewer snapshots, no payouts.
  test::TempDir otherDir;
  DayBuilder other(otherDir.str(), 2024, 5, 13);
  const int first = other.AddRace("05", 1, 8);
  other.AddRunners(first);
  other.AddSampleSnapshot(first, 1, 9, 30);
  other.AddBlankRaceLines(1);
  const int second = other.AddRace("05", 2, 10);
  other.AddRunners(second);
  other.AddSampleSnapshot(second, 2, 11, 0);
  other.Write();
  LoadRaceDay(*model, list, otherDir.str(), other.dayName(), 15, "");

  auto fresh = std::make_unique<RaceDayModel>();
  RaceList freshList;
  LoadRaceDay(*fresh, freshList, otherDir.str(), other.dayName(), 15, "");
  ASSERT_EQ(model->raceCount, 2);
  for (int i = 0; i < kMaxRaces; ++i) {
    const RaceSlot& reused = Slot(i);
    const RaceSlot& clean = fresh->slots[static_cast<size_t>(i)];
    EXPECT_EQ(reused.race, clean.race) << i;
    EXPECT_EQ(reused.runners, clean.runners) << i;
    EXPECT_EQ(reused.payout, clean.payout) << i;
    EXPECT_EQ(reused.winOdds, clean.winOdds) << i;
    EXPECT_EQ(reused.quinellaOdds, clean.quinellaOdds) << i;
    EXPECT_EQ(reused.analysis.betLabels, clean.analysis.betLabels) << i;
    EXPECT_EQ(reused.analysis.hasPayout, clean.analysis.hasPayout) << i;
  }
  EXPECT_TRUE(IsBlank(Slot(0).runners[8]));
  EXPECT_EQ(Slot(0).runners[8].size(), 555u);
  EXPECT_TRUE(IsBlank(Slot(0).winOdds[2]));
  EXPECT_TRUE(IsBlank(Slot(1).winOdds[1]));
  EXPECT_FALSE(IsBlank(Slot(1).winOdds[2]));
  EXPECT_TRUE(IsBlank(Slot(2).race));
  EXPECT_TRUE(IsBlank(Slot(35).quinellaOdds[3]));
  EXPECT_EQ(Slot(35).quinellaOdds[3].size(), 2042u);
  EXPECT_TRUE(IsBlank(Slot(0).payout));
  EXPECT_FALSE(Slot(0).analysis.hasPayout);
}

TEST_F(LoadRaceDayTest, ThirdSnapshotCountsEvenWhenTheSecondIsMissing) {
  int a = day.AddRace("05", 7, 16);
  day.AddSampleSnapshot(a, 1, 10, 15);
  day.AddSampleSnapshot(a, 3, 14, 50);
  Load();
  EXPECT_EQ(Slot(a).analysis.snapshotCount, 3);
  EXPECT_EQ(SjisToUtf8(Slot(a).analysis.winSnapshotTimes[3]), "14時50分");
  EXPECT_TRUE(Slot(a).analysis.winSnapshotTimes[2].empty());
}

TEST_F(LoadRaceDayTest, TwentyFourRacesAndTwelveBlankLines) {
  for (int r = 1; r <= 12; ++r) day.AddRace("05", r, 16);
  for (int r = 1; r <= 12; ++r) day.AddRace("08", r, 16);
  day.AddBlankRaceLines(12);
  for (int i = 0; i < 24; ++i) day.AddRunners(i);
  Load();

  EXPECT_EQ(model->raceCount, 24);
  EXPECT_EQ(list.rows(), 24);
  EXPECT_EQ(Entry(12), "京都   2回  6日 1R");
  for (int i = 24; i < 36; ++i) {
    EXPECT_FALSE(Slot(i).analysis.present) << i;
    EXPECT_TRUE(IsBlank(Slot(i).race)) << i;
    EXPECT_EQ(Slot(i).race.size(), 1272u);
  }
  // Runners come from their course's file, race line (race - 1) x 18 + k.
  EXPECT_EQ(Field(Slot(13).runners[4], 20, 2), "08");
  EXPECT_EQ(Field(Slot(13).runners[4], 26, 2), "02");
  EXPECT_EQ(Field(Slot(13).runners[4], 29, 2), "05");
  EXPECT_EQ(Slot(13).runners[4].size(), 555u);
  EXPECT_TRUE(IsBlank(Slot(13).runners[16]));  // 16 runners: slots 16 and 17 stay blank
  // More than 6 race lines: the odds files are created for the day.
  EXPECT_TRUE(FileExists(day.FilePath(".jvO1")));
  EXPECT_TRUE(FileExists(day.FilePath(".jvO2")));
}

TEST_F(LoadRaceDayTest, RememberedRacePastTheEndSelectsTheLastRow) {
  for (int r = 1; r <= 12; ++r) day.AddRace("05", r, 10);
  for (int r = 1; r <= 12; ++r) day.AddRace("09", r, 10);
  model->rememberedRace = 30;
  LoadRaceDayResult result = Load();
  EXPECT_EQ(result.shownRow, 23);
  EXPECT_EQ(result.shownSlot, 23);
  EXPECT_EQ(model->selectedRace, 23);
  EXPECT_EQ(model->rememberedRace, 23);

  model->rememberedRace = 5;
  EXPECT_EQ(Load().shownRow, 5);
  EXPECT_EQ(model->selectedRace, 5);
}

TEST_F(LoadRaceDayTest, PlannedFetchTimes) {
  int r1 = day.AddRace("05", 1, 10, "1000");
  int r4 = day.AddRace("05", 4, 10, "1150");
  int r6 = day.AddRace("05", 6, 10, "1300");
  int r11 = day.AddRace("05", 11, 10, "1545");
  int r5 = day.AddRace("05", 5, 10, "0000");
  Load();
  auto times = [&](int slot) {
    auto& t = Slot(slot).analysis.fetchTimes;
    return t[1] + "," + t[2] + "," + t[3];
  };
  EXPECT_EQ(times(r1), "0915,0930,");
  EXPECT_EQ(times(r4), "0930,1120,");
  EXPECT_EQ(times(r6), "1015,1215,");
  EXPECT_EQ(times(r11), "1015,1215,1515");
  EXPECT_EQ(times(r5), "0930,,");
  EXPECT_EQ(times(20), ",,");  // no race
}

TEST_F(LoadRaceDayTest, PastDayNeverStartsTheResultTimer) {
  day.AddRace("05", 1, 10);
  LoadRaceDayResult result = Load();
  EXPECT_FALSE(result.resultTimerRuns);
  EXPECT_EQ(result.resultIntervalMillis, 15 * 60000);
  EXPECT_EQ(model->resultFetchMinutes, 15);
}

TEST_F(LoadRaceDayTest, TodayStartsTheResultTimerWithTheConfiguredInterval) {
  resultFetchMinutes = 20;
  day.AddRace("05", 1, 10);
  clock.Set(DateTime{2024, 5, 12, 9, 0, 0});
  LoadRaceDayResult result = Load();
  EXPECT_TRUE(result.resultTimerRuns);
  EXPECT_EQ(result.resultIntervalMillis, 20 * 60000);
  EXPECT_EQ(model->resultFetchMinutes, 20);
  EXPECT_EQ(result.shownRow, 0);
  EXPECT_EQ(result.shownSlot, 0);
}

TEST_F(LoadRaceDayTest, MissingRaceFileResetsAnalysisAndKeepsRecordTexts) {
  int a = day.AddRace("05", 3, 10);
  day.AddSampleSnapshot(a, 1, 9, 30);
  Load();
  ASSERT_TRUE(Slot(0).analysis.present);

  clock.Set(DateTime{2024, 5, 13, 9, 0, 0});
  LoadRaceDayResult result = LoadDay(Sjis("2024年05月13日"));
  EXPECT_EQ(result.outcome, LoadOutcome::kNoRaceFile);
  EXPECT_EQ(result.shownRow, -1);
  EXPECT_FALSE(result.resultIntervalMillis.has_value()) << "the interval stays as it was";
  EXPECT_FALSE(Slot(0).analysis.present);
  EXPECT_EQ(Slot(0).analysis.snapshotCount, 0);
  EXPECT_EQ(Field(Slot(0).race, 26, 2), "03");  // the previous texts stay
  EXPECT_EQ(list.rows(), 0);
  EXPECT_FALSE(result.resultTimerRuns);
  EXPECT_EQ(model->raceCount, 0);
}

TEST_F(LoadRaceDayTest, OnlyBlankLinesShowNothing) {
  day.AddBlankRaceLines(8);
  LoadRaceDayResult result = Load();
  EXPECT_EQ(result.outcome, LoadOutcome::kLoaded);
  EXPECT_EQ(model->raceCount, 0);
  EXPECT_EQ(result.shownRow, -1);
  EXPECT_EQ(result.shownSlot, -1);
}

TEST_F(LoadRaceDayTest, YearZeroLineTakesASlotButNoRowAndRowsKeepTheirSlots) {
  day.AddRace("05", 1, 10);
  std::string zero = test::RaceLine("0000" + day.Key("05", 2).substr(4), 10, "1030");
  day.AddRawRaceLine(zero);
  int third = day.AddRace("05", 3, 12, "1100");
  ASSERT_EQ(third, 2);
  day.AddSampleSnapshot(third, 1, 9, 30);
  model->rememberedRace = 2;
  LoadRaceDayResult result = Load();

  EXPECT_EQ(model->raceCount, 3);
  EXPECT_TRUE(Slot(1).analysis.present);
  ASSERT_EQ(list.rows(), 2);
  EXPECT_EQ(Entry(1), "東京   2回  6日 3R");
  EXPECT_EQ(list.SlotOfRow(1), 2);
  EXPECT_EQ(list.RowOfSlot(1), -1);
  // The remembered slot 2 is shown by row 1, not by a row 2 that does not exist.
  EXPECT_EQ(result.shownRow, 1);
  EXPECT_EQ(result.shownSlot, 2);
  EXPECT_EQ(model->selectedRace, 2);
  EXPECT_EQ(Slot(2).analysis.snapshotCount, 1);

  // Clicking row 1 shows slot 2 (the third race), never slot 1.
  model->selectedRace = 0;
  EXPECT_EQ(SelectRaceRow(*model, list, 1), 2);
  EXPECT_EQ(model->selectedRace, 2);
  EXPECT_EQ(model->rememberedRace, 2);
  EXPECT_EQ(SelectRaceRow(*model, list, 2), -1);
  EXPECT_EQ(model->selectedRace, 2);

  // A remembered slot without a row selects the row of the race before it.
  model->rememberedRace = 1;
  EXPECT_EQ(Load().shownRow, 0);
  EXPECT_EQ(model->selectedRace, 0);
}

TEST_F(LoadRaceDayTest, LastRecordWithoutLineEndIsReadAndPartialRecordIsNot) {
  day.AddRace("05", 1, 10);
  day.AddRace("05", 2, 10);
  day.Write();
  std::string bytes = *ReadFileBytes(day.RaceFilePath());
  ASSERT_EQ(bytes.size(), 2u * 1272u);

  ASSERT_TRUE(WriteFileAtomic(day.RaceFilePath(), bytes.substr(0, bytes.size() - 2)));
  LoadDay(day.dayName());
  EXPECT_EQ(model->raceCount, 2);
  EXPECT_EQ(Slot(1).race.size(), 1272u);
  EXPECT_EQ(Slot(1).race.substr(1270), "\r\n");

  ASSERT_TRUE(WriteFileAtomic(day.RaceFilePath(), bytes.substr(0, bytes.size() - 3)));
  LoadDay(day.dayName());
  EXPECT_EQ(model->raceCount, 1);
  EXPECT_TRUE(IsBlank(Slot(1).race));

  ASSERT_TRUE(WriteFileAtomic(day.RaceFilePath(), bytes.substr(0, 1272 + 900)));
  LoadDay(day.dayName());
  EXPECT_EQ(model->raceCount, 1);
}

TEST_F(LoadRaceDayTest, ShortOddsFileLeavesLaterSnapshotsBlank) {
  int a = day.AddRace("05", 1, 10);
  int b = day.AddRace("05", 2, 10);
  day.AddSampleSnapshot(a, 1, 9, 15);
  day.AddSampleSnapshot(b, 1, 9, 30);
  day.Write();
  // Cut the win-odds file after slot a's three lines.
  std::string bytes = *ReadFileBytes(day.FilePath(".jvO1"));
  ASSERT_TRUE(WriteFileAtomic(day.FilePath(".jvO1"), bytes.substr(0, 3 * 962)));
  LoadDay(day.dayName());
  EXPECT_EQ(Slot(a).analysis.snapshotCount, 1);
  EXPECT_EQ(Slot(b).analysis.snapshotCount, 0);
  EXPECT_FALSE(IsBlank(Slot(b).quinellaOdds[1]));
}

TEST_F(LoadRaceDayTest, PayoutsAreImportedByTheLoad) {
  int a = day.AddRace("05", 1, 10);
  int b = day.AddRace("05", 2, 10);
  day.AddSamplePayout(b);
  Load();
  EXPECT_FALSE(Slot(a).analysis.hasPayout);
  EXPECT_TRUE(Slot(b).analysis.hasPayout);
  EXPECT_EQ(Field(Slot(b).payout, 1, 2), "HR");
  EXPECT_EQ(Slot(b).payout.size(), 719u);
}

TEST_F(LoadRaceDayTest, ALoadForTheFiguresGivesTheViewsBetsAndRowsWithoutItsTexts) {
  for (int r = 1; r <= 6; ++r) {
    const int slot = day.AddRace(r <= 3 ? "05" : "08", r, 12 + r, "1500");
    day.AddRunners(slot);
    for (int s = 1; s <= 3; ++s) day.AddSampleSnapshot(slot, s, 8 + 2 * s + r, 15 * s);
  }
  Load();
  const auto view = std::move(model);
  const RaceList viewList = list;
  model = std::make_unique<RaceDayModel>();
  LoadRaceDay(*model, list, dir.str(), day.dayName(), resultFetchMinutes, "", LoadFor::kFigures);
  EXPECT_EQ(list.slots, viewList.slots);
  for (int i = 0; i < 6; ++i) {
    const RaceAnalysis& a = Slot(i).analysis;
    const RaceAnalysis& v = view->slots[static_cast<size_t>(i)].analysis;
    EXPECT_FALSE(v.betLabels[1].empty()) << i;
    EXPECT_EQ(a.betLabels, v.betLabels) << i;
    EXPECT_EQ(a.upsetDegree, v.upsetDegree) << i;
    EXPECT_EQ(a.axisRule, v.axisRule) << i;
    EXPECT_EQ(a.cheapestPairs, v.cheapestPairs) << i;
    EXPECT_TRUE(a.fetchTimes[1].empty() && a.winSnapshotTimes[1].empty()) << i;
  }
}

TEST_F(LoadRaceDayTest, DayBefore2005IsBracketModeDay) {
  DayBuilder old(dir.str(), 2004, 12, 26);
  old.AddRace("06", 1, 8);
  old.Write();
  LoadDay(old.dayName());
  EXPECT_FALSE(model->fromYear2005);
  Load();
  EXPECT_TRUE(model->fromYear2005);
}

}  // namespace
}  // namespace tw
