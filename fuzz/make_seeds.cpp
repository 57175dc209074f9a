// Writes the seed corpus of every fuzz target from days built like the
// tests build them: fuzz_make_seeds <corpus folder>. Day files go in the
// fitted form (trailing spaces cut, the target pads the lines again), with a
// few raw inputs beside them.
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "support/day_builder.h"
#include "text/files.h"
#include "text/sjis.h"

namespace {

using namespace tw;
using namespace tw::fuzz;
using namespace tw::test;

constexpr unsigned kFitted = 1;
constexpr unsigned kRaw = 0;

std::string TrimRight(std::string line) {
  size_t end = line.find_last_not_of(' ');
  line.resize(end == std::string::npos ? 0 : end + 1);
  return line;
}

// File bytes with trailing spaces cut from every line.
std::string Trimmed(const std::string& bytes) {
  std::string out;
  for (const std::string& line : SplitLines(bytes)) out += TrimRight(line) + "\r\n";
  return out;
}

std::string ReadOrEmpty(const std::string& path) { return ReadFileBytes(path).value_or(std::string()); }

void Save(const std::string& folder, const std::string& target, const std::string& name, const std::string& bytes) {
  std::string dir = folder + "/" + target;
  std::filesystem::create_directories(dir);
  WriteFile(dir + "/" + name, bytes);
}

// Two races of course 05 with runners, a payout and two snapshots, and an
// eighth line so that the load creates missing odds files.
DayBuilder SampleDay(const std::string& folder, bool withOdds) {
  DayBuilder day(folder);
  int first = day.AddRace("05", 1, 8, "1010");
  int second = day.AddRace("05", 2, 10, "1040");
  day.AddRunners(first);
  day.AddRunners(second);
  day.AddSamplePayout(first);
  if (withOdds) {
    day.AddSampleSnapshot(first, 1, 9, 40);
    day.AddSampleSnapshot(first, 2, 10, 0);
  }
  return day;
}

void LoadDaySeeds(const std::string& corpus) {
  ScratchFolder scratch;
  DayBuilder day = SampleDay(scratch.str(), true);
  day.Write();
  std::vector<std::string> parts = {
      Trimmed(ReadOrEmpty(day.RaceFilePath())), Trimmed(ReadOrEmpty(day.FilePath(".jvHR"))),
      Trimmed(ReadOrEmpty(day.FilePath(".jvO1"))), Trimmed(ReadOrEmpty(day.FilePath(".jvO2"))),
      Trimmed(ReadOrEmpty(day.RunnerFilePath("05")))};
  Save(corpus, "load_day", "day-two-races", JoinInput(kFitted, parts));
  // Seven race lines and no odds files: the load creates them.
  std::string race = parts[0] + "\r\n\r\n\r\n\r\n\r\n";
  Save(corpus, "load_day", "day-creates-odds", JoinInput(kFitted, {race, parts[1]}));
  // A full field of 18 with both snapshots whole: every quinella pair and
  // every runner up to horse 18 holds a value, so the last fields are read.
  ScratchFolder fullScratch;
  DayBuilder full(fullScratch.str());
  int slot = full.AddRace("05", 1, 18, "1010");
  full.AddRunners(slot);
  full.AddSamplePayout(slot);
  full.AddSampleSnapshot(slot, 1, 9, 40);
  full.AddSampleSnapshot(slot, 2, 10, 0);
  full.Write();
  Save(corpus, "load_day", "day-full-field",
       JoinInput(kFitted, {Trimmed(ReadOrEmpty(full.RaceFilePath())), Trimmed(ReadOrEmpty(full.FilePath(".jvHR"))),
                           Trimmed(ReadOrEmpty(full.FilePath(".jvO1"))), Trimmed(ReadOrEmpty(full.FilePath(".jvO2"))),
                           Trimmed(ReadOrEmpty(full.RunnerFilePath("05")))}));
  Save(corpus, "load_day", "raw-line-feeds", JoinInput(kRaw, {std::string(8, '\n')}));
  Save(corpus, "load_day", "raw-short-lines",
       JoinInput(kRaw, {std::string("RA0000000002024051205020601\r\n\0\r\n", 32)}));
}

std::string Op(int op, int slot, const std::string& record) {
  return std::string(1, static_cast<char>(op)) + std::string(1, static_cast<char>(slot)) + TrimRight(record);
}

void StoreSeeds(const std::string& corpus) {
  ScratchFolder scratch;
  DayBuilder day(scratch.str());
  std::string key = day.Key("05", 1), other = day.Key("05", 2);
  std::string race = RaceLine(key, 8, "1010");
  race.replace(2, 9, "220240510");
  std::vector<std::string> ops = {Op(0, 0, race),
                                  Op(0, 0, RaceLine(other, 10, "1040")),
                                  Op(1, 0, RunnerLine(key, 1, 1)),
                                  Op(1, 0, RunnerLine(key, 2, 2)),
                                  Op(1, 0, RunnerLine(other, 1, 1)),
                                  Op(2, 0, PayoutLine(key)),
                                  Op(7, 0, ""),
                                  Op(6, 0, WinOddsLine(key, "05120940", SampleWinOdds(8, 1))),
                                  Op(6, 0x80, QuinellaOddsLine(key, "05120940", SampleQuinellaOdds(8, 1))),
                                  Op(6, 0, WinOddsLine(key, "05121000", SampleWinOdds(8, 2))),
                                  Op(4, 0, RaceLine(key, 8, "1015")),
                                  Op(5, 0, RunnerLine(key, 2, 2)),
                                  Op(3, 0, PayoutLine(other))};
  Save(corpus, "store_writers", "download-and-fetch", JoinInput(kFitted, ops));
  // A full field: runners up to horse 18 and odds of every pair.
  std::string fullKey = day.Key("05", 3);
  std::vector<std::string> fullOps = {Op(0, 0, RaceLine(fullKey, 18, "1110"))};
  for (int horse = 1; horse <= 18; ++horse)
    fullOps.push_back(Op(1, 0, RunnerLine(fullKey, horse, (horse + 1) / 2 % 9)));
  fullOps.push_back(Op(5, 0, RunnerLine(fullKey, 17, 8)));
  fullOps.push_back(Op(6, 6, WinOddsLine(fullKey, "05121040", SampleWinOdds(18, 1), SampleBracketOdds(18, 1))));
  fullOps.push_back(Op(6, 0x86, QuinellaOddsLine(fullKey, "05121040", SampleQuinellaOdds(18, 1))));
  fullOps.push_back(Op(6, 0x87, QuinellaOddsLine(fullKey, "05121100", SampleQuinellaOdds(18, 2))));
  Save(corpus, "store_writers", "full-field", JoinInput(kFitted, fullOps));
  Save(corpus, "store_writers", "raw-race", JoinInput(kRaw, {Op(0, 0, race) + "\r\n"}));
}

void SettingsSeeds(const std::string& corpus) {
  const std::string file =
      "[locate]\r\ntop=10\r\nleft=20\r\nwidth=800\r\nheight=600\r\n\r\n[Printlocate]\r\ntop=5\r\nleft=5\r\n"
      "width=630\r\nheight=450\r\n[PrintZoom]\r\nratio=1\r\n; comment\r\n[JvDataGet]\r\n"
      "LastTime=2024/05/04 10:00:00\r\n[Dir]\r\njikeiretu=\xA2"
      "C:\\Series\\Data\xA3\r\n[Time]\r\ndelay=5\r\n"
      "AutoRdataGet=15\r\n[datalist]\r\nclose=1\r\n";
  auto op = [](int key, int kind, const std::string& value) {
    return std::string(1, static_cast<char>(key)) + std::string(1, static_cast<char>(kind)) + value;
  };
  Save(corpus, "settings", "write-raw", JoinInput(kRaw, {file, op(10, 0, "D:\\Series")}));
  Save(corpus, "settings", "write-integer", JoinInput(kRaw, {file, op(12, 1, std::string("\0\0\0\x3c", 4))}));
  Save(corpus, "settings", "write-bool-new-section", JoinInput(kRaw, {"[locate]\ntop=1\n", op(13, 2, "\x01")}));
  Save(corpus, "settings", "duplicate-sections", JoinInput(kRaw, {"[Time]\r\n[time]\r\ndelay=9\r\n", op(11, 1, "7")}));
}

void ImportSeeds(const std::string& corpus) {
  ScratchFolder scratch;
  DayBuilder day = SampleDay(scratch.str(), false);
  day.AddBlankRaceLines(5);
  day.Write();
  std::string race = Trimmed(ReadOrEmpty(day.RaceFilePath()));
  std::string key = day.Key("05", 1);
  std::string win, quinella;
  for (const char* at : {"05120930", "05120945", "05121005", "05111700"}) {
    win += TrimRight(WinOddsLine(key, at, SampleWinOdds(8, at[7] - '0'))) + "\r\n";
    quinella += TrimRight(QuinellaOddsLine(key, at, SampleQuinellaOdds(8, at[7] - '0'))) + "\r\n";
  }
  Save(corpus, "timeseries_import", "one-race", JoinInput(kFitted, {race, "", "", win, quinella}));
  std::string fullWin, fullQuinella;
  for (const char* at : {"05120930", "05121005"}) {
    fullWin += TrimRight(WinOddsLine(key, at, SampleWinOdds(18, at[7] - '0'), SampleBracketOdds(18, 1))) + "\r\n";
    fullQuinella += QuinellaOddsLine(key, at, SampleQuinellaOdds(18, at[7] - '0')) + "\r\n";
  }
  Save(corpus, "timeseries_import", "full-field", JoinInput(kFitted, {race, "", "", fullWin, fullQuinella}));
  Save(corpus, "timeseries_import", "raw-short-lines", JoinInput(kRaw, {race, "", "", win, quinella}));
}

void FeedSeeds(const std::string& corpus) {
  std::string key = RaceKey(2024, 5, 12, "05", 2, 6, 11);
  std::string odds;
  for (const char* at : {"05121430", "05121500", "05121530", "00000000"}) {
    odds += TrimRight(WinOddsLine(key, at, SampleWinOdds(10, 1))) + "\r\n";
    odds += TrimRight(QuinellaOddsLine(key, at, SampleQuinellaOdds(10, 1))) + "\r\n";
  }
  std::string faults = "# sample\r\nJVRTOpen(0B30)=-303\r\nJVRead@2=throw\r\nJVOpen=-1\r\nbad line\r\n";
  std::string card =
      "0"
      "20240509120000-card.jvd\n" +
      TrimRight(RaceLine(key, 10, "1540")) + "\r\n" + TrimRight(RunnerLine(key, 1)) + "\r\n";
  std::string stage =
      "1"
      "20240512154500-05020611.jvd\n" +
      TrimRight(RaceLine(key, 10, "1540")) + "\r\n";
  std::string late =
      "1"
      "20240512170000-05020611.jvd\nSE7\r\n";
  Save(corpus, "standin_feed", "race-day", JoinInput(kRaw, {"20240512151000" + key, odds, faults, card, stage, late}));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_make_seeds <corpus folder>\n");
    return 2;
  }
  std::string corpus = argv[1];
  LoadDaySeeds(corpus);
  StoreSeeds(corpus);
  SettingsSeeds(corpus);
  ImportSeeds(corpus);
  FeedSeeds(corpus);
  return 0;
}
