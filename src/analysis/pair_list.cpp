#include "analysis/pair_list.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tw {

std::vector<PairKey> LatestPairList(const RaceOdds& race) {
  // Odds above the pair index, so that the keys sort by odds, then index.
  constexpr int kIndexBits = 16;
  std::array<std::uint64_t, kQuinellaPairs> keys;
  size_t count = 0;
  for (int j = 1; j <= race.PairCount(); ++j) {
    const std::int32_t v = race.Pair(race.latest, j).value;
    if (v > 0) keys[count++] = static_cast<std::uint64_t>(v) << kIndexBits | static_cast<std::uint64_t>(j);
  }
  // A six-byte field holds at most 999999, so "%6d" keys sort like the numbers.
  std::sort(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(count));
  const PairNumbersTable& numbers = PairNumbersOfTable(race.quinellaMode);
  std::vector<PairKey> list;
  list.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const int j = static_cast<int>(keys[i] & ((1u << kIndexBits) - 1));
    list.push_back({static_cast<long long>(keys[i] >> kIndexBits), j, numbers[static_cast<size_t>(j)]});
  }
  return list;
}

}  // namespace tw
