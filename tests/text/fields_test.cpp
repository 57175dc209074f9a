#include "text/fields.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(Fields, ReadsPastTheEndAsSpaces) {
  EXPECT_EQ(Field("RA1", 2, 4), "A1  ");
  EXPECT_EQ(Field("RA1", 10, 3), "   ");
  EXPECT_EQ(Field("", 1, 2), "  ");
  EXPECT_EQ(Field("ABC", 0, 2), "  ");
}

TEST(Fields, IntegerValueOfText) {
  EXPECT_EQ(IntValue("05"), 5);
  EXPECT_EQ(IntValue("  "), 0);
  EXPECT_EQ(IntValue("12 "), 12);
  EXPECT_EQ(IntValue("  -7x"), -7);
  EXPECT_EQ(IntValue("+3"), 3);
  EXPECT_EQ(IntValue("-"), 0);
  EXPECT_EQ(IntValue("a1"), 0);
  EXPECT_EQ(IntValue("1 2"), 1);
}

}  // namespace
}  // namespace tw
