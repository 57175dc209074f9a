// Loading a race day from files the input gives: the race file, the payout
// file, both odds files and the runner files of the first courses named in
// the race file, kept in memory. The load may create the odds files and
// nothing else, and it never changes a file that was there.
#include <cstdint>
#include <set>

#include "analysis/load_race_day.h"
#include "analysis/race_day_model.h"
#include "analysis/race_list.h"
#include "codes/courses.h"
#include "fuzz_support.h"
#include "records/day_files.h"
#include "records/layout.h"
#include "text/files.h"
#include "text/memory_files.h"
#include "text/sjis.h"

namespace {

using namespace tw;
using namespace tw::fuzz;

constexpr size_t kMaxRunnerFiles = 3;
// Race files with more lines than this are left to the strict mode: the odds
// files created for them grow with the race file's length.
constexpr size_t kLenientRaceLineBreaks = 48;

// The course codes of the race file's lines, first seen first.
std::vector<std::string> CoursesOf(const std::string& raceBytes) {
  std::vector<std::string> courses;
  for (const std::string& line : SplitLines(raceBytes)) {
    if (line.size() < 21) continue;
    std::string code = line.substr(19, 2);
    bool seen = false;
    for (const auto& c : courses) seen = seen || c == code;
    if (!seen) courses.push_back(code);
    if (courses.size() == kMaxRunnerFiles) break;
  }
  return courses;
}

std::string Utf8Name(const std::string& sjisName) { return "Data/" + SjisToUtf8(sjisName); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input = SplitInput(data, size);
  if (!StrictChecks() && CountLineBreaks(input.Part(0)) > kLenientRaceLineBreaks) return 0;

  // The day's files are kept in memory: the loader reads and creates them
  // through the same readers and saves as on disk. The root is never made,
  // so nothing can reach the disk unnoticed.
  PhaseClock clock;
  ScopedMemoryFiles memory;
  static const std::string root = EmptiedScratch().Sub("memory");
  const std::string dataFolder = JoinPath(root, "Data");
  const std::string day = Sjis("2024年05月12日");
  auto fit = [&](size_t index, size_t length) {
    return input.fitted ? FitLines(input.Part(index), length) : input.Part(index);
  };
  auto put = [&](const std::string& name, std::string&& bytes) {
    memory.Save(JoinPath(dataFolder, name), std::move(bytes));
  };
  if (input.Has(0)) put(RaceFileName(day), fit(0, kRaceLineLength));
  if (input.Has(1)) put(PayoutFileName(day), fit(1, kPayoutLineLength));
  if (input.Has(2)) put(WinOddsFileName(day), fit(2, kWinOddsLineLength));
  if (input.Has(3)) put(QuinellaOddsFileName(day), fit(3, kQuinellaLineLength));
  std::vector<std::string> courses = CoursesOf(input.Part(0));
  for (size_t k = 0; k < courses.size() && input.Has(4 + k); ++k) {
    std::string name = RunnerFileName(day, courses[k]);
    // A name that is not a plain file name of the data folder is not written.
    if (name.find_first_of(std::string("/\\\0", 3)) != std::string::npos) continue;
    put(name, fit(4 + k, kRunnerLineLength));
  }

  const Tree before = MemoryTree(memory.files(), root);
  clock.Mark("set-up");
  // One model for the run, reloaded by every input as the program reloads
  // its one model: building 36 slots of record texts took a tenth of an
  // input. The load writes every text and analysis value it reads; only the
  // remembered race is the user's, and it starts from nothing each time.
  static RaceDayModel model;
  // The list is built anew: kept, its entries would outnumber the frees of
  // an input whenever it grows, and libFuzzer runs such an input twice to
  // look for a leak.
  RaceList list;
  model.selectedRace = model.rememberedRace = 0;
  LoadRaceDayResult result = LoadRaceDay(model, list, dataFolder, day, 15, (input.mode & 2) ? day : std::string());
  clock.Mark("load");
  const Tree after = MemoryTree(std::move(memory.files()), root);

  CheckOnlyIn(after, {"Data"});
  CheckUnchanged(before, after, "load");
  const std::set<std::string> mayCreate = {Utf8Name(WinOddsFileName(day)), Utf8Name(QuinellaOddsFileName(day))};
  for (const auto& [path, bytes] : after) {
    if (before.count(path)) continue;
    Check(mayCreate.count(path) == 1, "load created an unexpected file: " + path);
    bool win = path == Utf8Name(WinOddsFileName(day));
    size_t length = win ? kWinOddsLineLength : kQuinellaLineLength;
    Check(FixedLines(bytes, length), "created odds file with lines of the wrong length: " + path);
    StrictCheck(bytes.size() <= kOddsFileLines * (length + kLineEndLength),
                "created odds file longer than 108 lines: " + path + " (" + std::to_string(bytes.size()) + " bytes)");
  }

  Check(input.Has(0) == (result.outcome != LoadOutcome::kNoRaceFile), "outcome does not match the race file");
  Check(model.raceCount >= 0 && model.raceCount <= kMaxRaces, "race count out of range");
  for (int row = 0; row < list.rows(); ++row) {
    int slot = list.SlotOfRow(row);
    Check(slot >= 0 && slot < model.raceCount, "race list row names a slot past the race count");
  }
  Check(result.shownSlot >= -1 && result.shownSlot < kMaxRaces, "shown slot out of range");
  if (result.outcome == LoadOutcome::kLoaded) {
    Check(result.resultIntervalMillis == 15 * 60000LL, "result interval not taken from the setting");
  }
  Check(!std::filesystem::exists(root), "the load wrote to the disk");
  clock.Mark("checks");
  return 0;
}
