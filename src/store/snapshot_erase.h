// Erasing odds snapshots of a day from its two odds files, once the command
// is decided (the asking is the caller's).
#pragma once

#include <string>
#include <vector>

namespace tw {

enum class SnapshotErase {
  kAllRacesAllSnapshots,    // 全レース, 3回分: both odds files become 108 blank lines
  kRaceAllSnapshots,        // 表示レース, 3回分: lines 3i, 3i+1, 3i+2
  kAllRacesLaterSnapshots,  // 全レース, 1回目を残す: lines 3b+1, 3b+2 of every slot b
  kRaceLaterSnapshots,      // 表示レース, 1回目を残す: lines 3i+1, 3i+2
};

// False when the command erases lines of the race on view and `race` (the
// slot on view) is not one of the day's 36 slots: there is nothing to erase.
bool EraseApplies(SnapshotErase command, int race);

enum class OddsFileProblem {
  kUnreadable,
  kTooLarge,
  kNotSaved,
  kBusy,  // another program writes into the data folder: nothing was erased
};

// An odds file the erase left as it was: its snapshots are all still there.
struct OddsFileFailure {
  std::string path;  // Shift-JIS
  OddsFileProblem problem = OddsFileProblem::kNotSaved;
  std::string error;  // why the save failed, UTF-8; kBusy: the message, Shift-JIS
};

struct SnapshotEraseResult {
  bool erased = false;                    // the command was carried out on both files
  std::vector<OddsFileFailure> failures;  // win-odds file first
};

// Carries out one erase command on the day `dayText` in `dataFolder`, with
// `race` the slot on view (0-35). Does nothing when the command does not
// apply. An odds file that does not exist is created only by
// kAllRacesAllSnapshots; a file shorter than 108 lines is padded with blank
// lines to 108 before lines are blanked. A file that cannot be read or is
// larger than its layout allows is not replaced (kAllRacesAllSnapshots does
// not read it); a failure does not stop the other file. The files are read
// and saved under the data folder's writer's lock.
SnapshotEraseResult EraseSnapshots(SnapshotErase command, const std::string& dataFolder, const std::string& dayText,
                                   int race);

}  // namespace tw
