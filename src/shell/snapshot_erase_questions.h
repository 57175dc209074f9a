// The questions around erasing odds snapshots of the loaded day from the file
// menu: the checks and the confirmation before the store erases, and the
// failures told after.
#pragma once

#include <string>

#include "base/user_port.h"
#include "store/snapshot_erase.h"

namespace tw {

// After either, the caller reloads the day, which shows it as the files now
// hold it (one file may be erased when the other failed).
struct EraseOutcome {
  bool erased = false;  // confirmed and carried out on both files
  int selectRace = 0;   // the race to select and show after the reload
  bool failed = false;  // an odds file could not be read or saved (the user was told)
};

// Runs one erase command on the day `dayText` (the day selector's text) in
// `dataFolder`, with `selectedRace` the slot on view (0-35). A blank day text
// beeps and informs "データが読み込まれていません。"; without a race on view
// a race command asks nothing; otherwise the user confirms with Yes/No, and
// No changes nothing. Each odds file that could not be read or saved is told
// with a beep and a dialog that its snapshots were not erased.
EraseOutcome RunSnapshotErase(SnapshotErase command, const std::string& dataFolder, const std::string& dayText,
                              int selectedRace, UserPort& port);

}  // namespace tw
