// The printed odds-fetch schedule: the schedule grid with the program's title
// and the day on top of every page.
#pragma once

#include <string>
#include <vector>

#include "print/grid_print.h"

namespace tw {

// The page header: the title 10 mm from the left and 4 mm from the top, the
// day text (as the window's day label shows it) at 10 mm and 8 mm.
GridPageHeader SchedulePageHeader(const std::string& dayText);

// The pages of the schedule grid.
std::vector<Page> PrintScheduleGrid(const GridTable& grid, const std::string& dayText, const PrinterMetrics& printer);

}  // namespace tw
