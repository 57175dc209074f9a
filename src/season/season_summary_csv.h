// The season report's summary file: one row for the whole season and one
// for every group of every breakdown, each with the figures the report shows
// for the three ways of buying, for a spreadsheet. Encoded like the per-race
// file (season_csv.h): UTF-8 with a byte-order mark, CR LF line ends.
#pragma once

#include <string>
#include <vector>

#include "season/season_totals.h"
#include "text/files.h"

namespace tw {

class SeasonSummaryCsv {
 public:
  SeasonSummaryCsv() = default;  // no file yet: empty
  // The mark, the heading row and the rows of `totals`: the season
  // ("全体"), then the breakdowns in their order, each group in its order.
  explicit SeasonSummaryCsv(const SeasonTotals& totals);

  int rows() const { return rows_; }
  // The whole file.
  const std::string& bytes() const { return bytes_; }
  // Saves the file whole and atomically (Shift-JIS path).
  SaveResult Save(const std::string& path) const { return WriteFileAtomic(path, bytes_); }

 private:
  void AddRow(const std::string& breakdown, const std::string& group, const SeasonFigures& figures);

  std::string bytes_;
  int rows_ = 0;
};

// The heading row's cells, UTF-8: 内訳, 区分, 日数, レース, 買い目有, 買い目,
// then for 馬連, ワイド and 参考 in turn its 購入レース, 購入点数, 購入額,
// 払戻額, 回収率, 的中率, 95%下限, 95%上限, 最大DD, 最大DD開始, 最大DD終了.
const std::vector<std::string>& SeasonSummaryCsvHeadings();

}  // namespace tw
