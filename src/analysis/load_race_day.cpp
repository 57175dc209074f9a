#include "analysis/load_race_day.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "analysis/analyse_race.h"
#include "analysis/fetch_times.h"
#include "analysis/payout_import.h"
#include "analysis/race_day_texts.h"
#include "records/day_files.h"
#include "records/layout.h"
#include "records/race_record.h"
#include "records/record_header.h"
#include "store/fixed_record_file.h"
#include "store/odds_files.h"
#include "store/record_scatter.h"
#include "text/fields.h"
#include "text/files.h"

namespace tw {

namespace {

constexpr int kRunnerFileRaces = 12;

// Every record text is written once per load, either from its file or as
// spaces: blanking the whole model first would write all of it twice.
void Blank(std::string& text, size_t length) { text.assign(length, ' '); }

// The lines of the race's runner slots in its course's runner file: slot k
// at first + k for k < count; none for a race number outside 1..12.
struct RunnerLines {
  int first = 0;
  int count = 0;
  explicit RunnerLines(const std::string& race) {
    const long long raceNumber = RaceNumber(race);
    if (raceNumber < 1 || raceNumber > kRunnerFileRaces) return;
    first = static_cast<int>((raceNumber - 1) * kMaxRunners);
    count = std::min(RunnerSlotCount(race), kMaxRunners);
  }
};

// The runner records of the races (slots) that read one runner file, slots
// past the runner count blank; the file is read once for all of them.
void ReadRunnerFile(RaceDayModel& model, const std::string& path, const std::vector<int>& slots,
                    DayFileProblems& problems) {
  std::vector<std::string*> targets(kRunnerFileLines, nullptr);
  for (const int i : slots) {
    RaceSlot& slot = model.slots[static_cast<size_t>(i)];
    const RunnerLines lines(slot.race);
    for (int k = 0; k < lines.count; ++k) {
      // A second race of the same number takes its lines from the first.
      std::string*& target = targets[static_cast<size_t>(lines.first + k)];
      if (target == nullptr) target = &slot.runners[static_cast<size_t>(k)];
    }
  }
  const ScatteredRecords read = ReadRecordsInto(path, kRunnerRecordLength, kRunnerFileByteLimit, targets);
  // The races of the race file stand on their runners: without the file
  // they would show no horse at all.
  if (read.status == ReadStatus::kMissing) problems.push_back({DayFileProblem::Kind::kMissing, path, 0, {}});
  NoteReadProblem(problems, path, read.status, read.count, read.damaged);
  for (const int i : slots) {
    RaceSlot& slot = model.slots[static_cast<size_t>(i)];
    const RunnerLines lines(slot.race);
    for (int k = 0; k < kMaxRunners; ++k) {
      std::string& text = slot.runners[static_cast<size_t>(k)];
      const int line = lines.first + k;
      if (k >= lines.count || line >= read.count) {
        Blank(text, kRunnerRecordLength);
      } else if (const std::string* first = targets[static_cast<size_t>(line)]; first != &text) {
        text = *first;
      }
    }
  }
}

// What the size of a runner file tells without reading it: missing, no
// regular file, too large, empty, or ending in a broken line. Damage within
// its lines goes unseen, as nothing of them is read.
void CheckRunnerFile(const std::string& path, DayFileProblems& problems) {
  // One look at the file: its size, or why it has none (missing, a folder,
  // a FIFO, no access).
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(ToFsPath(path), ec);
  if (ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory) {
    problems.push_back({DayFileProblem::Kind::kMissing, path, 0, {}});
    return;
  }
  if (ec) {
    NoteReadProblem(problems, path, ReadStatus::kUnreadable, 0, 0);
    return;
  }
  if (size > kRunnerFileByteLimit) {
    NoteReadProblem(problems, path, ReadStatus::kTooLarge, 0, 0);
    return;
  }
  // As FixedRecordFile counts them: a last line may lack its CR LF.
  constexpr auto length = static_cast<std::uintmax_t>(kRunnerRecordLength);
  const std::uintmax_t rest = size % length;
  const int records = static_cast<int>(size / length) + (rest == length - 2 ? 1 : 0);
  NoteReadProblem(problems, path, ReadStatus::kRead, records, rest != 0 && rest != length - 2 ? 1 : 0);
}

// Snapshot lines 3i .. 3i + 2 of the slot, each only when it belongs to the
// slot's race (same course code and race number); others blank. A file this
// load has just created holds blank lines only: it is not read back.
void ReadSnapshots(RaceDayModel& model, const std::string& path, bool win, bool createdBlank,
                   DayFileProblems& problems) {
  const size_t length = win ? kWinOddsRecordLength : kQuinellaOddsRecordLength;
  std::vector<std::string*> targets(kOddsFileLines, nullptr);
  for (int i = 0; i < kMaxRaces; ++i) {
    RaceSlot& slot = model.slots[static_cast<size_t>(i)];
    if (!NamesCourseOrRaceNumber(slot.race)) continue;
    for (int s = 1; s <= kSnapshots; ++s)
      targets[static_cast<size_t>(3 * i + s - 1)] = win ? &slot.winOdds[s] : &slot.quinellaOdds[s];
  }
  ScatteredRecords read;
  if (!createdBlank) {
    read = ReadRecordsInto(path, static_cast<int>(length), win ? kWinOddsFileByteLimit : kQuinellaOddsFileByteLimit,
                           targets);
    NoteReadProblem(problems, path, read.status, read.count, read.damaged);
  }
  for (int i = 0; i < kMaxRaces; ++i) {
    RaceSlot& slot = model.slots[static_cast<size_t>(i)];
    for (int s = 1; s <= kSnapshots; ++s) {
      const int line = 3 * i + (s - 1);
      std::string& text = win ? slot.winOdds[s] : slot.quinellaOdds[s];
      const bool fromFile = targets[static_cast<size_t>(line)] != nullptr && line < read.count;
      if (!fromFile || !SameCourseAndRaceNumber(text, slot.race)) Blank(text, length);
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
                              const std::string& dayText, int resultFetchMinutes, const std::string& todayName,
                              LoadFor purpose) {
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

  // 3. The race file, and the odds files the day needs. A folder or a FIFO
  // in its place is a race file that cannot be read, not a missing one.
  if (!FileExists(paths.race) && !IsNonRegularFile(paths.race)) {
    ResetRaceDay(model);
    return result;
  }
  bool createdBlank[2] = {false, false};  // win, quinella
  for (const StoreResult& created : CreateMissingOddsFiles(paths.race)) {
    if (created.stored) {
      createdBlank[0] = createdBlank[0] || created.file == paths.winOdds;
      createdBlank[1] = createdBlank[1] || created.file == paths.quinellaOdds;
    }
    if (!created.failed()) continue;
    // Without its odds files every fetch of the day would have nowhere to go.
    DayFileProblem problem{DayFileProblem::Kind::kNotCreated, created.file, 0, created.error};
    result.problems.push_back(std::move(problem));
  }
  FixedRecordFile raceFile(paths.race, kRaceRecordLength, kRaceFileByteLimit);
  NoteReadProblem(result.problems, paths.race, raceFile.status(), raceFile.count(), raceFile.damagedRecords());
  if (!raceFile.exists()) {
    ResetRaceDay(model);
    for (auto& slot : model.slots) slot.BlankRecords();
    result.outcome = LoadOutcome::kRaceFileUnreadable;
    return result;
  }
  result.outcome = LoadOutcome::kLoaded;

  // 4. and 5. Race records with their runners; blank lines take no slot.
  // Each runner file, with the slots of the races that read it, in the order
  // the races first name it.
  std::vector<std::pair<std::string, std::vector<int>>> runnerFiles;
  size_t lastRunnerFile = 0;
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
    if (year != "0000") list.Add(purpose == LoadFor::kView ? RaceListEntryText(slot.race) : std::string(), i);
    // Races of one course follow each other: its runner file's path is made
    // once for all of them.
    if (runnerFiles.empty() || CourseCode(slot.race) != CourseCode(model.slots[static_cast<size_t>(i - 1)].race)) {
      std::string runnerPath = RunnerFilePath(dataFolder, dayText, slot.race);
      auto file = std::find_if(runnerFiles.begin(), runnerFiles.end(),
                               [&runnerPath](const auto& known) { return known.first == runnerPath; });
      if (file == runnerFiles.end()) file = runnerFiles.insert(file, {std::move(runnerPath), {}});
      lastRunnerFile = static_cast<size_t>(file - runnerFiles.begin());
    }
    runnerFiles[lastRunnerFile].second.push_back(i);
    ++i;
    model.raceCount = i;
  }

  // The slots without a race; their odds lines are blanked with the others'.
  for (size_t k = static_cast<size_t>(model.raceCount); k < model.slots.size(); ++k) {
    RaceSlot& slot = model.slots[k];
    Blank(slot.race, kRaceRecordLength);
    if (purpose == LoadFor::kView) {
      for (auto& runner : slot.runners) Blank(runner, kRunnerRecordLength);
    }
  }

  for (const auto& [path, slots] : runnerFiles) {
    if (purpose == LoadFor::kView) {
      ReadRunnerFile(model, path, slots, result.problems);
    } else {
      CheckRunnerFile(path, result.problems);
    }
  }

  // 6. Payouts; the import blanks them first, so only without a payout file
  // are they blanked here.
  if (!ImportPayouts(model, paths.payout, &result.problems)) {
    for (auto& slot : model.slots) Blank(slot.payout, kPayoutRecordLength);
  }

  // 7. Odds snapshots.
  ReadSnapshots(model, paths.winOdds, true, createdBlank[0], result.problems);
  ReadSnapshots(model, paths.quinellaOdds, false, createdBlank[1], result.problems);

  // 8. to 10. Fetch times, snapshot times and count, then the analysis, for
  // every slot. The slots past the last race hold blank records only and
  // analyse alike: the first of them is analysed, the others take its values.
  for (int k = 0; k < kMaxRaces; ++k) {
    RaceSlot& slot = model.slots[static_cast<size_t>(k)];
    RaceAnalysis& a = slot.analysis;
    if (k > model.raceCount) {
      a = model.slots[static_cast<size_t>(model.raceCount)].analysis;
      continue;
    }
    if (purpose == LoadFor::kView) {
      a.fetchTimes = PlannedFetchTimes(slot.race);
      for (int s = 1; s <= kSnapshots; ++s) {
        a.quinellaSnapshotTimes[s] = SnapshotTimeText(slot.quinellaOdds[s]);
        a.winSnapshotTimes[s] = SnapshotTimeText(slot.winOdds[s]);
      }
    }
    a.snapshotCount = SnapshotCountOf(slot);
    AnalyseRace(model, k, purpose == LoadFor::kView ? AnalysisFor::kView : AnalysisFor::kBets);
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
