// Reading a whole race day from its files into the RaceDayModel, analysing
// every race and filling the race list. The model is always reloaded as a
// whole; downloads and odds fetches run this again after they write.
#pragma once

#include <string>

#include "analysis/race_day_model.h"
#include "analysis/race_list.h"

namespace tw {

class Clock;
class Settings;

// What a load does to the main window. The window implements it; the command
// line and the tests use their own.
class RaceDayView {
 public:
  virtual ~RaceDayView() = default;
  // The timer that fetches results on the race day.
  virtual void StopResultFetching() = 0;
  virtual void SetResultFetchInterval(long long milliseconds) = 0;
  virtual void StartResultFetching() = 0;
  // The race list.
  virtual void ClearRaceList() = 0;
  virtual void AddRaceListEntry(const std::string& text) = 0;
  // The bet list grid: row count 2, row 1 columns 1 and 2 hold "　".
  virtual void ClearBetGrid() = 0;
  // The three series of the per-snapshot chart.
  virtual void ClearSnapshotChart() = 0;
  // Selects the row and shows its race; the model's selectedRace is already `slot`.
  virtual void SelectRaceAndShow(int row, int slot) = 0;
};

// A view that shows nothing, for unattended use.
class NullRaceDayView : public RaceDayView {
 public:
  void StopResultFetching() override {}
  void SetResultFetchInterval(long long) override {}
  void StartResultFetching() override {}
  void ClearRaceList() override {}
  void AddRaceListEntry(const std::string&) override {}
  void ClearBetGrid() override {}
  void ClearSnapshotChart() override {}
  void SelectRaceAndShow(int, int) override {}
};

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

struct LoadRaceDayResult {
  LoadOutcome outcome = LoadOutcome::kNoRaceFile;
  int shownRow = -1;  // the row selected at the end; -1 when none
};

// Loads the day named `dayText` (Shift-JIS day name) from `dataFolder`:
// records into the 36 slots, missing odds files created, payouts imported,
// every slot analysed, the race list filled, the result-fetch timer armed
// when the day is today, and the remembered race shown.
LoadRaceDayResult LoadRaceDay(RaceDayModel& model, RaceList& list, const std::string& dataFolder,
                              const std::string& dayText, const Settings& settings, const Clock& clock,
                              RaceDayView& view);

}  // namespace tw
