// `turfwise-cli fetch-odds --app-dir DIR --day DAYNAME [--race KEY] [--now TIME]`:
// the odds of every race of the day (or of the race KEY, its 16-character
// race key) fetched into the next snapshot of each race, after the manual
// command's checks; failures go to standard output and ErrorLog.txt.
#pragma once

#include <string>
#include <vector>

#include "cli/acquire_session.h"
#include "cli/cli.h"

namespace tw {

inline constexpr const char* kFetchOddsUsage =
    "--app-dir DIR --day DAYNAME [--race KEY] [--now TIME]\n"
    "      Fetches the current odds of every race of the day (or of one race) as its next snapshot.";

int RunFetchOdds(std::vector<std::string> args, CliContext& context, AcquireEnv& env);

}  // namespace tw
