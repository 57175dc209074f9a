#include "season/season_chart_data.h"

#include <algorithm>

#include "analysis/analysis_marks.h"

namespace tw {

void SeasonProfitLine::AddDay(const SeasonDay& day) {
  if (day.outcome != SeasonDayOutcome::kCounted) return;
  for (const SeasonRace& race : day.races) {
    // As the ticket figures count them: one 100-yen ticket a bet.
    suggested_ += ReturnOf(race.quinellaHits) - kTicketYen * static_cast<long long>(race.bets.size());
    reference_ += ReturnOf(race.referenceHits) - kTicketYen * static_cast<long long>(race.referenceBets.size());
  }
  suggestedPeak_ = std::max(suggestedPeak_, suggested_);
  const long long drawdown = suggested_ - suggestedPeak_;
  points_.push_back({day.date, suggested_, reference_, drawdown});
  lowest_ = std::min({lowest_, suggested_, reference_, drawdown});
  highest_ = std::max({highest_, suggested_, reference_});
}

std::vector<UpsetReturnRate> UpsetReturnRates(const SeasonTotals& totals) {
  std::vector<UpsetReturnRate> rates;
  for (const std::string* label : {&SmallUpsetText(), &MediumUpsetText(), &LargeUpsetText()}) {
    UpsetReturnRate rate;
    rate.label = *label;
    for (const SeasonGroup& group : totals.breakdown(SeasonDimension::kUpsetDegree).groups()) {
      if (group.label != *label) continue;
      rate.suggested = group.figures.quinella().ReturnRate();
      rate.wide = group.figures.wide().ReturnRate();
      rate.reference = group.figures.reference().ReturnRate();
    }
    rates.push_back(std::move(rate));
  }
  return rates;
}

}  // namespace tw
