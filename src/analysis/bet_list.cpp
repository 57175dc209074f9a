#include "analysis/bet_list.h"

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/analysis_marks.h"
#include "analysis/sort_keys.h"
#include "codes/pairs.h"

namespace tw {

namespace {

// A bet stands for its key: the odds "%7.1f" then the label "%2d-%2d" of
// the smaller and the larger number. Pair odds have at most six digits, so
// the odds texts are at most seven characters and the keys sort like
// (odds, smaller, larger).
struct Bet {
  long long odds = 0;  // odds x 10
  int low = 0;
  int high = 0;

  double Odds() const { return odds / 10.0; }
  std::string Label() const { return PaddedNumber(low, 2, ' ') + "-" + PaddedNumber(high, 2, ' '); }
  bool operator<(const Bet& other) const {
    if (odds != other.odds) return odds < other.odds;
    return low != other.low ? low < other.low : high < other.high;
  }
};

std::vector<Bet> PricedBets(const RaceOdds& race, const RaceAnalysis& a, int axis) {
  std::vector<Bet> bets;
  const std::string& partner = PartnerMarkText();
  for (int j = 1; j <= race.horses; ++j) {
    if (a.partnerMark[j] != partner) continue;
    const int low = std::min(axis, j);
    const int high = std::max(axis, j);
    // A partner that is the axis horse itself gives " n- n", which is no
    // quinella pair but is the same-bracket pair in bracket mode.
    const int index = race.quinellaMode ? QuinellaPairIndexOf(low, high) : BracketPairIndexOf(low, high);
    if (index == 0) continue;
    const long long v = race.Pair(race.latest, index).value;
    if (v < 1) continue;
    bets.push_back({v, low, high});
  }
  std::stable_sort(bets.begin(), bets.end());
  return bets;
}

const std::string& UpsetDegreeOf(int axisRule, double cheapest) {
  if (axisRule <= 2 && cheapest <= 9.0) return SmallUpsetText();
  return cheapest > 11.0 ? LargeUpsetText() : MediumUpsetText();
}

// The partner conditions whose "△" the rating confirms: 1-3 for a small
// upset, 1-4 for a medium one, 1-5 for a large one.
int ConfirmedConditions(const std::string& degree) {
  if (degree == SmallUpsetText()) return 3;
  if (degree == MediumUpsetText()) return 4;
  return 5;
}

}  // namespace

int BetAxisHorse(const RaceOdds& race, const RaceAnalysis& a) {
  for (int h = race.horses; h >= 1; --h) {
    if (a.axisMark[h] == AxisMarkText()) return h;
  }
  return 0;
}

void BuildBetList(const RaceOdds& race, RaceAnalysis& a) {
  const int axis = BetAxisHorse(race, a);
  if (axis == 0) return;
  const std::vector<Bet> bets = PricedBets(race, a, axis);
  for (size_t i = 0; i < bets.size() && i < static_cast<size_t>(kMaxRunners); ++i) a.betLabels[i + 1] = bets[i].Label();
  if (bets.empty()) return;
  a.upsetDegree = UpsetDegreeOf(a.axisRule, bets.front().Odds());
  const int last = ConfirmedConditions(a.upsetDegree);
  const std::string& partner = PartnerMarkText();
  for (int h = 1; h <= race.horses; ++h) {
    for (int k = 1; k <= last; ++k) {
      if (a.partnerConditionMarks[h][k] == partner) a.partnerMark[h] = ConfirmedMarkText();
    }
  }
}

}  // namespace tw
