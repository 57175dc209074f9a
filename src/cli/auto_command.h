// `turfwise-cli auto --app-dir DIR --day DAYNAME [--now TIME]`: automatic
// fetching for the race day without the window: odds at the planned times
// (less the delay) every 40 seconds, results every "AutoRdataGet" minutes,
// until 18:00 or until interrupted. Each fetch and failure is a line of
// standard output.
#pragma once

#include <string>
#include <vector>

#include "cli/acquire_session.h"
#include "cli/cli.h"

namespace tw {

inline constexpr const char* kAutoUsage =
    "--app-dir DIR --day DAYNAME [--now TIME]\n"
    "      Runs the automatic odds and result fetching of the day (which must be today) until 18:00\n"
    "      or Ctrl+C.";

int RunAuto(std::vector<std::string> args, CliContext& context, AcquireEnv& env);

}  // namespace tw
