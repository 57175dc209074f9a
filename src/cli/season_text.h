// The season report as tables for people (UTF-8): the season, then each
// breakdown, each group with a line for the bets as quinella tickets, one
// for them as wide tickets and one for the reference; then the days that
// were not counted. Its layout is not a format to rely on; --json is.
#pragma once

#include <ostream>
#include <string_view>

#include "cli/season_heading.h"
#include "season/season_totals.h"

namespace tw {

void WriteSeasonText(const SeasonTotals& totals, const SeasonHeading& heading, std::ostream& out);

// The days without results and the days skipped with their reasons; nothing
// when there are none.
void WriteSeasonDayLists(const SeasonTotals& totals, std::ostream& out);

// Columns of a UTF-8 text on a terminal: two for a wide (full-width)
// character, one for ASCII and half-width katakana.
int DisplayWidth(std::string_view utf8);

}  // namespace tw
