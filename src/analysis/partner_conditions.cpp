#include "analysis/partner_conditions.h"

#include <algorithm>
#include <cmath>

#include "analysis/analysis_marks.h"
#include "analysis/sort_keys.h"

namespace tw {

namespace {

void Mark(RaceAnalysis& a, int h, int k, const std::string& mark) { SetMark(a.partnerConditionMarks[h][k], mark); }

bool HasPartnerMark(const RaceAnalysis& a, int h, int k) {
  return HasMark(a.partnerConditionMarks[h][k], PartnerMarkText());
}

// A partner whose current win share is this small is struck out.
void StrikeSmallWinShares(const RaceOdds& race, RaceAnalysis& a, int k) {
  const int s = race.latest;
  const std::string& partner = PartnerMarkText();
  for (int h = 1; h <= race.horses; ++h) {
    if (HasMark(a.partnerConditionMarks[h][k], partner) && a.winShare[h][s] > 0 && a.winShare[h][s] < 0.74)
      Mark(a, h, k, StruckMarkText());
  }
}

}  // namespace

void PartnerWinShareMovers(const RaceOdds& race, RaceAnalysis& a) {
  HorseKeyList keys;
  const std::string& axis = AxisMarkText();
  for (int h = 1; h <= race.horses; ++h) {
    if (a.winShareChange[h] < kNoValue && !HasMark(a.axisMark[h], axis)) keys.Add(a.winShareChange[h] + 1000, h);
  }
  keys.SortLast(5);
  for (int i = 0; i < std::min(5, keys.Size()); ++i) Mark(a, keys.HorseFromEnd(i), 1, PartnerMarkText());
  StrikeSmallWinShares(race, a, 1);
}

void PartnerLargeGaps(const RaceOdds& race, RaceAnalysis& a) {
  const int s = race.latest;
  HorseKeyList keys;
  for (int h = 1; h <= race.horses; ++h) {
    const double d = a.shareGap[h][s];
    if (d < kNoValue && std::fabs(d) >= 2.0 && !HasPartnerMark(a, h, 1)) keys.Add(a.quinellaShare[h][s] + 1000, h);
  }
  keys.SortLast(2);
  for (int i = 0; i < std::min(2, keys.Size()); ++i) Mark(a, keys.HorseFromEnd(i), 2, PartnerMarkText());
}

void PartnerWinShareRise(const RaceOdds& race, RaceAnalysis& a) {
  const int s = race.latest;
  for (int h = 1; h <= race.horses; ++h) {
    if (a.winShare[h][s] > 0 && a.winShare[h][s] - a.winShare[h][s - 1] >= 0.1) Mark(a, h, 3, PartnerMarkText());
  }
  StrikeSmallWinShares(race, a, 3);
}

void PartnerQuinellaShareRise(const RaceOdds& race, RaceAnalysis& a) {
  const int s = race.latest;
  for (int h = 1; h <= race.horses; ++h) {
    const double q = a.quinellaShare[h][s];
    if (q > 0 && a.quinellaShare[h][1] > 0 && q - a.quinellaShare[h][1] >= 0.1) Mark(a, h, 4, PartnerMarkText());
  }
}

void PartnerGapBuildUp(const RaceOdds& race, RaceAnalysis& a) {
  const int s = race.latest;
  for (int h = 1; h <= race.horses; ++h) {
    const double change = a.shareGapChange[h];
    const double latest = a.shareGap[h][s];
    const double first = a.shareGap[h][1];
    if (change < kNoValue && latest < kNoValue && first < kNoValue && first >= 0.2 && (change >= 0.5 || latest >= 0.2))
      Mark(a, h, 5, PartnerMarkText());
  }
}

void JudgePartners(const RaceOdds& race, RaceAnalysis& a) {
  PartnerWinShareMovers(race, a);
  PartnerLargeGaps(race, a);
  PartnerWinShareRise(race, a);
  PartnerQuinellaShareRise(race, a);
  PartnerGapBuildUp(race, a);
  const std::string& partner = PartnerMarkText();
  for (int h = 1; h <= race.horses; ++h) {
    for (int k = 1; k <= 5; ++k) {
      if (HasMark(a.partnerConditionMarks[h][k], partner)) SetMark(a.partnerMark[h], partner);
    }
  }
}

}  // namespace tw
