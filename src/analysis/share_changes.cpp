#include "analysis/share_changes.h"

#include <algorithm>
#include <array>

#include "analysis/sort_keys.h"

namespace tw {

namespace {

// The values of one horse over the snapshots that have them.
struct SnapshotValues {
  std::array<double, kSnapshots> values{};
  int count = 0;
  void Add(double v) { values[static_cast<size_t>(count++)] = v; }
};

// Largest minus smallest of the included values, each taken as its
// two-decimal text of value + 1000 read back. Compared as numbers, so a
// negative difference (998.80) stays below a positive one (1001.00).
// The rounding never puts a larger value below a smaller one, so only the
// extremes need rounding; a difference of zeros is 0.0 whatever their signs.
double ChangeOf(const SnapshotValues& included) {
  if (included.count < 2) return kNoValue;
  double low = included.values[0] + 1000;
  double high = low;
  for (int i = 1; i < included.count; ++i) {
    const double v = included.values[static_cast<size_t>(i)] + 1000;
    low = std::min(low, v);
    high = std::max(high, v);
  }
  return RoundedTo2(high) - RoundedTo2(low);
}

}  // namespace

void ComputeShareChanges(RaceAnalysis& a, bool quinellaShareChanges) {
  for (int h = 1; h <= kMaxRunners; ++h) {
    SnapshotValues win, quinella, gap;
    for (int s = 1; s <= kSnapshots; ++s) {
      if (a.winShare[h][s] > 0) win.Add(a.winShare[h][s]);
      if (a.quinellaShare[h][s] > 0) quinella.Add(a.quinellaShare[h][s]);
      if (a.shareGap[h][s] < kNoValue) gap.Add(a.shareGap[h][s]);
    }
    a.winShareChange[h] = ChangeOf(win);
    if (quinellaShareChanges) a.quinellaShareChange[h] = ChangeOf(quinella);
    a.shareGapChange[h] = ChangeOf(gap);
  }
}

void ComputeMaxShareGaps(RaceAnalysis& a) {
  for (int h = 1; h <= kMaxRunners; ++h) {
    bool any = false;
    double low = 0, high = 0;
    for (int s = 1; s <= kSnapshots; ++s) {
      if (a.shareGap[h][s] >= kNoValue) continue;
      const double v = RoundedTo2(a.shareGap[h][s]);
      low = any ? std::min(low, v) : v;
      high = any ? std::max(high, v) : v;
      any = true;
    }
    if (any) a.maxShareGap[h] = high >= 0 ? high : -low;
  }
}

}  // namespace tw
