// The day's odds files (.jvO1, .jvO2): three snapshot lines per race line.
#pragma once

#include <string>
#include <vector>

#include "store/store_result.h"

namespace tw {

// When the race file at `raceFilePath` has more than 6 lines, creates each
// missing odds file beside it (the race file's name with the extension
// changed) with 3 blank lines for each of the day's 36 race slots: 960
// spaces in .jvO1, 2040 in .jvO2. Existing odds files are left as they are.
void CreateOddsFiles(const std::string& raceFilePath);

// CreateOddsFiles, telling what it did: one result per odds file it created
// or failed to create (stored = false and `error` set when a save failed).
std::vector<StoreResult> CreateMissingOddsFiles(const std::string& raceFilePath);

}  // namespace tw
