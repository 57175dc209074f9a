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

TEST(NowOption, TakenOutOfTheArguments) {
  std::vector<std::string> args{"load", "--now", "2024/05/12 09:30", "2024年05月12日"};
  NowOption now = TakeNowOption(args);
  EXPECT_TRUE(now.given);
  EXPECT_TRUE(now.error.empty());
  EXPECT_EQ(now.start, (DateTime{2024, 5, 12, 9, 30, 0}));
  EXPECT_EQ(args, (std::vector<std::string>{"load", "2024年05月12日"}));

  args = {"--now=2024/05/12 16:00"};
  EXPECT_EQ(TakeNowOption(args).start.hour, 16);
  EXPECT_TRUE(args.empty());

  args = {"days"};
  EXPECT_FALSE(TakeNowOption(args).given);
  EXPECT_EQ(args.size(), 1u);
}

TEST(NowOption, MalformedOrMissingValueIsAnError) {
  std::vector<std::string> args{"--now", "yesterday"};
  NowOption now = TakeNowOption(args);
  EXPECT_TRUE(now.given);
  EXPECT_FALSE(now.error.empty());
  EXPECT_TRUE(args.empty());
  args = {"--now"};
  EXPECT_FALSE(TakeNowOption(args).error.empty());
  // A malformed time does not silently set some other clock.
  auto clock = MakeProgramClock(now);
  EXPECT_NE(dynamic_cast<SystemClock*>(clock.get()), nullptr);
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
