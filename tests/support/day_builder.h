// Writes a race day's files (.jvRA, .jvSEr, .jvHR, .jvO1, .jvO2) with lines
// of the exact stored lengths, for tests and benchmarks.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tw::test {

inline constexpr int kRaceLineLength = 1270;
inline constexpr int kRunnerLineLength = 553;
inline constexpr int kPayoutLineLength = 717;
inline constexpr int kWinOddsLineLength = 960;
inline constexpr int kQuinellaOddsLineLength = 2040;

// `text` written over `line` from 1-based position `pos` (the line grows
// with spaces when needed).
void Put(std::string& line, int pos, const std::string& text);

// The 16-character race key: yyyymmdd, course code, meeting, day, race.
std::string RaceKey(int year, int month, int day, const std::string& course, int meeting, int dayNumber, int race);

// An RA line: "RA000000000" + key, post time hhmm at 874, runner count at 882.
std::string RaceLine(const std::string& key, int runners, const std::string& postTime);
// An SE line of horse h (bracket at 28, horse number at 29).
std::string RunnerLine(const std::string& key, int horse, int bracket = 1);
// An HR line with the key; payouts are put with the setters below.
std::string PayoutLine(const std::string& key);
void SetQuinellaPayout(std::string& line, int entry, int first, int second, long long yen);
void SetWidePayout(std::string& line, int entry, int first, int second, long long yen);
// An O1 line: announcement time mmddhhmm at 28, win odds texts of horses
// 1.. (index 0 is horse 1, 4 characters each) at 46 + 8(h-1), bracket-quinella
// odds of pairs 1.. (5 characters) at 606 + 9(j-1).
std::string WinOddsLine(const std::string& key, const std::string& announce, const std::vector<std::string>& win,
                        const std::vector<std::string>& bracket = {});
// An O2 line: quinella odds of pairs 1.. (6 characters) at 45 + 13(j-1).
std::string QuinellaOddsLine(const std::string& key, const std::string& announce,
                             const std::vector<std::string>& pairs);

// Plausible odds for a field of n runners; `variant` shifts them a little so
// that snapshots differ. Horses past n and pairs with such horses are blank.
std::vector<std::string> SampleWinOdds(int runners, int variant);
std::vector<std::string> SampleBracketOdds(int runners, int variant);
std::vector<std::string> SampleQuinellaOdds(int runners, int variant);

// One day's files under construction. Race lines are kept in file order; a
// race's slot is the number of race lines before it (blank lines take none).
class DayBuilder {
 public:
  DayBuilder(std::string folder, int year = 2024, int month = 5, int day = 12);

  const std::string& folder() const { return folder_; }
  std::string dayName() const;  // Shift-JIS, e.g. 2024年05月12日
  std::string Key(const std::string& course, int race, int meeting = 2, int dayNumber = 6) const;

  // Appends a race line; returns its slot.
  int AddRace(const std::string& course, int race, int runners, const std::string& postTime = "1500");
  // Appends any text as a race line (damaged or "0000" lines); returns its line index.
  int AddRawRaceLine(const std::string& line);
  void AddBlankRaceLines(int count = 1);
  // Every runner line of the slot's race, horses 1..runners.
  void AddRunners(int slot);
  // The name of horse h in the slot's race (Shift-JIS, at 41), after AddRunners.
  void SetHorseName(int slot, int horse, const std::string& name);
  // Full odds lines for a snapshot of a slot; they land on lines 3 slot + s - 1.
  void SetWinOdds(int slot, int snapshot, const std::string& line);
  void SetQuinellaOdds(int slot, int snapshot, const std::string& line);
  // Sample odds for snapshot s of a slot, announced at hh:mm.
  void AddSampleSnapshot(int slot, int snapshot, int hour, int minute);
  void AddPayout(const std::string& line);
  // A payout line for the slot's race with one quinella and one wide payout.
  void AddSamplePayout(int slot);

  const std::string& RaceLineOfSlot(int slot) const;
  int runnersOfSlot(int slot) const;

  // Writes the files that have content (odds files only when some snapshot
  // was set, with 3 lines per race line). Paths are Shift-JIS.
  void Write() const;
  std::string RaceFilePath() const;
  std::string FilePath(const std::string& extension) const;  // ".jvO1", …
  std::string RunnerFilePath(const std::string& course) const;

 private:
  std::string folder_;
  int year_, month_, day_;
  std::vector<std::string> raceLines_;
  std::vector<int> slotLines_;                 // race-file line of each slot
  std::map<int, std::string> win_, quinella_;  // odds-file line -> text
  std::vector<std::string> payouts_;
  std::map<std::string, std::vector<std::string>> runners_;  // course -> 216 lines
};

// Writes lines with CR LF to a Shift-JIS path (atomic).
void WriteLines(const std::string& sjisPath, const std::vector<std::string>& lines);

}  // namespace tw::test
