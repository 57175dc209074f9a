// Reading a whole race day from its files into the RaceDayModel, analysing
// every race and filling the race list. The model is always reloaded as a
// whole; downloads and odds fetches run this again after they write.
#pragma once

#include <optional>
#include <string>

#include "analysis/day_file_problems.h"
#include "analysis/race_day_model.h"
#include "analysis/race_list.h"

namespace tw {

// The day's file paths in the data folder.
struct RaceDayPaths {
  std::string race, payout, winOdds, quinellaOdds;
};
RaceDayPaths RaceDayPathsOf(const std::string& dataFolder, const std::string& dayText);
// The runner file of a race: the first 14 bytes of the day text, the
// two-character course name of the race's course code and ".jvSEr".
std::string RunnerFilePath(const std::string& dataFolder, const std::string& dayText, const std::string& race);

// Every RaceAnalysis back to its reset values; record texts stay.
void ResetRaceDay(RaceDayModel& model);

enum class LoadOutcome {
  kLoaded,      // the race file was read (it may hold no race)
  kNoRaceFile,  // no race file for the day: analysis reset, list empty
  kRaceFileUnreadable,
};

// What a load found, for the caller to show. The window empties its race
// list, bet list and per-snapshot chart and stops the result timer on every
// load, then shows this; `list` holds the new race list.
struct LoadRaceDayResult {
  LoadOutcome outcome = LoadOutcome::kNoRaceFile;
  // Set when the race file was read: the result timer's interval (a load
  // that ends early leaves the interval as it was).
  std::optional<long long> resultIntervalMillis;
  // The result timer runs again: the day was read and it is today.
  bool resultTimerRuns = false;
  // Files read damaged, empty or not at all, runner files missing for races
  // of the race file, odds files that could not be created: the caller tells
  // each once. A missing payout file is none: a day has none before results.
  DayFileProblems problems;
  int shownRow = -1;   // the row to select and show; -1 when none
  int shownSlot = -1;  // the slot that row shows (the model's selectedRace)
};

// What a load is for. The window shows the whole day. A reader of the
// analysis' bets alone (the season report) loads kFigures: the runner files
// are only looked at, not read (the analysis reads none of them): missing,
// no regular file, too large, empty or cut off within a line are problems as
// ever, damage within their lines goes unseen, and the slots' runner texts
// stay as they were. The planned fetch times, the snapshot times and the
// race list's texts stay empty (its rows are the same), and the analysis is
// AnalysisFor::kBets.
enum class LoadFor { kView, kFigures };

// Loads the day named `dayText` (Shift-JIS day name) from `dataFolder`:
// records into the 36 slots, missing odds files created, payouts imported,
// every slot analysed, the race list filled and the remembered race
// selected. `resultFetchMinutes` (the result-interval setting) is kept in the
// model for the result timer, which runs when `dayText` is `todayName`.
LoadRaceDayResult LoadRaceDay(RaceDayModel& model, RaceList& list, const std::string& dataFolder,
                              const std::string& dayText, int resultFetchMinutes, const std::string& todayName,
                              LoadFor purpose = LoadFor::kView);

}  // namespace tw
