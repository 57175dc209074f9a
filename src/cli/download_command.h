// `turfwise-cli download --app-dir DIR [--from "yyyy/mm/dd hh:nn:ss"]
// [--normal|--this-week] [--now TIME]`: the race-card download of the
// "ＪＶデータ取込" window without the window. Progress texts and the stored
// records go to standard output, the window's dialogs to standard error.
#pragma once

#include <string>
#include <vector>

#include "cli/acquire_session.h"
#include "cli/cli.h"

namespace tw {

inline constexpr const char* kDownloadUsage =
    "--app-dir DIR [--from \"yyyy/mm/dd hh:nn:ss\"] [--normal|--this-week] [--now TIME]\n"
    "      Downloads the race cards provided since the from-time (by default the time remembered\n"
    "      by the last download) into DIR/Data; this week's data unless --normal.";

int RunDownload(std::vector<std::string> args, CliContext& context, AcquireEnv& env);

}  // namespace tw
