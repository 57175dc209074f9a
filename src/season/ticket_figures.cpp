#include "season/ticket_figures.h"

#include <algorithm>

namespace tw {

void TicketFigures::AddRace(const SeasonRace& race, int tickets, const std::vector<PaidBet>& paid) {
  if (tickets <= 0) return;
  tickets_ += tickets;
  ++racesWithTickets_;
  const long long yen = ReturnOf(paid);
  returned_ += yen;
  drawdown_.AddRace(race.date, yen - kTicketYen * tickets);
  interval_.AddRace(tickets, yen);
  hits_ += static_cast<int>(paid.size());
  if (yen > 0) {
    ++hitRaces_;
    losingRun_ = 0;
  } else {
    longestLosingRun_ = std::max(longestLosingRun_, ++losingRun_);
  }
  for (const PaidBet& p : paid) {
    if (biggestHit_ && p.yen <= biggestHit_->yen) continue;
    biggestHit_ = SeasonHit{p.yen, race.date, race.courseCode, race.raceNumber, p.bet};
  }
}

std::optional<double> TicketFigures::ReturnRate() const {
  if (stake() <= 0) return std::nullopt;
  return 100.0 * static_cast<double>(returned_) / static_cast<double>(stake());
}

std::optional<double> TicketFigures::HitRate() const {
  if (racesWithTickets_ <= 0) return std::nullopt;
  return 100.0 * static_cast<double>(hitRaces_) / static_cast<double>(racesWithTickets_);
}

}  // namespace tw
