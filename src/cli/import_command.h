// `turfwise-cli import-timeseries --app-dir DIR --day DAYNAME`: runs
// "時系列ｵｯｽﾞより取得" on the day with the time-series folder of DIR's
// settings (setting::kTimeSeriesFolder) and prints the summary message.
#pragma once

#include <string>
#include <vector>

#include "cli/cli.h"

namespace tw {

inline constexpr const char* kImportTimeSeriesUsage =
    "--app-dir DIR --day DAYNAME\n"
    "      Fills the odds snapshots of the day from the time-series viewer's folder and prints the summary.";

// Exit status 0 after the summary (standard output, UTF-8, LF line breaks),
// 3 when the day's files had problems (told on standard error); 1 with the
// message on standard error when a check fails, the day cannot be loaded or
// an odds file cannot be written; 2 for wrong arguments.
int RunImportTimeSeriesCommand(const std::vector<std::string>& args, CliContext& context);

}  // namespace tw
