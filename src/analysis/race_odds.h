// What every step of a race's analysis needs to know about the race: its
// record texts, the runner counts and which odds stand for the pairs.
#pragma once

#include "analysis/race_day_model.h"

namespace tw {

struct RaceOdds {
  const RaceSlot& slot;
  int runnerCount = 0;  // as the race record gives it; decides the pair mode
  int horses = 0;       // horses 1..horses take part in the judgement (at most 18)
  bool quinellaMode = true;
  int latest = 0;  // number of the latest win-odds snapshot, 0..3
};

// The race's runner count (登録頭数) as stored, and the number of horse slots
// it covers (a count above 18 or below 0 is held to the 18 slots).
int RunnerCountOf(const RaceSlot& slot);
int HorsesOf(int runnerCount);

RaceOdds RaceOddsOf(const RaceSlot& slot, bool fromYear2005);

}  // namespace tw
