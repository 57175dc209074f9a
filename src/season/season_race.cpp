#include "season/season_race.h"

#include "records/race_record.h"
#include "records/record_header.h"

namespace tw {

long long ReturnOf(const std::vector<PaidBet>& paid) {
  long long yen = 0;
  for (const PaidBet& p : paid) yen += p.yen;
  return yen;
}

SeasonRace SeasonRaceOf(const RaceDayModel& model, int slot, const std::string& date) {
  const RaceSlot& s = model.slots[static_cast<size_t>(slot)];
  SeasonRace race;
  race.date = date;
  race.courseCode = CourseCode(s.race);
  race.raceNumber = static_cast<int>(RaceNumber(s.race));
  race.upsetDegree = s.analysis.upsetDegree;
  race.axisRule = s.analysis.axisRule;
  race.bets = BetGridBets(s);
  if (race.bets.empty()) return race;
  race.quinellaHits = PaidBetsOf(s, race.bets, PaidBetType::kQuinella);
  race.wideHits = PaidBetsOf(s, race.bets, PaidBetType::kWide);

  // The pair list the analysis worked on: the bets' snapshot, cheapest first.
  const PairKind kind = PairKindOf(StoredRunnerCount(s.race), model.fromYear2005);
  for (size_t k = 0; k < s.analysis.cheapestPairs.size() && k < race.bets.size(); ++k) {
    const int index = s.analysis.cheapestPairs[k];
    if (index == 0) break;
    race.referenceBets.push_back(PairLabelAt(kind, index));
  }
  race.referenceHits = PaidBetsOf(s, race.referenceBets, PaidBetType::kQuinella);
  return race;
}

}  // namespace tw
