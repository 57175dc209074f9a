// The figures of one kind of ticket over a set of races: how many were
// bought, how many paid, stake and return, the hit rate, the longest run of
// races without a return, the largest fall of the running profit, how sure
// the return rate is and the biggest single payout.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "season/drawdown.h"
#include "season/return_rate_interval.h"
#include "season/season_race.h"

namespace tw {

// The biggest payout and where it was.
struct SeasonHit {
  long long yen = 0;
  std::string date;        // yyyymmdd
  std::string courseCode;  // "05"
  int raceNumber = 0;
  std::string bet;  // " 3-12"
};

class TicketFigures {
 public:
  // A race with `tickets` tickets and the payout entries that paid them. A
  // race without tickets changes nothing, not even a losing run.
  void AddRace(const SeasonRace& race, int tickets, const std::vector<PaidBet>& paid);

  int tickets() const { return tickets_; }
  int hits() const { return hits_; }  // paying entries; a dead heat can pay twice in a race
  int hitRaces() const { return hitRaces_; }
  long long stake() const { return kTicketYen * tickets_; }
  long long returned() const { return returned_; }
  int racesWithTickets() const { return racesWithTickets_; }
  // Return ÷ stake in percent; none without a stake.
  std::optional<double> ReturnRate() const;
  // Races with a return ÷ races with tickets, in percent; none without one.
  std::optional<double> HitRate() const;
  DrawdownSpan LargestDrawdown() const { return drawdown_.Largest(); }
  // A 95 % interval of ReturnRate(); none without a stake.
  std::optional<RateInterval> ReturnRateRange() const { return interval_.Interval(); }
  // The most races with tickets in a row, in season order, that paid nothing.
  int longestLosingRun() const { return longestLosingRun_; }
  // The largest single payout; the first of equal ones.
  const std::optional<SeasonHit>& biggestHit() const { return biggestHit_; }

 private:
  int tickets_ = 0;
  int hits_ = 0;
  int hitRaces_ = 0;
  int racesWithTickets_ = 0;
  long long returned_ = 0;
  Drawdown drawdown_;
  ReturnRateInterval interval_;
  int losingRun_ = 0;
  int longestLosingRun_ = 0;
  std::optional<SeasonHit> biggestHit_;
};

}  // namespace tw
