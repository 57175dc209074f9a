#include "analysis/pair_list.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tw {

std::vector<PairKey> LatestPairList(const RaceOdds& race, size_t limit) {
  // Odds above the pair index, so that the keys sort by odds, then index.
  // A six-byte field holds at most 999999, so "%6d" keys sort like the
  // numbers. Keys are distinct (each holds its index), so the cheapest ones
  // are the same whichever way they are found.
  constexpr int kIndexBits = 16;
  std::array<std::uint64_t, kQuinellaPairs> keys;
  size_t count = 0;
  if (limit > 0 && limit <= kCheapestPairs) {
    // The few cheapest kept in order as the keys go by: most keys are dearer
    // than the dearest kept and cost one comparison.
    for (int j = 1; j <= race.PairCount(); ++j) {
      const std::int32_t v = race.Pair(race.latest, j).value;
      if (v <= 0) continue;
      const std::uint64_t key = static_cast<std::uint64_t>(v) << kIndexBits | static_cast<std::uint64_t>(j);
      if (count == limit && key >= keys[count - 1]) continue;
      size_t at = count < limit ? count++ : count - 1;
      for (; at > 0 && keys[at - 1] > key; --at) keys[at] = keys[at - 1];
      keys[at] = key;
    }
  } else {
    for (int j = 1; j <= race.PairCount(); ++j) {
      const std::int32_t v = race.Pair(race.latest, j).value;
      if (v > 0) keys[count++] = static_cast<std::uint64_t>(v) << kIndexBits | static_cast<std::uint64_t>(j);
    }
    const auto first = keys.begin();
    auto end = first + static_cast<std::ptrdiff_t>(count);
    if (limit < count) {
      std::nth_element(first, first + static_cast<std::ptrdiff_t>(limit), end);
      end = first + static_cast<std::ptrdiff_t>(limit);
      count = limit;
    }
    std::sort(first, end);
  }
  const PairNumbersTable& numbers = PairNumbersOfTable(race.pairKind);
  std::vector<PairKey> list;
  list.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const int j = static_cast<int>(keys[i] & ((1u << kIndexBits) - 1));
    list.push_back({static_cast<long long>(keys[i] >> kIndexBits), j, numbers[static_cast<size_t>(j)]});
  }
  return list;
}

}  // namespace tw
