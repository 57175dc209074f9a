// The lines of the hit report for one race: every suggested bet that paid as
// a quinella (馬連) or wide (ワイド) pair. One line goes into the HTML fragment
// and one into the cumulative list "Manbaken.txt". Shift-JIS.
#pragma once

#include <string>
#include <vector>

#include "analysis/race_day_model.h"
#include "records/payout_record.h"

namespace tw {

// Which tool-bar button ran the report.
enum class HitReportKind {
  kAllHits,   // "的中": every hit
  kLongShots  // "穴的中": quinella above 5000 yen, wide above 3000 yen
};

// One paying pair of the payout record.
struct PayoutEntry {
  std::string label;  // " 3-12"; empty when either horse number is 0
  long long yen = 0;
};

// Quinella entry e = 1..3 of a payout text.
PayoutEntry QuinellaPayoutEntry(const std::string& payout, int e);

// The texts of the bet grid's column 1 for a race as the race view shows
// them, row 1 first: the race's bet labels, or the single "　" row.
std::vector<std::string> BetGridLabels(const RaceSlot& slot);

// The bets the bet grid shows, row 1 first, as the hit report reads them
// (the first five characters of a row); none when the grid shows its "　" row.
std::vector<std::string> BetGridBets(const RaceSlot& slot);

// The two bet types the hit report checks.
enum class PaidBetType { kQuinella, kWide };

// One payout entry that pays a bet.
struct PaidBet {
  std::string bet;  // the pair label, " 3-12"
  PaidBetType type = PaidBetType::kQuinella;
  int entry = 0;      // entry of the payout record, 1..3 quinella, 1..7 wide
  long long yen = 0;  // above 0
};

// Every entry of `type` in the slot's payout text that pays one of `bets`:
// bets in their order, for each its entries in record order (a dead heat
// pays each of its entries). Entries paying nothing are left out.
std::vector<PaidBet> PaidBetsOf(const RaceSlot& slot, const std::vector<std::string>& bets, PaidBetType type);

// The hits of the race's bet grid in the order of the hit report: bet rows in
// grid order, for each its quinella entries before its wide ones. The hit
// report of "的中" writes one line for each.
std::vector<PaidBet> RaceHits(const RaceSlot& slot);

// The header line of the HTML fragment and the first line of a new
// cumulative list.
const std::string& HitReportHeaderLine();
const std::string& HitReportEndLine();  // "</pre>"
const std::string& CumulativeListFirstLine();

// "<" and "&" as HTML entities; every other byte unchanged.
std::string EscapeHtmlMarkup(const std::string& text);

struct HitLines {
  std::vector<std::string> report;      // lines of the HTML fragment
  std::vector<std::string> cumulative;  // lines for "Manbaken.txt"
};

// Appends the hit lines of one race slot: bet rows in grid order, for each
// its quinella hits (entries 1–3) before its wide hits (entries 1–7).
void AddRaceHitLines(const RaceSlot& slot, HitReportKind kind, HitLines& lines);

}  // namespace tw
