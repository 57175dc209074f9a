// The season report's charts as plain data: the running profit of the
// suggested bets and of the reference, day by day as the report counts the
// days, and the return rates by upset rating.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "season/season_day.h"
#include "season/season_totals.h"

namespace tw {

// Return less stake of every race so far, after the day.
struct SeasonProfitPoint {
  std::string date;         // yyyymmdd
  long long suggested = 0;  // the bets as quinella tickets
  long long reference = 0;  // the reference on the most popular pairs
  long long drawdown = 0;   // how far `suggested` stands below its highest so far, 0 or less
};

class SeasonProfitLine {
 public:
  // A point for a counted day (also when none of its races had tickets);
  // other days change nothing. Days come in season order.
  void AddDay(const SeasonDay& day);

  const std::vector<SeasonProfitPoint>& points() const { return points_; }
  // The lowest and the highest value of both lines, 0 included.
  long long lowest() const { return lowest_; }
  long long highest() const { return highest_; }

 private:
  std::vector<SeasonProfitPoint> points_;
  long long suggested_ = 0;
  long long suggestedPeak_ = 0;
  long long reference_ = 0;
  long long lowest_ = 0;
  long long highest_ = 0;
};

// The return rate of one upset rating, in percent; none without a stake.
struct UpsetReturnRate {
  std::string label;                // "小", "中", "大" (Shift-JIS)
  std::optional<double> suggested;  // the bets as quinella tickets
  std::optional<double> wide;       // the same bets as wide tickets
  std::optional<double> reference;
};

// 小, 中 and 大 in this order, whether their groups have races or not.
std::vector<UpsetReturnRate> UpsetReturnRates(const SeasonTotals& totals);

}  // namespace tw
