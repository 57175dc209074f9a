// The texts of the season report that the command line, the window and the
// printed page share, so that all three say the same (Shift-JIS).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "season/season_figures.h"
#include "season/season_groups.h"
#include "season/season_totals.h"

namespace tw {

// "馬連", "ワイド", "参考".
const std::string& TicketKindName(TicketKind kind);

// A rate in percent with one decimal, "612.6%"; "-" for none.
std::string PercentText(std::optional<double> percent);
// The return rate with one decimal, "612.6%"; "-" without a stake.
std::string ReturnRateText(const TicketFigures& tickets);
// The hit rate with one decimal, "23.5%"; "-" without a race with tickets.
std::string HitRateText(const TicketFigures& tickets);
// The 95 % interval of the return rate, "61.2-133.0%"; "-" without a stake.
std::string ReturnRateRangeText(const TicketFigures& tickets);
// The largest fall of the running profit and its days,
// "12300円 2024年05月04日～2024年06月01日"; "0円" when it never fell.
std::string DrawdownText(const TicketFigures& tickets);
// The biggest single payout in yen, "15230"; "-" without a hit.
std::string BiggestHitText(const TicketFigures& tickets);
// Where the biggest hit was: "2024年06月01日 東京 2R   6-10".
std::string SeasonHitPlace(const SeasonHit& hit);

// yyyymmdd as the day name "yyyy年mm月dd日"; other texts as they are.
std::string SeasonDayText(const std::string& date);

// "波乱度別", "軸条件別", "競馬場別", "年別", "月別", "買い目数別".
const std::string& SeasonBreakdownTitle(SeasonDimension dimension);

// The dates asked for: "全期間" when both are open, else
// "2024年05月01日～2024年06月30日" (an open end left blank).
std::string SeasonRangeText(const std::string& from, const std::string& to);
// The courses asked for, joined by "・"; "全競馬場" for none.
std::string SeasonCoursesText(const std::vector<std::string>& names);

// "集計した日 2  結果未取得の日 1  読み込めなかった日 2  結果未取得のレース 1".
std::string SeasonDayCountsText(const SeasonTotals& totals);
// What a ticket is: 100 yen a bet, and what the three kinds buy.
const std::string& SeasonTicketNote();

// The headings of the days that were not counted.
const std::string& SeasonNoResultsHeading();  // no payouts yet
const std::string& SeasonSkippedHeading();    // damaged or unreadable

}  // namespace tw
