#include "store/snapshot_erase.h"

#include <vector>

#include "records/layout.h"
#include "store/data_folder_lock.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {

namespace {

bool NeedsRaceOnView(SnapshotErase command) {
  return command == SnapshotErase::kRaceAllSnapshots || command == SnapshotErase::kRaceLaterSnapshots;
}

// The 0-based lines the command blanks (all of them for the whole-day erase).
std::vector<size_t> LinesToBlank(SnapshotErase command, int race) {
  std::vector<size_t> lines;
  size_t first = static_cast<size_t>(race) * kSnapshotsPerRace;
  switch (command) {
    case SnapshotErase::kAllRacesAllSnapshots:
      for (size_t k = 0; k < kOddsFileLines; ++k) lines.push_back(k);
      break;
    case SnapshotErase::kRaceAllSnapshots:
      lines = {first, first + 1, first + 2};
      break;
    case SnapshotErase::kAllRacesLaterSnapshots:
      for (size_t b = 0; b < static_cast<size_t>(kDayRaceSlots); ++b) {
        lines.push_back(b * kSnapshotsPerRace + 1);
        lines.push_back(b * kSnapshotsPerRace + 2);
      }
      break;
    case SnapshotErase::kRaceLaterSnapshots:
      lines = {first + 1, first + 2};
      break;
  }
  return lines;
}

// Rewrites one odds file; a file left as it was is added to `failures`.
void EraseInFile(SnapshotErase command, int race, const std::string& path, size_t length, std::uintmax_t maxBytes,
                 std::vector<OddsFileFailure>& failures) {
  std::vector<std::string> lines;
  if (command == SnapshotErase::kAllRacesAllSnapshots) {
    lines.assign(kOddsFileLines, std::string(length, ' '));  // created when missing
  } else {
    std::string bytes;
    switch (ReadFileBounded(path, maxBytes, bytes)) {
      case ReadStatus::kMissing:
        return;  // nothing to erase, nothing written
      case ReadStatus::kUnreadable:
        failures.push_back({path, OddsFileProblem::kUnreadable, {}});
        return;
      case ReadStatus::kTooLarge:
        failures.push_back({path, OddsFileProblem::kTooLarge, {}});
        return;
      case ReadStatus::kRead:
        break;
    }
    lines = SplitLines(bytes);
    // A short file gets the 108 lines of a full day before lines are blanked.
    NormaliseLines(lines, length, kOddsFileLines);
    for (size_t k : LinesToBlank(command, race)) lines[k].assign(length, ' ');
  }
  SaveResult saved = SaveLines(path, lines);
  if (!saved) failures.push_back({path, OddsFileProblem::kNotSaved, saved.error});
}

}  // namespace

bool EraseApplies(SnapshotErase command, int race) {
  return !NeedsRaceOnView(command) || (race >= 0 && race < kDayRaceSlots);
}

SnapshotEraseResult EraseSnapshots(SnapshotErase command, const std::string& dataFolder, const std::string& dayText,
                                   int race) {
  SnapshotEraseResult result;
  if (!EraseApplies(command, race)) return result;
  DataFolderLock lock(dataFolder);
  std::string base = JoinPath(dataFolder, dayText);
  if (lock.busy()) {
    result.failures.push_back({dataFolder, OddsFileProblem::kBusy, lock.error()});
    return result;
  }
  if (!lock.held()) {  // a folder that cannot be written: neither file is
    for (const char* extension : {".jvO1", ".jvO2"})
      result.failures.push_back({base + extension, OddsFileProblem::kNotSaved, SjisToUtf8(lock.error())});
    return result;
  }
  EraseInFile(command, race, base + ".jvO1", kWinOddsLineLength, kWinOddsFileByteLimit, result.failures);
  EraseInFile(command, race, base + ".jvO2", kQuinellaLineLength, kQuinellaOddsFileByteLimit, result.failures);
  result.erased = result.failures.empty();
  return result;
}

}  // namespace tw
