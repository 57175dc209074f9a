// The odds of one snapshot read into numbers once: the win odds of its O1
// record and the pair odds of one table, the bracket quinella of the O1
// record or the quinella of the O2 record, every field with its state (see
// odds_number.h). A race's analysis reads only the table of its pair mode,
// so the other one is left unread. A record shorter than its layout reads as
// spaces past its end, so a blank or missing record gives fields that are
// all not registered.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "codes/pairs.h"
#include "records/layout.h"
#include "records/odds_number.h"

namespace tw {

class SnapshotOdds {
 public:
  // Which pair table was read.
  using Pairs = PairKind;

  // Every field not registered.
  SnapshotOdds() : win_{}, pairs_{} {}
  SnapshotOdds(std::string_view winOdds, std::string_view quinellaOdds, Pairs pairs);

  // Horse h 1..18.
  const OddsNumber& Win(int h) const { return win_[static_cast<size_t>(h)]; }
  // Pair j of the table read: 1..153 of the quinella, 1..36 of the bracket
  // quinella.
  const OddsNumber& Pair(int j) const { return pairs_[static_cast<size_t>(j)]; }
  // Bracket pair j 1..36; not registered when the quinella table was read.
  const OddsNumber& Bracket(int j) const { return pairs == Pairs::kBracket ? Pair(j) : kNotRegistered; }
  // Quinella pair j 1..153; not registered when the bracket table was read.
  const OddsNumber& Quinella(int j) const { return pairs == Pairs::kQuinella ? Pair(j) : kNotRegistered; }

  Pairs pairs = Pairs::kQuinella;

 private:
  static constexpr OddsNumber kNotRegistered{};

  // Index 0 unused, so that indexes read like the numbers they stand for;
  // the reading constructor writes every element.
  std::array<OddsNumber, kRunnerSlots + 1> win_;
  std::array<OddsNumber, kQuinellaPairs + 1> pairs_;
};

}  // namespace tw
