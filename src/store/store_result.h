// What a store operation did: whether it stored the record, the file it wrote
// and, when the save failed, why.
#pragma once

#include <string>
#include <vector>

#include "text/files.h"

namespace tw {

struct StoreResult {
  bool stored = false;  // the record is in the file and the file was saved
  std::string file;     // path of the file written or meant to be written (Shift-JIS)
  std::string name;     // its name without the folder, as the download list shows it
  std::string error;    // why the save failed (Shift-JIS); empty otherwise
  int line = -1;        // 0-based line the record went to, where the layout fixes it
  bool busy = false;    // not saved: another program was writing into the data folder
  // Not saved because the data folder's writer's lock could not be taken.
  bool lockRefused = false;
  // Why the file could not be read, when that was the failure.
  ReadStatus readStatus = ReadStatus::kRead;

  bool failed() const { return !error.empty(); }
};

// The message for the failed saves of a stream, as the store lists them (the
// file that failed first, then those not saved after it): what failed and
// why, that the day's data is incomplete, and which files were not saved.
std::string SaveFailureText(const std::vector<StoreResult>& failed);

}  // namespace tw
