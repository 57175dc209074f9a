// The bracket-quinella and quinella odds tables of one snapshot.
#pragma once

#include <string>
#include <vector>

#include "analysis/race_day_model.h"
#include "view/colours.h"

namespace tw {

struct PairOddsTable {
  int snapshot = 0;                  // 1..3; 0 for an empty table
  std::string time;                  // "hh時mm分" of the snapshot; empty when its hour is blank
  std::vector<std::string> labels;   // [1..pairs] pair labels " 1- 2"; index 0 unused
  std::vector<ColouredText> fields;  // [1..pairs] "%6.1f" / "%7.1f", "取消" or empty; coloured by odds
};

// The 36 bracket-quinella fields of win-odds snapshot s (the O1 record holds them).
PairOddsTable BracketOddsTable(const RaceSlot& slot, int s);
// The 153 quinella fields of quinella-odds snapshot s.
PairOddsTable QuinellaOddsTable(const RaceSlot& slot, int s);
// Empty tables of the right size, as shown before any snapshot is chosen.
PairOddsTable EmptyBracketTable();
PairOddsTable EmptyQuinellaTable();

}  // namespace tw
