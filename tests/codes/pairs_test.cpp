#include "codes/pairs.h"

#include <gtest/gtest.h>

#include <vector>

namespace tw {
namespace {

TEST(BracketPairs, LabelsAndIndexes) {
  EXPECT_EQ(BracketPairLabel(1), " 1- 1");
  EXPECT_EQ(BracketPairLabel(8), " 1- 8");
  EXPECT_EQ(BracketPairLabel(9), " 2- 2");
  EXPECT_EQ(BracketPairLabel(36), " 8- 8");
  EXPECT_EQ(BracketPairIndex(" 3- 3"), 16);
  EXPECT_EQ(BracketPairIndex(" 4- 8"), BracketPairIndexOf(4, 8));
}

TEST(BracketPairs, EveryLabelRoundTripsAndMatchesTheFormula) {
  int index = 0;
  for (int i = 1; i <= 8; ++i) {
    for (int j = i; j <= 8; ++j) {
      ++index;
      EXPECT_EQ(BracketPairIndexOf(i, j), index) << i << "-" << j;
      std::string label = BracketPairLabel(index);
      ASSERT_EQ(label.size(), 5u);
      EXPECT_EQ(BracketPairIndex(label), index) << label;
    }
  }
  EXPECT_EQ(index, kBracketPairs);
}

TEST(BracketPairs, OutOfRangeAndInexactLabels) {
  for (int i : {0, -1, 37, 1000}) EXPECT_EQ(BracketPairLabel(i), "") << i;
  for (const char* label : {"3- 3", " 3-3", "3-3", " 3- 3 ", " 2- 1", " 1- 9", " 9- 9", "", "     "})
    EXPECT_EQ(BracketPairIndex(label), 0) << label;
  EXPECT_EQ(BracketPairIndexOf(2, 1), 0);
  EXPECT_EQ(BracketPairIndexOf(0, 1), 0);
  EXPECT_EQ(BracketPairIndexOf(1, 9), 0);
}

TEST(QuinellaPairs, LabelsAndIndexes) {
  EXPECT_EQ(QuinellaPairLabel(1), " 1- 2");
  EXPECT_EQ(QuinellaPairLabel(17), " 1-18");
  EXPECT_EQ(QuinellaPairLabel(18), " 2- 3");
  EXPECT_EQ(QuinellaPairLabel(153), "17-18");
  EXPECT_EQ(QuinellaPairIndex(" 9-10"), QuinellaPairIndexOf(9, 10));
  EXPECT_EQ(QuinellaPairIndex("17-18"), 153);
}

TEST(QuinellaPairs, EveryLabelRoundTripsAndMatchesTheFormula) {
  int index = 0;
  for (int i = 1; i <= 18; ++i) {
    for (int j = i + 1; j <= 18; ++j) {
      ++index;
      EXPECT_EQ(QuinellaPairIndexOf(i, j), index) << i << "-" << j;
      std::string label = QuinellaPairLabel(index);
      ASSERT_EQ(label.size(), 5u);
      EXPECT_EQ(QuinellaPairIndex(label), index) << label;
    }
  }
  EXPECT_EQ(index, kQuinellaPairs);
}

TEST(QuinellaPairs, OutOfRangeAndInexactLabels) {
  for (int i : {0, -5, 154}) EXPECT_EQ(QuinellaPairLabel(i), "") << i;
  for (const char* label : {" 1- 1", " 2- 1", "1- 2", " 1-19", "18-18", ""})
    EXPECT_EQ(QuinellaPairIndex(label), 0) << label;
  EXPECT_EQ(QuinellaPairIndexOf(3, 3), 0);
  EXPECT_EQ(QuinellaPairIndexOf(1, 19), 0);
}

std::vector<int> Brackets(int n) {
  std::vector<int> out;
  for (int h = 1; h <= n; ++h) out.push_back(BracketOfHorse(n, h));
  return out;
}

TEST(BracketOfHorse, FullFields) {
  EXPECT_EQ(Brackets(18), (std::vector<int>{1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 7, 8, 8, 8}));
  EXPECT_EQ(Brackets(17), (std::vector<int>{1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 8}));
  EXPECT_EQ(Brackets(16), (std::vector<int>{1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8}));
}

TEST(BracketOfHorse, SmallFields) {
  EXPECT_EQ(Brackets(10), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 7, 8, 8}));
  EXPECT_EQ(Brackets(9), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 8}));
  EXPECT_EQ(Brackets(12), (std::vector<int>{1, 2, 3, 4, 5, 5, 6, 6, 7, 7, 8, 8}));
  for (int n = 1; n <= 8; ++n)
    for (int h = 1; h <= n; ++h) EXPECT_EQ(BracketOfHorse(n, h), h) << n << " " << h;
}

TEST(BracketOfHorse, EveryFieldFillsBracketsInOrder) {
  for (int n = 1; n <= 18; ++n) {
    std::vector<int> b = Brackets(n);
    EXPECT_EQ(b.front(), 1) << n;
    EXPECT_EQ(b.back(), std::min(n, 8)) << n;
    for (size_t k = 1; k < b.size(); ++k) {
      EXPECT_TRUE(b[k] == b[k - 1] || b[k] == b[k - 1] + 1) << n << " " << k;
    }
  }
}

TEST(BracketOfHorse, HorseOutsideTheFieldStaysWithinEightBrackets) {
  for (int n : {0, 5, 10, 16, 17, 18})
    for (int h : {-1, 0, 19, 30}) {
      int b = BracketOfHorse(n, h);
      EXPECT_GE(b, 1);
      EXPECT_LE(b, 8);
    }
}

}  // namespace
}  // namespace tw
