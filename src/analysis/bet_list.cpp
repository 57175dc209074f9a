#include "analysis/bet_list.h"

#include <algorithm>
#include <array>
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
  // "%2d-%2d"; the numbers are horse or bracket numbers 1..18.
  void WriteLabel(std::string& label) const {
    if (low > 99 || high > 99) {
      label = PaddedNumber(low, 2, ' ');
      label += '-';
      label += PaddedNumber(high, 2, ' ');
      return;
    }
    const char text[5] = {low < 10 ? ' ' : static_cast<char>('0' + low / 10), static_cast<char>('0' + low % 10), '-',
                          high < 10 ? ' ' : static_cast<char>('0' + high / 10), static_cast<char>('0' + high % 10)};
    label.assign(text, sizeof text);
  }
  bool operator<(const Bet& other) const {
    if (odds != other.odds) return odds < other.odds;
    return low != other.low ? low < other.low : high < other.high;
  }
};

// At most one bet per horse, in ascending key order.
struct Bets {
  std::array<Bet, kMaxRunners> items;
  size_t count = 0;
};

Bets PricedBets(const RaceOdds& race, const RaceAnalysis& a, int axis) {
  Bets bets;
  const std::string& partner = PartnerMarkText();
  // One bet per horse 1..horses, at most 18 of them.
  for (int j = 1; j <= std::min(race.horses, kMaxRunners); ++j) {
    if (!HasMark(a.partnerMark[j], partner)) continue;
    const int low = std::min(axis, j);
    const int high = std::max(axis, j);
    // A partner that is the axis horse itself gives " n- n", which is no
    // quinella pair but is the same-bracket pair in bracket mode.
    const int index =
        race.pairKind == PairKind::kQuinella ? QuinellaPairIndexOf(low, high) : BracketPairIndexOf(low, high);
    if (index == 0) continue;
    const long long v = race.Pair(race.latest, index).value;
    if (v < 1) continue;
    // Sorted by insertion, equal keys in the order they come.
    const Bet bet{v, low, high};
    size_t at = bets.count++;
    for (; at > 0 && bet < bets.items[at - 1]; --at) bets.items[at] = bets.items[at - 1];
    bets.items[at] = bet;
  }
  return bets;
}

const std::string& UpsetDegreeOf(int axisRule, double cheapest) {
  if (axisRule <= 2 && cheapest <= 9.0) return SmallUpsetText();
  return cheapest > 11.0 ? LargeUpsetText() : MediumUpsetText();
}

// The partner conditions whose "△" the rating confirms: 1-3 for a small
// upset, 1-4 for a medium one, 1-5 for a large one.
int ConfirmedConditions(const std::string& degree) {
  if (HasMark(degree, SmallUpsetText())) return 3;
  if (HasMark(degree, MediumUpsetText())) return 4;
  return 5;
}

}  // namespace

int BetAxisHorse(const RaceOdds& race, const RaceAnalysis& a) {
  const std::string& axis = AxisMarkText();
  for (int h = race.horses; h >= 1; --h) {
    if (HasMark(a.axisMark[h], axis)) return h;
  }
  return 0;
}

void BuildBetList(const RaceOdds& race, RaceAnalysis& a) {
  const int axis = BetAxisHorse(race, a);
  if (axis == 0) return;
  const Bets bets = PricedBets(race, a, axis);
  for (size_t i = 0; i < bets.count; ++i) bets.items[i].WriteLabel(a.betLabels[i + 1]);
  if (bets.count == 0) return;
  const std::string& degree = UpsetDegreeOf(a.axisRule, bets.items[0].Odds());
  SetMark(a.upsetDegree, degree);
  const int last = ConfirmedConditions(degree);
  const std::string& partner = PartnerMarkText();
  const std::string& confirmed = ConfirmedMarkText();
  for (int h = 1; h <= race.horses; ++h) {
    for (int k = 1; k <= last; ++k) {
      if (HasMark(a.partnerConditionMarks[h][k], partner)) SetMark(a.partnerMark[h], confirmed);
    }
  }
}

}  // namespace tw
