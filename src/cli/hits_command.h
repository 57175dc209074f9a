// `turfwise-cli hits --app-dir DIR --day DAYNAME [--ana]`: the hit report of
// "的中" (with --ana "穴的中") on the loaded day, for publishing from a
// script. Writes the report file and the cumulative list into DIR's
// HPupload folder as the window does, and prints the report list (UTF-8) to
// standard output instead of opening it and copying it to the clipboard.
#pragma once

#include <string>
#include <vector>

#include "cli/cli.h"

namespace tw {

inline constexpr const char* kHitsUsage =
    "--app-dir DIR --day DAYNAME [--ana]\n"
    "      Writes the hit report of the day (with --ana only the long-shot hits) into DIR/HPupload\n"
    "      and prints it; a day without hits writes nothing.";

// Exit status 0 when the report ran (with or without hits), 3 when it ran on
// a day with problems of its files, 1 when the day cannot be loaded or a file
// cannot be written, 2 for wrong arguments.
int RunHitsCommand(const std::vector<std::string>& args, CliContext& context);

}  // namespace tw
