// The printed season report, A4 pages: the title "成績集計", what was asked
// for (dates, courses, filters, data folder), the day counts, the figures of
// the whole season with its biggest hits and largest falls, every breakdown
// (as many pages as they take), and both charts on a page of their own.
#pragma once

#include <string>
#include <vector>

#include "print/page.h"
#include "print/season_table_print.h"
#include "season/season_chart_data.h"
#include "season/season_totals.h"

namespace tw {

// What the report was made for.
struct SeasonPageFilters {
  std::string dataFolder;            // Shift-JIS
  std::string from, to;              // yyyymmdd; empty: open
  std::vector<std::string> courses;  // names, Shift-JIS; empty: every course
  std::string filter;                // the races counted, Shift-JIS (SeasonFilter::Text); empty: all
};

// `profit` is the running profit the report drew day by day;
// `takeoutPercent` the share of stakes paid back on average (77.5).
std::vector<Page> BuildSeasonPages(const SeasonTotals& totals, const SeasonPageFilters& filters,
                                   const SeasonProfitLine& profit, double takeoutPercent);

// The name of the print job and of the PDF's title.
const std::string& SeasonPageCaption();

}  // namespace tw
