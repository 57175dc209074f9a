// `turfwise-cli analyse --data DIR --day DAYNAME [--text]`: loads one race
// day from a data folder exactly as the program does when the day is chosen
// (missing odds files are created), analyses it and prints the analysis as
// JSON, or with --text as a short table per race.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "analysis/race_day_model.h"
#include "cli/cli.h"

namespace tw {

inline constexpr const char* kAnalyseUsage =
    "--data DIR --day DAYNAME [--text]\n"
    "      Loads the day DAYNAME (for example 2024年05月12日) from the data folder DIR,\n"
    "      analyses every race and prints JSON; --text prints a table per race instead.";

// The version of the JSON written by `analyse` (its "version" field): it goes
// up when a field is removed or changes meaning, not when one is added.
// docs/analysis-json.md describes the format.
inline constexpr int kAnalysisJsonVersion = 1;

// The entry of the command table: usage errors give kExitUsage, a day that
// cannot be named or loaded kExitFailure, a day written with problems of its
// files kExitDayFileProblems.
int RunAnalyseCommand(const std::vector<std::string>& args, CliContext& context);

// The loaded and analysed day as JSON (one line); `dayName` is Shift-JIS.
void WriteDayJson(const RaceDayModel& model, const std::string& dayName, std::ostream& out);
// The same day as a short human-readable table per race.
void WriteDayText(const RaceDayModel& model, const std::string& dayName, std::ostream& out);

}  // namespace tw
