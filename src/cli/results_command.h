// `turfwise-cli results --app-dir DIR --day DAYNAME [--now TIME]`: the
// results command of the main window for the day: race, runner and payout
// records of the results stream stored into the day's files, then the
// payouts imported. Failures go to standard output and ErrorLog.txt.
#pragma once

#include <string>
#include <vector>

#include "cli/acquire_session.h"
#include "cli/cli.h"

namespace tw {

inline constexpr const char* kResultsUsage =
    "--app-dir DIR --day DAYNAME [--now TIME]\n"
    "      Fetches the results and payouts of the day into its files.";

int RunResults(std::vector<std::string> args, CliContext& context, AcquireEnv& env);

}  // namespace tw
