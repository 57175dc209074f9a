// The figures of the season report over a set of races, the whole season or
// one group of a breakdown: days, races, bets, and the three kinds of
// tickets (the bets as quinella and as wide tickets, and the reference on
// the most popular pairs).
#pragma once

#include <array>

#include "season/season_race.h"
#include "season/ticket_figures.h"

namespace tw {

// The three ways of buying that every set of races is counted for.
enum class TicketKind {
  kQuinella,   // the bets as quinella tickets
  kWide,       // the same bets as wide tickets
  kReference,  // as many quinella tickets on the most popular pairs
};

inline constexpr std::array<TicketKind, 3> kTicketKinds = {TicketKind::kQuinella, TicketKind::kWide,
                                                           TicketKind::kReference};

class SeasonFigures {
 public:
  // A race with its results. `day` numbers its day in the season (days come
  // in order), so that each day is counted once.
  void AddRace(const SeasonRace& race, int day);

  int days() const { return days_; }
  int races() const { return races_; }
  int racesWithBets() const { return racesWithBets_; }
  int bets() const { return bets_; }
  const TicketFigures& quinella() const { return quinella_; }
  const TicketFigures& wide() const { return wide_; }
  const TicketFigures& reference() const { return reference_; }
  const TicketFigures& tickets(TicketKind kind) const;

 private:
  int days_ = 0;
  int lastDay_ = -1;
  int races_ = 0;
  int racesWithBets_ = 0;
  int bets_ = 0;
  TicketFigures quinella_, wide_, reference_;
};

}  // namespace tw
