// One race of the season report: the bets of its bet grid bought as 100-yen
// tickets, what its payouts paid them, and the same number of tickets on the
// most popular pairs for comparison. A day is reduced to these few values
// right after its load, so that a season holds no day in memory.
#pragma once

#include <string>
#include <vector>

#include "analysis/race_day_model.h"
#include "reports/hit_lines.h"

namespace tw {

// Every bet is one ticket of 100 yen.
inline constexpr long long kTicketYen = 100;

struct SeasonRace {
  std::string date;         // yyyymmdd of the day
  std::string courseCode;   // "05"
  int raceNumber = 0;       // of the day at its course
  std::string upsetDegree;  // "小", "中", "大" or empty (Shift-JIS)
  int axisRule = 0;         // the axis condition that chose the axis horse, 1..7; 0 none
  // The bets of the race's bet grid (" 3-12"), cheapest first, exactly as the
  // hit report checks them; none when the grid shows no bet.
  std::vector<std::string> bets;
  std::vector<PaidBet> quinellaHits;  // the bets bought as quinella tickets: the entries that paid
  std::vector<PaidBet> wideHits;      // the same bets bought as wide tickets
  // As many quinella tickets as there are bets, on the pairs with the lowest
  // odds of the snapshot the bets were priced at.
  std::vector<std::string> referenceBets;
  std::vector<PaidBet> referenceHits;
};

// The yen the entries paid on 100-yen tickets.
long long ReturnOf(const std::vector<PaidBet>& paid);

// The race of slot `slot` of the loaded day, which is `date` (yyyymmdd).
SeasonRace SeasonRaceOf(const RaceDayModel& model, int slot, const std::string& date);

}  // namespace tw
