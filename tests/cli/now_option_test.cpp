#include "cli/now_option.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(NowOption, ParsesTheExactShape) {
  EXPECT_EQ(ParseNowOption("2024/05/12 09:30"), (DateTime{2024, 5, 12, 9, 30, 0}));
  EXPECT_EQ(ParseNowOption("2024/05/12 09:30:15"), (DateTime{2024, 5, 12, 9, 30, 15}));
  EXPECT_FALSE(ParseNowOption("2024/5/12 09:30"));
  EXPECT_FALSE(ParseNowOption("2024/05/12  9:30"));
  EXPECT_FALSE(ParseNowOption("2024-05-12 09:30"));
  EXPECT_FALSE(ParseNowOption("2024/02/30 09:30"));
  EXPECT_FALSE(ParseNowOption("2024/05/12 24:00"));
  EXPECT_FALSE(ParseNowOption("2024/05/12 09:30:"));
  EXPECT_FALSE(ParseNowOption(""));
}

TEST(NowOption, ClockRunsOnFromTheGivenTime) {
  NowOption now;
  now.given = true;
  now.start = {2024, 5, 12, 9, 30, 0};
  auto clock = MakeProgramClock(now);
  DateTime t = clock->Now();
  EXPECT_EQ(t.day, 12);
  EXPECT_EQ(t.hour, 9);
  EXPECT_LE(t.minute, 31);
}

}  // namespace
}  // namespace tw
