// The largest fall of a running profit: the profit of each race is added in
// season order and the total is taken at the end of each day. The fall runs
// from the first day after the total stood at its highest (the season starts
// at 0) to the day it stood lowest below that; the first of equal falls.
#pragma once

#include <string>

namespace tw {

struct DrawdownSpan {
  long long yen = 0;  // how far the total fell; 0 when it never fell
  std::string from;   // yyyymmdd, the first day of the fall; empty without one
  std::string to;     // yyyymmdd, the day it reached its lowest
};

class Drawdown {
 public:
  // The profit (return less stake) of one race of day `date`; days come in
  // order, a day's races together.
  void AddRace(const std::string& date, long long profit);
  DrawdownSpan Largest() const;

 private:
  // Takes the total at the end of the open day.
  void CloseDay();

  std::string openDate_;
  long long openProfit_ = 0;
  long long total_ = 0;
  long long peak_ = 0;
  std::string fallStart_;  // the first day below the peak, while below it
  DrawdownSpan largest_;
};

}  // namespace tw
