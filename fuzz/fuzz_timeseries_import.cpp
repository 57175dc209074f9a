// The time-series import over a loaded day and a companion folder the input
// gives, their files kept in memory. Segment 0 is the day's race file, segments 1 and 2 its odds files, then
// the companion's O1 and O2 file of slot 0, slot 1, … The import changes only
// the day's odds files, and only the snapshot lines of races that have a
// companion file.
#include <cstdint>
#include <set>

#include "analysis/load_race_day.h"
#include "analysis/race_day_model.h"
#include "analysis/race_list.h"
#include "base/settings.h"
#include "base/user_port.h"
#include "fuzz_support.h"
#include "import/timeseries_import.h"
#include "records/day_files.h"
#include "records/layout.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/memory_files.h"
#include "text/sjis.h"

namespace {

using namespace tw;
using namespace tw::fuzz;

constexpr size_t kLenientRaceLineBreaks = 48;
constexpr size_t kFirstCompanionPart = 3;
constexpr int kMaxCompanionSlots = 12;
const char* const kExtensions[2] = {".jvO1", ".jvO2"};
constexpr size_t kLengths[2] = {kWinOddsLineLength, kQuinellaLineLength};

// True when `now` is whole records of `length` bytes and CR LF, and a
// record with a CR or LF inside holds a line the file held before: a damaged
// line the file came with is the file's, not the import's, and the store
// keeps it as it is.
bool FixedLinesButOld(const std::string& now, const std::string& before, size_t length) {
  const size_t record = length + kLineEndLength;
  if (now.size() % record != 0) return false;
  std::set<std::string> old;
  for (const std::string& line : SplitLines(before)) old.insert(PadRight(line, length));
  for (size_t at = 0; at < now.size(); at += record) {
    if (now[at + length] != '\r' || now[at + length + 1] != '\n') return false;
    const std::string line = now.substr(at, length);
    if (line.find_first_of("\r\n") != std::string::npos && old.count(line) == 0) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input = SplitInput(data, size);
  if (!input.Has(0)) return 0;
  if (!StrictChecks() && CountLineBreaks(input.Part(0)) > kLenientRaceLineBreaks) return 0;

  // The day's files, the settings and the companion's files are kept in
  // memory. Only the data folder is on disk, made once, for the writer's
  // lock the store takes; nothing else may appear in it.
  PhaseClock clock;
  static const ScratchFolder scratch;
  static const std::string lockFolder = [] {
    std::filesystem::create_directories(scratch.path() / "app" / "Data");
    return scratch.Sub("app/Data");
  }();
  ScopedMemoryFiles memory;
  const std::string appFolder = scratch.Sub("app");
  const std::string dataFolder = JoinPath(appFolder, "Data");
  const std::string companion = scratch.Sub("series");
  const std::string day = Sjis("2024年05月12日");
  const std::string settingsPath = JoinPath(appFolder, "settings.ini");
  memory.Save(settingsPath, "[Dir]\r\njikeiretu=" + companion + "\r\n");

  auto fit = [&](size_t index, size_t length) {
    return input.fitted ? FitLines(input.Part(index), length) : input.Part(index);
  };
  memory.Save(JoinPath(dataFolder, RaceFileName(day)), fit(0, kRaceLineLength));
  for (int type = 0; type < 2; ++type) {
    if (input.Part(1 + type).empty()) continue;
    memory.Save(JoinPath(dataFolder, day + kExtensions[type]), fit(1 + type, kLengths[type]));
  }

  // Reloaded by every input, as in fuzz_load_day.
  static RaceDayModel model;
  RaceList list;
  model.selectedRace = model.rememberedRace = 0;
  LoadRaceDay(model, list, dataFolder, day, 15, std::string());

  // The companion's files, and which odds lines the import may write.
  std::set<int> slotsWithFile[2];
  for (int slot = 0; slot < kMaxCompanionSlots; ++slot) {
    for (int type = 0; type < 2; ++type) {
      size_t part = kFirstCompanionPart + 2 * static_cast<size_t>(slot) + static_cast<size_t>(type);
      if (!input.Has(part)) continue;
      std::string path = TimeSeriesFilePath(companion, model.slots[static_cast<size_t>(slot)].race, kExtensions[type]);
      if (path.empty()) continue;
      memory.Save(path, input.Part(part));
    }
  }
  for (int slot = 0; slot < kMaxRaces; ++slot) {
    for (int type = 0; type < 2; ++type) {
      std::string path = TimeSeriesFilePath(companion, model.slots[static_cast<size_t>(slot)].race, kExtensions[type]);
      if (!path.empty() && FileExists(path)) slotsWithFile[type].insert(slot);
    }
  }

  const Tree before = MemoryTree(memory.files(), scratch.str());
  clock.Mark("set-up");
  Settings settings(settingsPath);
  SilentUserPort port;
  ImportResult result = ImportTimeSeriesOdds(model, day, appFolder, settings, port);
  clock.Mark("import");
  const Tree after = MemoryTree(std::move(memory.files()), scratch.str());
  Check(ReadTree(lockFolder).empty(), "the import wrote to the disk");

  Check(result.outcome == ImportOutcome::kImported || result.outcome == ImportOutcome::kSaveFailed,
        "import stopped at a check it should pass");
  for (const auto& [path, bytes] : after) {
    Check(before.count(path) == 1, "the import created a file: " + path);
  }
  for (int type = 0; type < 2; ++type) {
    for (int s = 1; s <= kSnapshots; ++s) {
      Check(result.counts[type][s] <= static_cast<int>(slotsWithFile[type].size()), "more snapshots than races");
    }
  }
  for (const auto& [path, bytes] : before) {
    const std::string& now = after.at(path);
    int type = -1;
    for (int t = 0; t < 2; ++t) {
      if (path == "app/Data/" + SjisToUtf8(day + kExtensions[t])) type = t;
    }
    if (type < 0) {
      Check(now == bytes, "the import changed a file that is not an odds file of the day: " + path);
      continue;
    }
    if (now == bytes) continue;
    const size_t length = kLengths[type];
    StrictCheck(FixedLinesButOld(now, bytes, length),
                "odds file with lines of the wrong length after the import: " + path);
    auto oldLines = SplitLines(bytes), newLines = SplitLines(now);
    Check(newLines.size() >= oldLines.size(), "the import dropped odds lines: " + path);
    for (int slot = 0; slot < kMaxRaces; ++slot) {
      if (slotsWithFile[type].count(slot)) continue;
      for (size_t k = 3 * static_cast<size_t>(slot); k < 3 * static_cast<size_t>(slot) + 3; ++k) {
        if (k < oldLines.size()) {
          Check(oldLines[k] == newLines[k], "the import changed a line of a race without a companion file");
        }
        std::string_view old = FixedRecord(bytes, length + kLineEndLength, k);
        StrictCheck(old.empty() || old == FixedRecord(now, length + kLineEndLength, k),
                    "the import moved the snapshot of a race without a companion file: " + path);
      }
    }
  }
  clock.Mark("checks");
  return 0;
}
