// The season report as one line of UTF-8 JSON (docs/season-json.md).
#pragma once

#include <ostream>

#include "cli/season_heading.h"
#include "season/season_totals.h"

namespace tw {

void WriteSeasonJson(const SeasonTotals& totals, const SeasonHeading& heading, std::ostream& out);

}  // namespace tw
