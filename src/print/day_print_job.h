// The day's print job: the printout of the day's races the main window's
// print opens, and the choice of pages the print window sends to the printer.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/race_day_model.h"
#include "base/user_port.h"
#include "print/analysis_page.h"

namespace tw {

// PrepareDayPrintout: with no day chosen (dayText blank) beeps, says so and gives
// nothing; otherwise the pages of every race-list row (rowSlots[i] is the
// slot of row i).
std::optional<AnalysisPrintout> PrepareDayPrintout(const std::string& dayText, const RaceDayModel& model,
                                                   const std::vector<int>& rowSlots, UserPort& port);

// True when the race of page p (1-based) has odds and so may be printed.
bool PageHasOdds(const AnalysisPrintout& printout, const RaceDayModel& model, int page);

// Printing the page in view: its number when its race has odds; otherwise
// beeps, tells the user and gives nothing.
std::optional<int> PageInViewToPrint(const AnalysisPrintout& printout, const RaceDayModel& model, int page,
                                     UserPort& port);

// Printing the checked pages: the checked pages (1-based) whose races have
// odds, in page order; each is printed as a job of its own.
std::vector<int> CheckedPagesToPrint(const AnalysisPrintout& printout, const RaceDayModel& model,
                                     const std::vector<bool>& checked);

}  // namespace tw
