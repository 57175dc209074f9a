#include "season/season_table.h"

#include "season/season_texts.h"
#include "text/sjis.h"

namespace tw {
namespace {

SeasonCell Number(long long value) { return {std::to_string(value), static_cast<double>(value)}; }

SeasonCell Rate(const TicketFigures& tickets) {
  const auto rate = tickets.ReturnRate();
  return {ReturnRateText(tickets), rate ? *rate : -1.0};
}

SeasonCell HitRate(const TicketFigures& tickets) {
  const auto rate = tickets.HitRate();
  return {HitRateText(tickets), rate ? *rate : -1.0};
}

// Sorted by the low end, which says how bad the figure may be.
SeasonCell RateRange(const TicketFigures& tickets) {
  const auto range = tickets.ReturnRateRange();
  return {ReturnRateRangeText(tickets), range ? range->low : -1.0};
}

SeasonCell Biggest(const TicketFigures& tickets) {
  return {BiggestHitText(tickets), tickets.biggestHit() ? static_cast<double>(tickets.biggestHit()->yen) : 0.0};
}

}  // namespace

const std::vector<SeasonColumn>& SeasonFigureColumns() {
  static const std::vector<SeasonColumn> columns = {
      {Sjis("区分"), false},   {Sjis("日数"), true},     {Sjis("レース"), true}, {Sjis("買い目有"), true},
      {Sjis("買い目"), true},  {Sjis("券種"), false},    {Sjis("的中"), true},   {Sjis("的中R"), true},
      {Sjis("的中率"), true},  {Sjis("購入額"), true},   {Sjis("払戻額"), true}, {Sjis("回収率"), true},
      {Sjis("95%区間"), true}, {Sjis("最長連敗"), true}, {Sjis("最大DD"), true}, {Sjis("最高配当"), true},
  };
  return columns;
}

std::vector<std::vector<SeasonCell>> SeasonFigureRows(const std::string& label, int rank,
                                                      const SeasonFigures& figures) {
  std::vector<std::vector<SeasonCell>> rows;
  for (TicketKind kind : kTicketKinds) {
    const TicketFigures& t = figures.tickets(kind);
    rows.push_back({
        {label, static_cast<double>(rank)},
        Number(figures.days()),
        Number(figures.races()),
        Number(figures.racesWithBets()),
        Number(figures.bets()),
        {TicketKindName(kind), static_cast<double>(static_cast<int>(kind))},
        Number(t.hits()),
        Number(t.hitRaces()),
        HitRate(t),
        Number(t.stake()),
        Number(t.returned()),
        Rate(t),
        RateRange(t),
        Number(t.longestLosingRun()),
        Number(t.LargestDrawdown().yen),
        Biggest(t),
    });
  }
  return rows;
}

SeasonTable SeasonSummaryTable(const SeasonFigures& all) {
  static const std::string whole = Sjis("全体"), place = Sjis("最高配当のレース");
  SeasonTable table;
  table.columns = SeasonFigureColumns();
  table.columns.push_back({place, false});
  table.rows = SeasonFigureRows(whole, 0, all);
  for (size_t k = 0; k < table.rows.size(); ++k) {
    const auto& hit = all.tickets(kTicketKinds[k]).biggestHit();
    // Sorted by the day of the hit, none first.
    table.rows[k].push_back(hit ? SeasonCell{SeasonHitPlace(*hit), std::stod(hit->date)} : SeasonCell{"-", 0.0});
  }
  return table;
}

SeasonTable SeasonBreakdownTable(const SeasonBreakdown& breakdown) {
  SeasonTable table;
  table.columns = SeasonFigureColumns();
  int rank = 0;
  for (const SeasonGroup& group : breakdown.groups()) {
    for (auto& row : SeasonFigureRows(group.label, rank, group.figures)) table.rows.push_back(std::move(row));
    ++rank;
  }
  return table;
}

}  // namespace tw
