// What every step of a race's analysis needs to know about the race: the
// runner counts, which odds stand for the pairs, the latest snapshot, and the
// odds fields of its O1 and O2 texts.
#pragma once

#include <string>
#include <string_view>

#include "analysis/race_day_model.h"
#include "records/odds_record.h"

namespace tw {

class RaceOdds {
 public:
  RaceOdds(const RaceSlot& slot, int runnerCount, int horses, bool quinellaMode, int latest);

  // Win odds of horse h (1..18) in snapshot s (1..3), 4 bytes.
  std::string_view Win(int s, int h) const { return Read(win_[s], WinOddsPosition(h), kWinOddsWidth); }
  // Bracket-quinella odds of bracket pair j (1..36), 5 bytes.
  std::string_view Bracket(int s, int j) const { return Read(win_[s], BracketOddsPosition(j), kBracketOddsWidth); }
  // Quinella odds of pair j (1..153), 6 bytes.
  std::string_view Quinella(int s, int j) const {
    return Read(quinella_[s], QuinellaOddsPosition(j), kQuinellaOddsWidth);
  }
  // The odds of pair j in the pair mode's table.
  std::string_view Pair(int s, int j) const { return quinellaMode ? Quinella(s, j) : Bracket(s, j); }
  // Number of pairs in the pair mode's table (153 or 36).
  int PairCount() const;

  int runnerCount = 0;  // as the race record gives it; decides the pair mode
  int horses = 0;       // horses 1..horses take part in the judgement (at most 18)
  bool quinellaMode = true;
  int latest = 0;  // number of the latest win-odds snapshot, 0..3

 private:
  static std::string_view Read(const std::string& record, int pos, int width) {
    return std::string_view(record).substr(static_cast<size_t>(pos - 1), static_cast<size_t>(width));
  }
  // The odds texts at their full record length (a short text padded with
  // spaces), so that every field lies inside them.
  PerSnapshot<std::string> win_;
  PerSnapshot<std::string> quinella_;
};

RaceOdds RaceOddsOf(const RaceSlot& slot, bool fromYear2005);

}  // namespace tw
