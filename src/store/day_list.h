// The list of stored race days: one entry per race file of the data folder.
#pragma once

#include <string>
#include <vector>

namespace tw {

// The day names of the "*.jvRA" files in `dataFolder` (the first 14 bytes of
// each name), newest first: the names are listed in ascending order and
// walked from the last to the first. A missing or empty folder gives none.
std::vector<std::string> MakeDayList(const std::string& dataFolder);

}  // namespace tw
