#include "season/season_summary_csv.h"

#include "season/season_csv.h"
#include "season/season_table.h"
#include "season/season_texts.h"
#include "text/sjis.h"

namespace tw {
namespace {

// The figures of one kind of ticket, after its name, as the heading row
// names them; the shared ones with the report's own column headings.
std::vector<std::string> TicketHeadings() {
  const auto& columns = SeasonFigureColumns();
  const auto heading = [&](int column) { return SjisToUtf8(columns[static_cast<size_t>(column)].heading); };
  return {"購入レース",
          "購入点数",
          heading(kSeasonStakeColumn),
          heading(kSeasonReturnColumn),
          heading(kSeasonReturnRateColumn),
          heading(kSeasonHitRateColumn),
          "95%下限",
          "95%上限",
          heading(kSeasonDrawdownColumn),
          heading(kSeasonDrawdownColumn) + "開始",
          heading(kSeasonDrawdownColumn) + "終了"};
}

void AddTicketCells(std::vector<std::string>& cells, const TicketFigures& t) {
  const auto range = t.ReturnRateRange();
  const DrawdownSpan drawdown = t.LargestDrawdown();
  const bool fell = !drawdown.from.empty();
  for (std::string& cell : std::vector<std::string>{
           std::to_string(t.racesWithTickets()), std::to_string(t.tickets()), std::to_string(t.stake()),
           std::to_string(t.returned()), ReturnRateText(t), HitRateText(t),
           PercentText(range ? std::optional<double>(range->low) : std::nullopt),
           PercentText(range ? std::optional<double>(range->high) : std::nullopt), std::to_string(drawdown.yen),
           fell ? SeasonCsvDate(drawdown.from) : std::string(), fell ? SeasonCsvDate(drawdown.to) : std::string()})
    cells.push_back(SjisToUtf8(cell));
}

}  // namespace

const std::vector<std::string>& SeasonSummaryCsvHeadings() {
  static const std::vector<std::string> headings = [] {
    const auto& columns = SeasonFigureColumns();
    std::vector<std::string> cells = {"内訳"};
    for (int column :
         {kSeasonGroupColumn, kSeasonDaysColumn, kSeasonRacesColumn, kSeasonRacesWithBetsColumn, kSeasonBetsColumn})
      cells.push_back(SjisToUtf8(columns[static_cast<size_t>(column)].heading));
    for (TicketKind kind : kTicketKinds) {
      for (const std::string& figure : TicketHeadings()) cells.push_back(SjisToUtf8(TicketKindName(kind)) + figure);
    }
    return cells;
  }();
  return headings;
}

SeasonSummaryCsv::SeasonSummaryCsv(const SeasonTotals& totals) {
  static const std::string whole = Sjis("全体");
  bytes_ = kSeasonCsvByteOrderMark;
  AppendSeasonCsvRow(bytes_, SeasonSummaryCsvHeadings());
  AddRow(whole, whole, totals.all());
  for (const SeasonBreakdown& breakdown : totals.breakdowns()) {
    for (const SeasonGroup& group : breakdown.groups())
      AddRow(SeasonBreakdownTitle(breakdown.dimension()), group.label, group.figures);
  }
}

void SeasonSummaryCsv::AddRow(const std::string& breakdown, const std::string& group, const SeasonFigures& figures) {
  std::vector<std::string> cells = {SjisToUtf8(breakdown),
                                    SjisToUtf8(group),
                                    std::to_string(figures.days()),
                                    std::to_string(figures.races()),
                                    std::to_string(figures.racesWithBets()),
                                    std::to_string(figures.bets())};
  for (TicketKind kind : kTicketKinds) AddTicketCells(cells, figures.tickets(kind));
  AppendSeasonCsvRow(bytes_, cells);
  ++rows_;
}

}  // namespace tw
