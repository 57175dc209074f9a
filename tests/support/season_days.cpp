#include "support/season_days.h"

#include <stdexcept>
#include <utility>
#include <vector>

#include "codes/pairs.h"
#include "records/layout.h"
#include "support/day_builder.h"
#include "text/files.h"
#include "text/format.h"

namespace tw::test {
namespace {

struct Paid {
  int first, second;
  long long yen;
};

void AddPayout(DayBuilder& day, int slot, const std::vector<Paid>& quinella, const std::vector<Paid>& wide) {
  std::string line = PayoutLine(day.RaceLineOfSlot(slot).substr(11, 16));
  for (size_t e = 0; e < quinella.size(); ++e)
    SetQuinellaPayout(line, static_cast<int>(e + 1), quinella[e].first, quinella[e].second, quinella[e].yen);
  for (size_t e = 0; e < wide.size(); ++e)
    SetWidePayout(line, static_cast<int>(e + 1), wide[e].first, wide[e].second, wide[e].yen);
  day.AddPayout(line);
}

int AddFullRace(DayBuilder& day, const std::string& course, int race, int runners) {
  int slot = day.AddRace(course, race, runners);
  day.AddRunners(slot);
  for (int s = 1; s <= 3; ++s) day.AddSampleSnapshot(slot, s, 9 + s, race);
  return slot;
}

// Snapshots 1 to 3 of the sample odds with horse 3 scratched in the last:
// "----" for its win odds and "------" for its pairs.
void AddScratchedSnapshots(DayBuilder& day, int slot, const std::string& course, int race, int runners) {
  for (int s = 1; s <= 3; ++s) {
    std::vector<std::string> win = SampleWinOdds(runners, s);
    std::vector<std::string> pairs = SampleQuinellaOdds(runners, s);
    if (s == 3) {
      win[2] = "----";
      for (int j = 1; j <= kQuinellaPairs; ++j) {
        const std::string label = QuinellaPairLabel(j);
        if (label.substr(0, 2) == " 3" || label.substr(3, 2) == " 3") pairs[static_cast<size_t>(j - 1)] = "------";
      }
    }
    const std::string key = day.Key(course, race);
    const std::string announce = Format("0511%02d%02d", 9 + s, race);
    day.SetWinOdds(slot, s, WinOddsLine(key, announce, win, SampleBracketOdds(runners, s)));
    day.SetQuinellaOdds(slot, s, QuinellaOddsLine(key, announce, pairs));
  }
}

void WriteMay11(const std::string& folder) {
  DayBuilder day(folder, 2024, 5, 11);
  int tokyo1 = AddFullRace(day, "05", 1, 7);
  AddPayout(day, tokyo1, {{1, 6, 2350}}, {{1, 6, 890}, {1, 2, 300}, {2, 6, 1200}});
  int tokyo2 = AddFullRace(day, "05", 2, 8);
  AddPayout(day, tokyo2, {{3, 6, 1500}, {6, 8, 4200}}, {{3, 6, 500}, {6, 8, 1300}, {3, 8, 2000}});

  int nakayama1 = day.AddRace("06", 1, 7);
  day.AddRunners(nakayama1);
  day.AddSampleSnapshot(nakayama1, 1, 10, 0);
  AddPayout(day, nakayama1, {{1, 2, 500}}, {{1, 2, 200}});

  int nakayama2 = day.AddRace("06", 2, 7);
  day.AddRunners(nakayama2);
  day.AddSampleSnapshot(nakayama2, 1, 10, 0);
  day.AddSampleSnapshot(nakayama2, 3, 12, 0);
  AddPayout(day, nakayama2, {{1, 6, 3000}}, {{1, 6, 1000}});

  int nakayama3 = day.AddRace("06", 3, 9);
  day.AddRunners(nakayama3);
  AddScratchedSnapshots(day, nakayama3, "06", 3, 9);
  AddPayout(day, nakayama3, {{1, 2, 320}}, {{1, 2, 150}, {1, 9, 400}, {2, 9, 600}});

  AddFullRace(day, "06", 4, 8);
  day.Write();
}

void WriteMay12(const std::string& folder) {
  DayBuilder day(folder, 2024, 5, 12);
  AddFullRace(day, "05", 1, 7);
  day.Write();
}

void WriteMay18(const std::string& folder) {
  DayBuilder day(folder, 2024, 5, 18);
  if (!WriteFileAtomic(day.RaceFilePath(), std::string(kRaceFileByteLimit + 1, ' ')))
    throw std::runtime_error("cannot write the race file of May 18");
}

void WriteMay19(const std::string& folder) {
  DayBuilder day(folder, 2024, 5, 19);
  int slot = AddFullRace(day, "05", 1, 7);
  AddPayout(day, slot, {{1, 6, 99999}}, {{1, 6, 9999}});
  day.Write();
  // The last snapshot line loses its last ten characters.
  auto lines = LoadLines(day.FilePath(".jvO1"));
  (*lines)[2].resize(kWinOddsLineLength - 10);
  WriteLines(day.FilePath(".jvO1"), *lines);
}

void WriteJune1(const std::string& folder) {
  DayBuilder day(folder, 2024, 6, 1);
  int first = AddFullRace(day, "05", 1, 10);
  AddPayout(day, first, {{1, 2, 280}}, {{1, 2, 130}, {1, 3, 200}, {2, 3, 350}});
  int second = AddFullRace(day, "05", 2, 10);
  AddPayout(day, second, {{6, 10, 15230}}, {{6, 10, 3000}, {3, 6, 800}, {3, 10, 5000}});
  day.Write();
}

}  // namespace

void WriteHandWorkedSeason(const std::string& dataFolder) {
  EnsureFolder(dataFolder);
  WriteMay11(dataFolder);
  WriteMay12(dataFolder);
  WriteMay18(dataFolder);
  WriteMay19(dataFolder);
  WriteJune1(dataFolder);
}

}  // namespace tw::test
