// The day's odds files (.jvO1, .jvO2): three snapshot lines per race line.
#pragma once

#include <string>

namespace tw {

// When the race file at `raceFilePath` has more than 6 lines, creates each
// missing odds file beside it (the race file's name with the extension
// changed) with 3 blank lines per race-file line: 960 spaces in .jvO1, 2040
// in .jvO2. Existing odds files are left as they are.
void CreateOddsFiles(const std::string& raceFilePath);

}  // namespace tw
