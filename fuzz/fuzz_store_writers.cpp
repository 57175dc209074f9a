// The store's writers on records the input gives. Each part is one
// operation: its first byte picks the writer, its second byte the odds slot,
// the rest is the record. After every operation the data folder holds only
// day files with lines of their stored length, only the file the result
// names has changed, and within it only the record's own line or slot.
#include <algorithm>
#include <cstdint>

#include "fuzz_support.h"
#include "records/day_files.h"
#include "records/layout.h"
#include "records/record_header.h"
#include "store/race_day_store.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/sjis.h"
#include "watched_folder.h"

namespace {

using namespace tw;
using namespace tw::fuzz;

// Variety comes from many inputs more than from long ones; the full-field
// seed (23 operations, horse 17 the 18th) must still run to its end.
constexpr size_t kMaxOperations = 24;
constexpr long long kFromDate = 20240501;

struct FileKind {
  const char* extension;
  size_t length;
};
constexpr FileKind kKinds[] = {{".jvRA", kRaceLineLength},
                               {".jvSEr", kRunnerLineLength},
                               {".jvHR", kPayoutLineLength},
                               {".jvO1", kWinOddsLineLength},
                               {".jvO2", kQuinellaLineLength}};

const FileKind* KindOf(const std::string& path) {
  for (const auto& kind : kKinds) {
    std::string ext = kind.extension;
    if (path.size() > ext.size() && path.compare(path.size() - ext.size(), ext.size(), ext) == 0) return &kind;
  }
  return nullptr;
}

bool CalendarDate(const DayNameParts& parts) {
  if (!AllDigits(parts.year) || !AllDigits(parts.month) || !AllDigits(parts.day)) return false;
  int y = std::stoi(parts.year), m = std::stoi(parts.month), d = std::stoi(parts.day);
  static const int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (m < 1 || m > 12 || d < 1) return false;
  bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return d <= (m == 2 && !leap ? 28 : kDays[m - 1]);
}

std::string RelativeName(const std::string& sjisName) { return "Data/" + SjisToUtf8(sjisName); }

// Lines of other race keys in `before` are all still in `after`.
void CheckKeyedLinesKept(const std::string& before, const std::string& after, size_t length, const std::string& key) {
  auto kept = SplitLines(after);
  for (const std::string& line : SplitLines(before)) {
    if (IsBlank(line) || RaceKey(line) == key) continue;
    Check(std::find(kept.begin(), kept.end(), line) != kept.end(), "a write of one race changed another race");
  }
  Check(std::is_sorted(kept.begin(), kept.end()), "keyed file not in race-key order");
  (void)length;
}

void CheckSlotsKept(const std::string& before, const std::string& after, size_t length, int line) {
  size_t record = length + kLineEndLength;
  Check(before.size() == after.size(), "a write of one slot changed the line count");
  for (size_t k = 0; k * record < before.size(); ++k) {
    if (static_cast<int>(k) == line) continue;
    Check(FixedRecord(before, record, k) == FixedRecord(after, record, k), "a write of one slot changed another");
  }
}

void CheckWrite(const WatchedFolder& folder, const FolderChanges& changes, const StoreResult& result,
                const std::string& record) {
  // Files that did not change were checked when they last did.
  std::string target = result.name.empty() ? std::string() : RelativeName(result.name);
  for (const std::string& path : changes.paths) {
    const std::string* bytes = folder.Find(path);
    Check(bytes != nullptr, "file removed: " + path);
    const FileKind* kind = KindOf(path);
    Check(kind != nullptr, "unexpected file in the data folder: " + path);
    Check(FixedLines(*bytes, kind->length), "lines of the wrong length in " + path);
    Check(result.stored && path == target, "a file changed that the result does not name: " + path);
  }
  if (!result.stored) return;
  const std::string* now = folder.Find(target);
  Check(now != nullptr, "the file the result names is missing: " + target);
  // Before the write: the bytes the look replaced, the file as it is when
  // unchanged, none when it was created.
  const std::string* old = now;
  if (changes.paths.count(target)) {
    auto before = changes.before.find(target);
    old = before == changes.before.end() ? nullptr : &before->second;
  }
  const FileKind* kind = KindOf(target);
  std::string ext = kind->extension;
  if (ext == ".jvSEr") {
    Check(now->size() == kRunnerFileLines * kRunnerRecordLength, "runner file not 216 lines");
    if (old != nullptr) CheckSlotsKept(*old, *now, kind->length, result.line);
  } else if (ext == ".jvO1" || ext == ".jvO2") {
    Check(old != nullptr, "odds file created by a fetch");
    CheckSlotsKept(*old, *now, kind->length, result.line);
  } else if (old != nullptr) {
    CheckKeyedLinesKept(*old, *now, kind->length, RaceKey(record));
  }
  StrictCheck(CalendarDate(PartsOfDayName(result.name)), "file of a day that is no calendar date: " + target);
  if (ext == ".jvSEr") {
    StrictCheck(result.name.substr(kDayNameLength, 4) != "    ", "runner file of an unknown course: " + target);
  }
}

// Filling the race files changes race files only, by lines added to the end.
void CheckFill(const WatchedFolder& folder, const FolderChanges& changes) {
  for (const std::string& path : changes.paths) {
    auto old = changes.before.find(path);
    Check(old != changes.before.end(), "filling race files created a file: " + path);
    const std::string* bytes = folder.Find(path);
    Check(bytes != nullptr, "filling race files removed " + path);
    Check(path.size() > 5 && path.compare(path.size() - 5, 5, ".jvRA") == 0, "filling changed " + path);
    Check(bytes->compare(0, old->second.size(), old->second) == 0, "filling changed a race line: " + path);
    Check(bytes->size() == kRaceFileFullLines * kRaceRecordLength, "filled race file not 36 lines: " + path);
  }
}

// Blank odds files of the record's day, as the day load creates them; true
// when one was made.
bool EnsureOddsFiles(const std::string& dataFolder, const std::string& dayName) {
  bool made = false;
  for (const auto& [name, length] : {std::pair{WinOddsFileName(dayName), kWinOddsLineLength},
                                     std::pair{QuinellaOddsFileName(dayName), kQuinellaLineLength}}) {
    std::string path = JoinPath(dataFolder, name);
    if (FileExists(path)) continue;
    if (!SaveLines(path, std::vector<std::string>(kOddsFileLines, std::string(length, ' ')))) std::abort();
    made = true;
  }
  return made;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input = SplitInput(data, size);
  PhaseClock clock;
  ScratchFolder& scratch = EmptiedScratch();
  const std::string dataFolder = scratch.Sub("Data");
  std::filesystem::create_directories(ToFsPath(dataFolder));
  RaceDayStore store(dataFolder);
  // One for the run: the buffers of the large odds files serve every input.
  static WatchedFolder folder(scratch.path());
  folder.Forget();
  clock.Mark("set-up");
  store.StartDownload(kFromDate);

  static const char* kTypes[] = {"RA", "SE", "HR", "HR", "RA", "SE", "O1", ""};
  for (size_t n = 0; n < input.parts.size() && n < kMaxOperations; ++n) {
    const std::string& part = input.parts[n];
    if (part.size() < 2) continue;
    int op = static_cast<unsigned char>(part[0]) % 8;
    int slotByte = static_cast<unsigned char>(part[1]);
    std::string record = part.substr(2);
    if (input.fitted && op != 7) {
      std::string type = op == 6 && (slotByte & 0x80) ? "O2" : kTypes[op];
      record = type + (record.size() > 2 ? record.substr(2) : std::string());
      if (record.size() < 2 || record.compare(record.size() - 2, 2, "\r\n") != 0) record += "\r\n";
    }
    bool added = false;
    if (op == 6) {
      if (auto day = DayNameOf(record)) added = EnsureOddsFiles(dataFolder, *day);
    }

    if (added) folder.Look();
    clock.Mark("set-up");
    std::vector<StoreResult> results;
    switch (op) {
      case 0:
        results.push_back(store.StoreRaceRecord(record));
        break;
      case 1:
        results.push_back(store.StoreRunnerRecord(record));
        break;
      case 2:
        results.push_back(store.StorePayoutRecord(record, RecordSource::kDownload));
        break;
      case 3:
        results.push_back(store.StorePayoutRecord(record, RecordSource::kResultFetch));
        break;
      case 4:
        results.push_back(store.UpdateRaceRecord(record));
        break;
      case 5:
        results.push_back(store.UpdateRunnerRecord(record));
        break;
      case 6:
        results.push_back(store.StoreOddsSnapshot(record, (slotByte & 0x7F) % 40, DayNameOf(record).value_or("")));
        break;
      default:
        results = store.FillCreatedRaceFiles();
        break;
    }
    clock.Mark("writes");
    const FolderChanges& changes = folder.Look();
    CheckOnlyIn(folder.files(), {"Data"});
    if (op == 7) {
      CheckFill(folder, changes);
    } else {
      CheckWrite(folder, changes, results.front(), record);
    }
    clock.Mark("checks");
  }
  folder.CheckAllSeen();
  clock.Mark("checks");
  return 0;
}
