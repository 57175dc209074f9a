#include "analysis/load_race_day.h"

#include <memory>
#include <vector>

#include "analysis/analyse_race.h"
#include "analysis/payout_import.h"
#include "analysis/race_day_texts.h"
#include "records/day_files.h"
#include "records/layout.h"
#include "records/race_record.h"
#include "records/record_header.h"
#include "store/fixed_record_file.h"
#include "store/odds_files.h"
#include "text/fields.h"
#include "text/files.h"

namespace tw {

namespace {

constexpr int kRunnerFileRaces = 12;

// Runner files read during one load, each once: every race of a course
// reads from the same file.
class RunnerFiles {
 public:
  const FixedRecordFile& Get(const std::string& path) {
    for (auto& [p, file] : files_) {
      if (p == path) return *file;
    }
    files_.emplace_back(path, std::make_unique<FixedRecordFile>(path, kRunnerRecordLength, kRunnerFileByteLimit));
    return *files_.back().second;
  }
  void NoteProblems(DayFileProblems& problems) const {
    for (const auto& [path, file] : files_) NoteReadProblem(problems, path, file->status(), file->damagedRecords());
  }

 private:
  std::vector<std::pair<std::string, std::unique_ptr<FixedRecordFile>>> files_;
};

// Every record text is written once per load, either from its file or as
// spaces: blanking the whole model first would write all of it twice.
void Blank(std::string& text, size_t length) { text.assign(length, ' '); }

// The race's runner records, slots past the runner count blank.
void ReadRunners(RaceSlot& slot, const FixedRecordFile& file) {
  const long long raceNumber = RaceNumber(slot.race);
  const bool numbered = raceNumber >= 1 && raceNumber <= kRunnerFileRaces;
  const int n = RunnerSlotCount(slot.race);
  for (int k = 0; k < kMaxRunners; ++k) {
    std::string& text = slot.runners[static_cast<size_t>(k)];
    const std::string_view record =
        numbered && k < n ? file.Record(static_cast<int>((raceNumber - 1) * kMaxRunners + k)) : std::string_view();
    if (record.empty()) {
      Blank(text, kRunnerRecordLength);
    } else {
      text.assign(record);
    }
  }
}

// Snapshot lines 3i .. 3i + 2 of the slot, each only when it belongs to the
// slot's race (same course code and race number); others blank.
void ReadSnapshots(RaceDayModel& model, const FixedRecordFile& file, bool win) {
  const size_t length = win ? kWinOddsRecordLength : kQuinellaOddsRecordLength;
  for (int i = 0; i < kMaxRaces; ++i) {
    RaceSlot& slot = model.slots[static_cast<size_t>(i)];
    const bool named = NamesCourseOrRaceNumber(slot.race);
    for (int s = 1; s <= kSnapshots; ++s) {
      std::string& text = win ? slot.winOdds[s] : slot.quinellaOdds[s];
      const std::string_view record = named ? file.Record(3 * i + (s - 1)) : std::string_view();
      if (!record.empty() && SameCourseAndRaceNumber(record, slot.race)) {
        text.assign(record);
      } else {
        Blank(text, length);
      }
    }
  }
}

}  // namespace

RaceDayPaths RaceDayPathsOf(const std::string& dataFolder, const std::string& dayText) {
  RaceDayPaths p;
  p.race = JoinPath(dataFolder, dayText + ".jvRA");
  p.payout = JoinPath(dataFolder, dayText + ".jvHR");
  p.winOdds = JoinPath(dataFolder, dayText + ".jvO1");
  p.quinellaOdds = JoinPath(dataFolder, dayText + ".jvO2");
  return p;
}

std::string RunnerFilePath(const std::string& dataFolder, const std::string& dayText, const std::string& race) {
  return JoinPath(dataFolder, RunnerFileName(dayText.substr(0, kDayNameLength), CourseCode(race)));
}

void ResetRaceDay(RaceDayModel& model) { model.ResetAnalysis(); }

LoadRaceDayResult LoadRaceDay(RaceDayModel& model, RaceList& list, const std::string& dataFolder,
                              const std::string& dayText, int resultFetchMinutes, const std::string& todayName) {
  LoadRaceDayResult result;

  // 1. Mode and names.
  model.fromYear2005 = IntValue(dayText.substr(0, 4)) >= 2005;
  const RaceDayPaths paths = RaceDayPathsOf(dataFolder, dayText);

  // 2. Reset. A load that reads the race file analyses every slot at the
  // end, and the analysis resets its results first: here only what the
  // loader sets, the results when no analysis follows.
  for (auto& slot : model.slots) slot.analysis.ResetLoaderValues();
  model.raceCount = 0;
  list.Clear();

  // 3. The race file, and the odds files the day needs.
  if (!FileExists(paths.race)) {
    ResetRaceDay(model);
    return result;
  }
  for (const StoreResult& created : CreateMissingOddsFiles(paths.race)) {
    if (!created.failed()) continue;
    // Without its odds files every fetch of the day would have nowhere to go.
    DayFileProblem problem{DayFileProblem::Kind::kNotCreated, created.file, 0, created.error};
    result.problems.push_back(std::move(problem));
  }
  FixedRecordFile raceFile(paths.race, kRaceRecordLength, kRaceFileByteLimit);
  NoteReadProblem(result.problems, paths.race, raceFile.status(), raceFile.damagedRecords());
  if (!raceFile.exists()) {
    ResetRaceDay(model);
    for (auto& slot : model.slots) slot.BlankRecords();
    result.outcome = LoadOutcome::kRaceFileUnreadable;
    return result;
  }
  result.outcome = LoadOutcome::kLoaded;

  // 4. and 5. Race records with their runners; blank lines take no slot.
  RunnerFiles runnerFiles;
  int i = 0;
  for (int n = 0; n < raceFile.count() && i < kMaxRaces; ++n) {
    RaceSlot& slot = model.slots[static_cast<size_t>(i)];
    slot.race.assign(raceFile.Record(n));
    std::string year = RaceYear(slot.race);
    if (IsBlank(year)) {
      // Whatever else such a line holds names no race.
      slot.race.assign(kRaceRecordLength, ' ');
      continue;
    }
    slot.analysis.present = true;
    if (year != "0000") list.Add(RaceListEntryText(slot.race), i);
    ReadRunners(slot, runnerFiles.Get(RunnerFilePath(dataFolder, dayText, slot.race)));
    ++i;
    model.raceCount = i;
  }

  // The slots without a race; their odds lines are blanked with the others'.
  for (size_t k = static_cast<size_t>(model.raceCount); k < model.slots.size(); ++k) {
    RaceSlot& slot = model.slots[k];
    Blank(slot.race, kRaceRecordLength);
    for (auto& runner : slot.runners) Blank(runner, kRunnerRecordLength);
  }

  runnerFiles.NoteProblems(result.problems);

  // 6. Payouts; the import blanks them first, so only without a payout file
  // are they blanked here.
  if (!ImportPayouts(model, paths.payout, &result.problems)) {
    for (auto& slot : model.slots) Blank(slot.payout, kPayoutRecordLength);
  }

  // 7. Odds snapshots.
  const FixedRecordFile winOdds(paths.winOdds, kWinOddsRecordLength, kWinOddsFileByteLimit);
  const FixedRecordFile quinellaOdds(paths.quinellaOdds, kQuinellaOddsRecordLength, kQuinellaOddsFileByteLimit);
  NoteReadProblem(result.problems, paths.winOdds, winOdds.status(), winOdds.damagedRecords());
  NoteReadProblem(result.problems, paths.quinellaOdds, quinellaOdds.status(), quinellaOdds.damagedRecords());
  ReadSnapshots(model, winOdds, true);
  ReadSnapshots(model, quinellaOdds, false);

  // 8. to 10. Fetch times, snapshot times and count, then the analysis, for every slot.
  for (int k = 0; k < kMaxRaces; ++k) {
    RaceSlot& slot = model.slots[static_cast<size_t>(k)];
    RaceAnalysis& a = slot.analysis;
    a.fetchTimes = PlannedFetchTimes(slot.race);
    for (int s = 1; s <= kSnapshots; ++s) {
      a.quinellaSnapshotTimes[s] = SnapshotTimeText(slot.quinellaOdds[s]);
      a.winSnapshotTimes[s] = SnapshotTimeText(slot.winOdds[s]);
    }
    a.snapshotCount = SnapshotCountOf(slot);
    AnalyseRace(model, k);
  }

  // 11. The result-fetch timer, then the remembered race.
  model.resultFetchMinutes = resultFetchMinutes;
  result.resultIntervalMillis = static_cast<long long>(resultFetchMinutes) * 60000LL;
  result.resultTimerRuns = dayText == todayName;

  int row = list.RowForRemembered(model.rememberedRace);
  int slot = SelectRaceRow(model, list, row);
  if (slot >= 0) {
    result.shownRow = row;
    result.shownSlot = slot;
  }
  return result;
}

}  // namespace tw
