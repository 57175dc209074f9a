// The in-memory race day: up to 36 races with their record texts and the
// results of their analysis. Filled as a whole by LoadRaceDay; every view,
// print-out and report reads it.
#pragma once

#include <array>
#include <string>

#include "codes/pairs.h"
#include "records/layout.h"

namespace tw {

inline constexpr int kMaxRaces = 36;
inline constexpr int kMaxRunners = kRunnerSlots;
inline constexpr int kSnapshots = 3;
// Marks a difference or change that does not exist; readers test `< 10000`.
inline constexpr double kNoValue = 10000.0;

// Arrays marked [18] are indexed by horse number 1..18 and [18][3] by horse
// number and snapshot number 1..3; index 0 is unused so that the code reads
// like the numbers it works with.
template <typename T>
using PerHorse = std::array<T, kMaxRunners + 1>;
template <typename T>
using PerSnapshot = std::array<T, kSnapshots + 1>;
template <typename T>
using PerHorseSnapshot = std::array<std::array<T, kSnapshots + 1>, kMaxRunners + 1>;

// The results of the analysis of one race, in the order of the model's table.
// Texts and marks are Shift-JIS.
struct RaceAnalysis {
  bool present = false;
  int axisRule = 0;                                // 1..7, the axis condition that decided; 0 none
  PerSnapshot<std::string> fetchTimes;             // hhmm, planned odds-fetch times 1..3
  PerSnapshot<std::string> quinellaSnapshotTimes;  // "hh時mm分"
  PerSnapshot<std::string> winSnapshotTimes;
  std::string upsetDegree;                     // "小", "中", "大" or empty
  PerHorse<std::string> axisMark;              // 軸馬 column
  PerHorse<std::string> partnerMark;           // 連対馬 column
  int snapshotCount = 0;                       // O1 snapshots present, 0..3
  PerSnapshot<int> shortQuinellaCount{};       // quinella pairs under 10.0
  PerHorseSnapshot<int> winPopularityOrder{};  // [rank][snapshot] -> horse number
  PerHorse<int> firstWinRank{};
  PerHorseSnapshot<double> winShare{};
  PerHorseSnapshot<double> quinellaShare{};
  PerHorseSnapshot<double> bracketShare{};
  PerHorseSnapshot<double> shareGap;  // 単連差
  PerHorse<double> winShareChange;
  PerHorse<double> quinellaShareChange;
  PerHorse<double> shareGapChange;
  PerHorse<double> maxShareGap;
  PerHorse<std::string> driftMark;  // "○" when the win odds rose
  PerHorse<int> winChangeRank{};
  PerHorse<int> quinellaChangeRank{};
  std::array<std::array<std::string, 7 + 1>, kMaxRunners + 1> axisConditionMarks;     // [h][1..7]
  std::array<std::array<std::string, 5 + 1>, kMaxRunners + 1> partnerConditionMarks;  // [h][1..5]
  PerHorse<std::string> betLabels;  // [1..18] bet pair labels in ascending odds
  // The pair-table indexes of the latest snapshot's 18 cheapest pairs
  // (kCheapestPairs), cheapest first, as the judgement read them; 0 past the
  // last, and all 0 before a second snapshot.
  std::array<int, kMaxRunners> cheapestPairs{};
  bool hasPayout = false;

  RaceAnalysis() { Reset(); }
  // Defined once in race_day_model.cpp, which the fuzz build leaves without
  // comparison tracing: copying the blank slot's analysis into the slots
  // past the last race is a large part of loading a short day.
  RaceAnalysis(const RaceAnalysis&);
  RaceAnalysis(RaceAnalysis&&) noexcept;
  RaceAnalysis& operator=(const RaceAnalysis&);
  RaceAnalysis& operator=(RaceAnalysis&&) noexcept;
  ~RaceAnalysis();
  // Every field back to its reset value.
  void Reset();
  // What the loader sets back to its reset value; the results stay.
  void ResetLoaderValues();
  // What the analysis computes back to its reset value; what the loader
  // sets (present, the fetch and snapshot times, snapshotCount, hasPayout)
  // stays.
  void ResetResults();
};

// One race slot: the record texts exactly as stored, each with its two
// line-end bytes; a record that is missing is all spaces.
struct RaceSlot {
  std::string race;                              // RA, 1272 bytes
  std::array<std::string, kMaxRunners> runners;  // SE, 555 bytes; runner slot k = 0..17
  std::string payout;                            // HR, 719 bytes
  PerSnapshot<std::string> winOdds;              // O1, 962 bytes, snapshots 1..3
  PerSnapshot<std::string> quinellaOdds;         // O2, 2042 bytes, snapshots 1..3
  RaceAnalysis analysis;

  RaceSlot() { BlankRecords(); }
  // Fills every record text with spaces of its length.
  void BlankRecords();
};

struct RaceDayModel {
  std::array<RaceSlot, kMaxRaces> slots;
  int raceCount = 0;
  int selectedRace = 0;
  int rememberedRace = 0;
  bool fromYear2005 = true;
  int resultFetchMinutes = 15;

  // ResetRaceDay: every RaceAnalysis back to its reset values; record texts
  // and the race list stay as they are.
  void ResetAnalysis();
};

// The quinella odds stand for the pairs when the field is larger than 8 or
// the day is 2005 or later; the bracket-quinella odds otherwise.
inline PairKind PairKindOf(int runnerCount, bool fromYear2005) {
  return runnerCount > 8 || fromYear2005 ? PairKind::kQuinella : PairKind::kBracket;
}

}  // namespace tw
