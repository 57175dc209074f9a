#include "analysis/axis_conditions.h"

#include <algorithm>
#include <cmath>

#include "analysis/analysis_marks.h"
#include "analysis/sort_keys.h"

namespace tw {

namespace {

void Claim(RaceAnalysis& a, int k) {
  if (a.axisRule == 0) a.axisRule = k;
}

void Mark(RaceAnalysis& a, int h, int k, const std::string& mark) { SetMark(a.axisConditionMarks[h][k], mark); }

// Win share of 30 or more and quinella share of 25 or more at the latest snapshot.
bool IsStrong(const RaceAnalysis& a, int h, int s) { return a.winShare[h][s] >= 30.0 && a.quinellaShare[h][s] >= 25.0; }

bool AnyStrong(const RaceOdds& race, const RaceAnalysis& a) {
  for (int h = 1; h <= race.horses; ++h) {
    if (IsStrong(a, h, race.latest)) return true;
  }
  return false;
}

int Favourite(const RaceOdds& race, const RaceAnalysis& a) { return a.winPopularityOrder[1][race.latest]; }

// 1-based position of the first pair without horse f; 0 when every pair has it.
int FirstPairWithout(const std::vector<PairKey>& pairs, int f) {
  for (size_t i = 0; i < pairs.size(); ++i) {
    if (!pairs[i].horses.Contains(f)) return static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace

void AxisLongShotGaps(const RaceOdds& race, RaceAnalysis& a) {
  const int s = race.latest;
  int candidates = 0;
  HorseKeyList keys;
  for (int h = 1; h <= race.horses; ++h) {
    const long long v = race.Win(s, h).value;
    if (v <= 0 || v / 10.0 < 20.0) continue;
    ++candidates;
    Mark(a, h, 1, CandidateMarkText());
    // Without a maximum difference a candidate has nothing to compare and
    // cannot be chosen, but it still counts as a candidate.
    if (a.maxShareGap[h] < kNoValue) keys.Add(std::fabs(a.maxShareGap[h] + 1000), h);
  }
  keys.SortLast(1);
  if (candidates >= 2 && !keys.Empty()) {
    Mark(a, keys.HorseFromEnd(0), 1, AxisMarkText());
    Claim(a, 1);
  }
}

void AxisFavouriteDominance(const RaceOdds& race, const std::vector<PairKey>& pairs, RaceAnalysis& a) {
  const int f = Favourite(race, a);
  const int size = static_cast<int>(pairs.size());
  const int firstWithout = FirstPairWithout(pairs, f);
  const int e = firstWithout == 0 ? size : firstWithout;
  int withFavourite = 0;
  for (int i = 0; i < std::min(10, size); ++i) {
    if (pairs[static_cast<size_t>(i)].horses.Contains(f)) ++withFavourite;
  }
  if (e < 6 && withFavourite < 7) return;
  const int s = race.latest;
  bool marked = false;
  for (int h = 1; h <= race.horses; ++h) {
    if (a.winShare[h][s] > 0 && a.quinellaShare[h][s] > 0 && IsStrong(a, h, s)) {
      Mark(a, h, 2, AxisMarkText());
      marked = true;
    }
  }
  if (marked) Claim(a, 2);
}

void AxisEarlyGapOutsideTopThree(const RaceOdds& race, RaceAnalysis& a) {
  const int s = race.latest;
  HorseKeyList current;
  for (int h = 1; h <= race.horses; ++h) {
    if (a.quinellaShare[h][s] > 0 && a.shareGap[h][s] < kNoValue) current.Add(a.quinellaShare[h][s], h);
  }
  current.Sort();
  const int remaining = current.Size() - std::min(3, current.Size());
  HorseKeyList early;
  for (int i = 0; i < remaining; ++i) {
    const int h = current.HorseAt(i);
    // A horse without a difference at snapshot 1 is no candidate.
    if (a.shareGap[h][1] < kNoValue) early.Add(a.shareGap[h][1] + 1000, h);
  }
  early.SortLast(1);
  if (early.Empty()) return;
  const int c = early.HorseFromEnd(0);
  const double w1 = a.winShare[c][1];
  const double d1 = a.shareGap[c][1];
  if (w1 >= 4.0 && w1 < 12.5 && a.winShare[c][2] < w1 && d1 >= 1.0 && d1 < 10.0) {
    Mark(a, c, 3, AxisMarkText());
    Claim(a, 3);
  } else {
    Mark(a, c, 3, CandidateMarkText());
  }
}

void AxisFirstOutsiderPair(const RaceOdds& race, const std::vector<PairKey>& pairs, RaceAnalysis& a) {
  const int position = FirstPairWithout(pairs, Favourite(race, a));
  if (position != 4 && position != 5) return;
  const int s = race.latest;
  const int first = pairs[static_cast<size_t>(position - 1)].horses.first;
  const int second = pairs[static_cast<size_t>(position - 1)].horses.second;
  const double gapFirst = std::fabs(a.maxShareGap[first]);
  const double gapSecond = std::fabs(a.maxShareGap[second]);
  bool firstWins = gapFirst > gapSecond;
  if (gapFirst == gapSecond) firstWins = a.quinellaShare[first][s] > a.quinellaShare[second][s];
  Mark(a, firstWins ? first : second, 4, AxisMarkText());
  Mark(a, firstWins ? second : first, 4, CandidateMarkText());
  Claim(a, 4);
  if (AnyStrong(race, a)) return;
  for (int h = 1; h <= kMaxRunners; ++h) a.axisConditionMarks[h][4].clear();
  if (a.axisRule == 4) a.axisRule = 0;
}

void AxisSecondEarlyQuinella(const RaceOdds& race, RaceAnalysis& a) {
  HorseKeyList keys;
  for (int h = 1; h <= race.horses; ++h) {
    const double d1 = a.shareGap[h][1];
    if (d1 < kNoValue && a.winShare[h][2] > 0 && a.quinellaShare[h][1] > 0 && d1 > 0)
      keys.Add(a.quinellaShare[h][1] + 1000, h);
  }
  keys.SortLast(2);
  if (keys.Size() < 2) return;
  const int c = keys.HorseFromEnd(1);
  if (a.winShare[c][1] >= 4.95 && a.winShare[c][1] > a.winShare[c][2] && a.shareGap[c][1] >= 1.0) {
    Mark(a, c, 5, AxisMarkText());
    Claim(a, 5);
  }
}

void AxisGapAgainstQuinellaFavourite(const RaceOdds& race, RaceAnalysis& a) {
  const int s = race.latest;
  HorseKeyList gaps, quinellas;
  for (int h = 1; h <= race.horses; ++h) {
    const double d = a.shareGap[h][s];
    if (d > 0 && d < kNoValue) {
      Mark(a, h, 6, CandidateMarkText());
      gaps.Add(a.maxShareGap[h] + 1000, h);
    }
    if (a.quinellaShare[h][s] > 0) quinellas.Add(a.quinellaShare[h][s] + 1000, h);
  }
  gaps.SortLast(1);
  quinellas.SortLast(1);
  if (gaps.Empty() || quinellas.Empty() || gaps.HorseFromEnd(0) == quinellas.HorseFromEnd(0)) return;
  Mark(a, gaps.HorseFromEnd(0), 6, AxisMarkText());
  Claim(a, 6);
}

void AxisLargestGap(const RaceOdds& race, RaceAnalysis& a) {
  HorseKeyList keys;
  for (int h = 1; h <= race.horses; ++h) {
    if (a.maxShareGap[h] < kNoValue) keys.Add(std::fabs(a.maxShareGap[h]), h);
  }
  keys.SortLast(1);
  if (!keys.Empty()) Mark(a, keys.HorseFromEnd(0), 7, AxisMarkText());
  Claim(a, 7);
}

void JudgeAxis(const RaceOdds& race, const std::vector<PairKey>& pairs, RaceAnalysis& a, bool everyCondition) {
  using Condition = void (*)(const RaceOdds&, const std::vector<PairKey>&, RaceAnalysis&);
  static constexpr Condition kConditions[] = {
      [](const RaceOdds& r, const std::vector<PairKey>&, RaceAnalysis& x) { AxisLongShotGaps(r, x); },
      [](const RaceOdds& r, const std::vector<PairKey>& p, RaceAnalysis& x) { AxisFavouriteDominance(r, p, x); },
      [](const RaceOdds& r, const std::vector<PairKey>&, RaceAnalysis& x) { AxisEarlyGapOutsideTopThree(r, x); },
      [](const RaceOdds& r, const std::vector<PairKey>& p, RaceAnalysis& x) { AxisFirstOutsiderPair(r, p, x); },
      [](const RaceOdds& r, const std::vector<PairKey>&, RaceAnalysis& x) { AxisSecondEarlyQuinella(r, x); },
      [](const RaceOdds& r, const std::vector<PairKey>&, RaceAnalysis& x) { AxisGapAgainstQuinellaFavourite(r, x); },
      [](const RaceOdds& r, const std::vector<PairKey>&, RaceAnalysis& x) { AxisLargestGap(r, x); },
  };
  a.axisRule = 0;
  for (const Condition condition : kConditions) {
    condition(race, pairs, a);
    // A condition claims or not when it is done (the fourth may take its
    // claim back): a later one never changes the claim.
    if (!everyCondition && a.axisRule != 0) break;
  }
  if (a.axisRule < 1 || a.axisRule > 7) return;
  const std::string& axis = AxisMarkText();
  for (int h = 1; h <= race.horses; ++h) {
    if (HasMark(a.axisConditionMarks[h][a.axisRule], axis)) SetMark(a.axisMark[h], axis);
  }
}

}  // namespace tw
