#include "season/season_totals.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace tw {

SeasonTotals::SeasonTotals() {
  for (SeasonDimension dimension : kSeasonDimensions) breakdowns_.emplace_back(dimension);
}

const SeasonBreakdown& SeasonTotals::breakdown(SeasonDimension dimension) const {
  for (const SeasonBreakdown& b : breakdowns_) {
    if (b.dimension() == dimension) return b;
  }
  return breakdowns_.front();  // every dimension has its breakdown
}

void SeasonTotals::AddDay(const SeasonDay& day) {
  const int number = daysLookedAt_++;
  switch (day.outcome) {
    case SeasonDayOutcome::kSkipped:
      skippedDays_.push_back({day.dayName, day.reasons});
      return;
    case SeasonDayOutcome::kNoResults:
      daysWithoutResults_.push_back(day.dayName);
      return;
    case SeasonDayOutcome::kNoRaces:
      return;
    case SeasonDayOutcome::kCounted:
      break;
  }
  racesWithoutResults_ += day.racesWithoutResults;
  for (const SeasonRace& race : day.races) {
    all_.AddRace(race, number);
    for (SeasonBreakdown& b : breakdowns_) b.AddRace(race, number);
  }
}

void SeasonTotals::ComputeIntervals(int threads) const {
  std::vector<const TicketFigures*> figures;
  auto add = [&figures](const SeasonFigures& f) {
    for (TicketKind kind : kTicketKinds) figures.push_back(&f.tickets(kind));
  };
  add(all_);
  for (const SeasonBreakdown& b : breakdowns_) {
    for (const SeasonGroup& group : b.groups()) add(group.figures);
  }
  // Each interval is worked out by one thread; the largest go first, so the
  // threads end together.
  std::sort(figures.begin(), figures.end(), [](const TicketFigures* a, const TicketFigures* b) {
    return a->racesWithTickets() > b->racesWithTickets();
  });
  std::atomic<size_t> next{0};
  auto work = [&] {
    for (size_t k = next++; k < figures.size(); k = next++) figures[k]->ReturnRateRange();
  };
  std::vector<std::thread> helpers;
  for (int k = 1; k < std::clamp(threads, 1, 64); ++k) helpers.emplace_back(work);
  work();
  for (std::thread& helper : helpers) helper.join();
}

}  // namespace tw
