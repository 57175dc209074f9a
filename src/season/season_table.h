// The season report's figures as tables of cells: what the window shows in
// its tables, the command line in its text and the printed page in its
// rules. Every group of races takes three rows, one per kind of ticket, each
// with the group's own figures, so that a row keeps its meaning when a
// table is sorted.
#pragma once

#include <string>
#include <vector>

#include "season/season_breakdown.h"
#include "season/season_figures.h"

namespace tw {

struct SeasonCell {
  std::string text;  // as shown, Shift-JIS
  // What the cell sorts by: the figure itself, the rank of a group or a
  // kind of ticket for a text; -1 for a return rate without a stake.
  double sortValue = 0;
};

struct SeasonColumn {
  std::string heading;  // Shift-JIS
  bool alignRight = true;
};

struct SeasonTable {
  std::vector<SeasonColumn> columns;
  std::vector<std::vector<SeasonCell>> rows;  // each as many cells as columns
};

// The columns of a figures table, in this order:
// 区分 日数 レース 買い目有 買い目 券種 的中 的中R 的中率 購入額 払戻額 回収率
// 95%区間 最長連敗 最大DD 最高配当
enum SeasonFigureColumn : int {
  kSeasonGroupColumn,
  kSeasonDaysColumn,
  kSeasonRacesColumn,
  kSeasonRacesWithBetsColumn,
  kSeasonBetsColumn,
  kSeasonKindColumn,
  kSeasonHitsColumn,
  kSeasonHitRacesColumn,
  kSeasonHitRateColumn,
  kSeasonStakeColumn,
  kSeasonReturnColumn,
  kSeasonReturnRateColumn,
  kSeasonRateRangeColumn,
  kSeasonLosingRunColumn,
  kSeasonDrawdownColumn,
  kSeasonBiggestHitColumn,
  kSeasonFigureColumns,
};
const std::vector<SeasonColumn>& SeasonFigureColumns();

// The three rows of a group, 馬連, ワイド and 参考: `label` in the group
// column, sorting by `rank`.
std::vector<std::vector<SeasonCell>> SeasonFigureRows(const std::string& label, int rank, const SeasonFigures& figures);

// The whole season, "全体", with a last column that says where the biggest
// hit of each kind was ("最高配当のレース").
SeasonTable SeasonSummaryTable(const SeasonFigures& all);
inline constexpr int kSeasonHitPlaceColumn = kSeasonFigureColumns;

// Every group of the breakdown in its order.
SeasonTable SeasonBreakdownTable(const SeasonBreakdown& breakdown);

}  // namespace tw
