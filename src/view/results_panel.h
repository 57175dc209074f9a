// The results panel ("成績結果") and the payout pairs of the race header,
// read from the race's payout record.
#pragma once

#include <array>
#include <string>

#include "codes/pairs.h"

namespace tw {

struct ResultEntry {
  std::string result;      // horse "%2d" or pair "%2d-%2d"
  std::string popularity;  // "%2d" ("%3d" for quinella and wide)
  std::string payout;      // "%8d"
};

struct ResultsPanel {
  std::array<ResultEntry, 3> win;
  std::array<ResultEntry, 5> place;
  std::array<ResultEntry, 3> bracket;
  std::array<ResultEntry, 3> quinella;
  std::array<ResultEntry, 7> wide;
};

ResultsPanel BuildResultsPanel(const std::string& payout);

struct HeaderPayouts {
  std::string payout1, result1, payout2, result2;  // "配当1", "結果1", "配当2", "結果2"
};
// The first two quinella payouts in quinella mode, the first two bracket
// payouts in bracket mode.
HeaderPayouts BuildHeaderPayouts(const std::string& payout, PairKind pairKind);

}  // namespace tw
