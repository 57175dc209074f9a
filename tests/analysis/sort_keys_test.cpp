#include "analysis/sort_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "text/format.h"

namespace tw {
namespace {

TEST(HorseSortKey, HundredthsInSixDigitsThenTheHorse) {
  EXPECT_EQ(HorseSortKey(738.0 / 122, 7), "00060507");
  EXPECT_EQ(HorseSortKey(1003.4, 12), "10034012");
  EXPECT_EQ(HorseSortKey(0.0, 1), "00000001");
  // Halves round away from zero, as the "000000" picture does.
  EXPECT_EQ(HorseSortKey(0.125, 1), "00001301");
  EXPECT_EQ(HorseSortKey(0.135, 1), "00001401");
}

TEST(HorseKeyList, SortsByTextAndKeepsEachKeysHorse) {
  HorseKeyList keys;
  keys.Add(1002.0, 3);
  keys.Add(999.5, 10);
  keys.Add(1002.0, 1);
  keys.Add(1002.0, 3);  // duplicates stay
  keys.Sort();
  ASSERT_EQ(keys.Size(), 4);
  EXPECT_EQ(keys.HorseAt(0), 10);
  EXPECT_EQ(keys.HorseAt(1), 1);
  EXPECT_EQ(keys.HorseFromEnd(0), 3);
  EXPECT_EQ(keys.HorseFromEnd(1), 3);
}

// The horses of `values` (horse i + 1 for value i) in the text order of
// their keys, as the lists sorted them when they held the texts.
std::vector<int> HorsesInTextOrder(const std::vector<double>& values, bool fixed) {
  std::vector<std::pair<std::string, int>> keys;
  for (size_t i = 0; i < values.size(); ++i) {
    const int h = static_cast<int>(i) + 1;
    keys.push_back({fixed ? FixedText(values[i], 8, 2) + PaddedNumber(h, 2, ' ') : HorseSortKey(values[i], h), h});
  }
  std::sort(keys.begin(), keys.end());
  std::vector<int> horses;
  for (const auto& key : keys) horses.push_back(key.second);
  return horses;
}

// The list of `values` (horse i + 1 for value i), not yet sorted.
HorseKeyList ListOf(const std::vector<double>& values, bool fixed) {
  HorseKeyList list;
  for (size_t i = 0; i < values.size(); ++i) {
    if (fixed) {
      list.AddFixed(values[i], static_cast<int>(i) + 1);
    } else {
      list.Add(values[i], static_cast<int>(i) + 1);
    }
  }
  return list;
}

std::vector<int> HorsesOfList(const std::vector<double>& values, bool fixed) {
  HorseKeyList list = ListOf(values, fixed);
  list.Sort();
  std::vector<int> horses;
  for (int i = 0; i < list.Size(); ++i) horses.push_back(list.HorseAt(i));
  return horses;
}

TEST(HorseKeyList, OrderIsTheTextOrderOfTheKeys) {
  std::mt19937_64 random(31);
  // Values the analysis forms, ties of their rounded texts, and values whose
  // texts do not sort like numbers: negative ones, "-0.00", more digits.
  const std::vector<double> special = {0.0, -0.0, -0.001, 0.004, 0.005, 1000.0, 1000.004, 999.995, 9999.994, 9999.996,
                                       10000.0, 99999.994, 99999.996, 123456.0, -1.5, -250.0, 1e7,
                                       // where the hundredths round to the edges of six and seven digits
                                       -0.005, -0.00499, 9999.99499, 9999.995, 99999.99499, 99999.995};
  std::uniform_real_distribution<double> usual(0.0, 9000.0);
  std::uniform_int_distribution<size_t> pick(0, special.size() - 1);
  for (int round = 0; round < 3000; ++round) {
    std::vector<double> values;
    const size_t count = 1 + round % 40;  // past the 18 keys a list holds itself
    for (size_t i = 0; i < count; ++i) {
      double v = usual(random);
      if (random() % 4 == 0) v = std::round(v);  // equal rounded texts
      if (round % 3 == 0 && random() % 6 == 0) v = special[pick(random)];
      values.push_back(v);
    }
    for (bool fixed : {false, true}) {
      const std::vector<int> order = HorsesInTextOrder(values, fixed);
      ASSERT_EQ(HorsesOfList(values, fixed), order) << "round " << round << " fixed " << fixed;
      // Only the last few in place: the same last few horses.
      for (int k : {1, 2, 5}) {
        HorseKeyList list = ListOf(values, fixed);
        list.SortLast(k);
        for (int i = 0; i < std::min(k, list.Size()); ++i)
          ASSERT_EQ(list.HorseFromEnd(i), order[order.size() - 1 - static_cast<size_t>(i)])
              << "round " << round << " fixed " << fixed << " k " << k << " i " << i;
      }
    }
  }
}

TEST(RoundedTo2, ReadsBackLikeTheTwoDecimalText) {
  std::mt19937_64 random(12345);
  std::uniform_real_distribution<double> value(-1000.0, 9000.0);
  for (int i = 0; i < 20000; ++i) {
    const double v = value(random);
    ASSERT_EQ(RoundedTo2(v), std::strtod(Format("%.2f", v).c_str(), nullptr)) << Format("%.17g", v);
  }
  EXPECT_EQ(RoundedTo2(1007.5), 1007.5);
  EXPECT_EQ(RoundedTo2(-1.204), -1.2);
}

TEST(SortKeyTexts, MatchThePrintfAndPictureFormats) {
  std::mt19937_64 random(99);
  std::uniform_real_distribution<double> value(0.0, 11000.0);
  for (int i = 0; i < 20000; ++i) {
    const double v = value(random);
    const int h = 1 + i % 18;
    ASSERT_EQ(HorseSortKey(v, h), FormatZeros(v * 100, 6) + Format("%02d", h)) << Format("%.17g", v);
    ASSERT_EQ(FixedText(v, 8, 2), Format("%8.2f", v)) << Format("%.17g", v);
    ASSERT_EQ(FixedText(v / 10, 7, 1), Format("%7.1f", v / 10)) << Format("%.17g", v);
  }
  EXPECT_EQ(HorseSortKey(-0.5, 3), FormatZeros(-50, 6) + "03");
  for (long long v : {1LL, 9LL, 95LL, 100LL, 999999LL}) EXPECT_EQ(PaddedNumber(v, 6, ' '), Format("%6lld", v));
  EXPECT_EQ(PaddedNumber(7, 2, ' '), " 7");
  EXPECT_EQ(PaddedNumber(7, 2, '0'), "07");
  EXPECT_EQ(PaddedNumber(1234567, 6, '0'), "1234567");
}

}  // namespace
}  // namespace tw
