#include "analysis/share_changes.h"

#include <algorithm>
#include <vector>

#include "analysis/sort_keys.h"

namespace tw {

namespace {

// Largest minus smallest of the included values, each taken as its
// two-decimal text of value + 1000 read back. Compared as numbers, so a
// negative difference (998.80) stays below a positive one (1001.00).
double ChangeOf(const std::vector<double>& values) {
  if (values.size() < 2) return kNoValue;
  std::vector<double> offset;
  for (double v : values) offset.push_back(RoundedTo2(v + 1000));
  const auto [low, high] = std::minmax_element(offset.begin(), offset.end());
  return *high - *low;
}

}  // namespace

void ComputeShareChanges(RaceAnalysis& a) {
  for (int h = 1; h <= kMaxRunners; ++h) {
    std::vector<double> win, quinella, gap;
    for (int s = 1; s <= kSnapshots; ++s) {
      if (a.winShare[h][s] > 0) win.push_back(a.winShare[h][s]);
      if (a.quinellaShare[h][s] > 0) quinella.push_back(a.quinellaShare[h][s]);
      if (a.shareGap[h][s] < kNoValue) gap.push_back(a.shareGap[h][s]);
    }
    a.winShareChange[h] = ChangeOf(win);
    a.quinellaShareChange[h] = ChangeOf(quinella);
    a.shareGapChange[h] = ChangeOf(gap);
  }
}

void ComputeMaxShareGaps(RaceAnalysis& a) {
  for (int h = 1; h <= kMaxRunners; ++h) {
    std::vector<double> rounded;
    for (int s = 1; s <= kSnapshots; ++s) {
      if (a.shareGap[h][s] < kNoValue) rounded.push_back(RoundedTo2(a.shareGap[h][s]));
    }
    if (rounded.empty()) continue;
    const auto [low, high] = std::minmax_element(rounded.begin(), rounded.end());
    a.maxShareGap[h] = *high >= 0 ? *high : -*low;
  }
}

}  // namespace tw
