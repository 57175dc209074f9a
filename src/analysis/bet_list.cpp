#include "analysis/bet_list.h"

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/analysis_marks.h"
#include "analysis/odds_texts.h"
#include "codes/pairs.h"
#include "text/fields.h"
#include "text/format.h"

namespace tw {

namespace {

struct Bet {
  std::string key;  // odds "%7.1f" then the 5-character label
  double odds = 0.0;
};

std::string BetLabel(int a, int b) { return Format("%2d", std::min(a, b)) + "-" + Format("%2d", std::max(a, b)); }

std::vector<Bet> PricedBets(const RaceOdds& race, const RaceAnalysis& a, int axis) {
  std::vector<Bet> bets;
  for (int j = 1; j <= race.horses; ++j) {
    if (a.partnerMark[j] != PartnerMarkText()) continue;
    const std::string label = BetLabel(axis, j);
    // A partner that is the axis horse itself gives " n- n", which is no
    // quinella pair but is the same-bracket pair in bracket mode.
    const int index = race.quinellaMode ? QuinellaPairIndex(label) : BracketPairIndex(label);
    if (index == 0) continue;
    const long long v = IntValue(PairOddsText(race.slot, race.quinellaMode, race.latest, index));
    if (v < 1) continue;
    const double odds = v / 10.0;
    bets.push_back({Format("%7.1f", odds) + label, odds});
  }
  std::stable_sort(bets.begin(), bets.end(), [](const Bet& x, const Bet& y) { return x.key < y.key; });
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
  for (size_t i = 0; i < bets.size() && i < static_cast<size_t>(kMaxRunners); ++i)
    a.betLabels[i + 1] = bets[i].key.substr(7, 5);
  if (bets.empty()) return;
  a.upsetDegree = UpsetDegreeOf(a.axisRule, bets.front().odds);
  const int last = ConfirmedConditions(a.upsetDegree);
  for (int h = 1; h <= race.horses; ++h) {
    for (int k = 1; k <= last; ++k) {
      if (a.partnerConditionMarks[h][k] == PartnerMarkText()) a.partnerMark[h] = ConfirmedMarkText();
    }
  }
}

}  // namespace tw
