#include "season/drawdown.h"

namespace tw {

void Drawdown::AddRace(const std::string& date, long long profit) {
  if (date != openDate_) {
    CloseDay();
    openDate_ = date;
  }
  openProfit_ += profit;
}

void Drawdown::CloseDay() {
  if (openDate_.empty()) return;
  total_ += openProfit_;
  openProfit_ = 0;
  if (total_ >= peak_) {
    peak_ = total_;
    fallStart_.clear();
    return;
  }
  if (fallStart_.empty()) fallStart_ = openDate_;
  if (peak_ - total_ > largest_.yen) largest_ = {peak_ - total_, fallStart_, openDate_};
}

DrawdownSpan Drawdown::Largest() const {
  Drawdown closed = *this;
  closed.CloseDay();
  return closed.largest_;
}

}  // namespace tw
