// The printed season report: one A4 page with the title "成績集計", what
// was asked for (dates, courses, data folder), the day counts, the figures
// of the whole season with its biggest hits and the table by upset rating.
#pragma once

#include <string>
#include <vector>

#include "print/page.h"
#include "season/season_table.h"
#include "season/season_totals.h"

namespace tw {

// What the report was made for.
struct SeasonPageFilters {
  std::string dataFolder;            // Shift-JIS
  std::string from, to;              // yyyymmdd; empty: open
  std::vector<std::string> courses;  // names, Shift-JIS; empty: every course
};

// The page is laid out in tenths of a millimetre within this width.
inline constexpr int kSeasonPageLeft = 150;
inline constexpr int kSeasonPageRight = 1900;

Page BuildSeasonPage(const SeasonTotals& totals, const SeasonPageFilters& filters);

// The name of the print job and of the PDF's title.
const std::string& SeasonPageCaption();

// The width of a Shift-JIS text in the monospaced print font: half an em a
// byte, so a double-byte character takes a whole one.
int SeasonTextWidth(const std::string& sjis, int points);

}  // namespace tw
