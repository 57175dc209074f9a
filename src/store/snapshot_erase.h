// The file menu's commands that erase odds snapshots of the loaded day.
#pragma once

#include <string>

#include "base/user_port.h"

namespace tw {

enum class SnapshotErase {
  kAllRacesAllSnapshots,    // 全レース, 3回分: both odds files become 108 blank lines
  kRaceAllSnapshots,        // 表示レース, 3回分: lines 3i, 3i+1, 3i+2
  kAllRacesLaterSnapshots,  // 全レース, 1回目を残す: lines 3b+1, 3b+2 of every slot b
  kRaceLaterSnapshots,      // 表示レース, 1回目を残す: lines 3i+1, 3i+2
};

struct EraseOutcome {
  bool erased = false;      // confirmed and carried out: the caller reloads the day
  int selectRace = 0;       // the race to select and show after the reload
  bool saveFailed = false;  // an odds file could not be saved (the user was told)
};

// Runs one erase command on the day `dayText` (the day selector's text) in
// `dataFolder`, with `selectedRace` the slot on view (0-35). A blank day text
// beeps and informs "データが読み込まれていません。"; the user confirms with
// Yes/No, and No changes nothing. An odds file that does not exist is
// created only by kAllRacesAllSnapshots; a file shorter than 108 lines is
// padded with blank lines to 108 before lines are blanked.
EraseOutcome EraseSnapshots(SnapshotErase command, const std::string& dataFolder, const std::string& dayText,
                            int selectedRace, UserPort& port);

}  // namespace tw
