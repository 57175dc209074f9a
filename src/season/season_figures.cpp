#include "season/season_figures.h"

namespace tw {

void SeasonFigures::AddRace(const SeasonRace& race, int day) {
  if (day != lastDay_) {
    lastDay_ = day;
    ++days_;
  }
  ++races_;
  const int bets = static_cast<int>(race.bets.size());
  if (bets > 0) ++racesWithBets_;
  bets_ += bets;
  quinella_.AddRace(race, bets, race.quinellaHits);
  wide_.AddRace(race, bets, race.wideHits);
  reference_.AddRace(race, static_cast<int>(race.referenceBets.size()), race.referenceHits);
}

const TicketFigures& SeasonFigures::tickets(TicketKind kind) const {
  switch (kind) {
    case TicketKind::kQuinella:
      return quinella_;
    case TicketKind::kWide:
      return wide_;
    case TicketKind::kReference:
      break;
  }
  return reference_;
}

}  // namespace tw
