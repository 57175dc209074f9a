// `turfwise-cli season --data DIR [--from yyyymmdd] [--to yyyymmdd]
// [--course NAME…] [--json | --csv FILE --csv-summary FILE]`: the season
// report over the days of a data folder. Prints its tables, or its JSON
// (docs/season-json.md), or writes one CSV row per race, or per group of the
// summary (UTF-8 with a byte-order mark), into the files given.
#pragma once

#include <string>
#include <vector>

#include "cli/cli.h"

namespace tw {

inline constexpr const char* kSeasonUsage =
    "--data DIR [--from yyyymmdd] [--to yyyymmdd] [--course NAME...] [--rating 小|中|大...]\n"
    "      [--axis-rule 1-7...] [--max-bets N] [--json | --csv FILE --csv-summary FILE]\n"
    "      Counts the suggested bets of every day in the data folder DIR (or of the days from, to,\n"
    "      at the courses named) as 100-yen quinella and wide tickets against their payouts and\n"
    "      prints the figures; --json prints them as JSON, --csv writes one row per race to FILE,\n"
    "      --csv-summary one row for the season and for each group of the breakdowns to FILE.\n"
    "      --rating, --axis-rule and --max-bets count only the races with that upset rating, axis\n"
    "      condition or at most N bets.";

inline constexpr int kSeasonJsonVersion = 1;

// Exit status 0 when the report was made, 3 when it was made with days
// skipped for problems of their files (each told on standard error), 1 when
// the data folder cannot be read or the output cannot be written, 2 for wrong
// arguments.
int RunSeasonCommand(const std::vector<std::string>& args, CliContext& context);

}  // namespace tw
