// The analysis print-out: one A4 page per race of the loaded day with the
// head, the share and difference tables, the bets with their odds and a bar
// chart of the latest snapshot.
#pragma once

#include <string>
#include <vector>

#include "analysis/race_day_model.h"
#include "print/page.h"

namespace tw {

// The family every analysis page is printed in (Shift-JIS).
const std::string& PrintFontName();

// The page of race slot `slot`.
Page BuildAnalysisPage(const RaceDayModel& model, int slot);

// The page-list entry of a race: course group, race number and "R".
std::string AnalysisPageTitle(const std::string& race);

struct AnalysisPrintout {
  std::string caption;                  // the print window's caption
  std::vector<std::string> pageTitles;  // page list, one per page
  std::vector<Page> pages;
  std::vector<int> pageSlots;  // race slot of each page
};

// One page per race-list row; rowSlots[i] is the slot of row i.
AnalysisPrintout BuildAnalysisPrintout(const RaceDayModel& model, const std::vector<int>& rowSlots);

}  // namespace tw
