// The odds of one snapshot read into numbers once: win, place and
// bracket-quinella odds of its O1 record and quinella odds of its O2 record,
// every field with its state (see odds_field.h). A record shorter than its
// layout reads as spaces past its end, so a blank or missing record gives
// fields that are all not registered.
#pragma once

#include <array>
#include <string_view>

#include "codes/pairs.h"
#include "records/layout.h"
#include "records/odds_number.h"

namespace tw {

class SnapshotOdds {
 public:
  // Every field not registered.
  SnapshotOdds() : win_{}, placeLowest_{}, placeHighest_{}, bracket_{}, quinella_{} {}
  SnapshotOdds(std::string_view winOdds, std::string_view quinellaOdds);

  // Horse h 1..18.
  const OddsNumber& Win(int h) const { return win_[static_cast<size_t>(h)]; }
  const OddsNumber& PlaceLowest(int h) const { return placeLowest_[static_cast<size_t>(h)]; }
  const OddsNumber& PlaceHighest(int h) const { return placeHighest_[static_cast<size_t>(h)]; }
  // Bracket pair j 1..36.
  const OddsNumber& Bracket(int j) const { return bracket_[static_cast<size_t>(j)]; }
  // Quinella pair j 1..153.
  const OddsNumber& Quinella(int j) const { return quinella_[static_cast<size_t>(j)]; }

 private:
  // Index 0 unused, so that indexes read like the numbers they stand for;
  // the reading constructor writes every element.
  std::array<OddsNumber, kRunnerSlots + 1> win_;
  std::array<OddsNumber, kRunnerSlots + 1> placeLowest_;
  std::array<OddsNumber, kRunnerSlots + 1> placeHighest_;
  std::array<OddsNumber, kBracketPairs + 1> bracket_;
  std::array<OddsNumber, kQuinellaPairs + 1> quinella_;
};

}  // namespace tw
