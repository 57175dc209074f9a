#include "analysis/fetch_times.h"

#include <gtest/gtest.h>

#include "support/day_builder.h"

namespace tw {
namespace {

TEST(FetchTimesTest, PostTimeLess30GuardsDamagedTimes) {
  auto with = [](const std::string& post) {
    return PostTimeLess30(test::RaceLine(test::RaceKey(2024, 5, 12, "05", 2, 6, 11), 18, post));
  };
  EXPECT_EQ(with("1545"), "1515");
  EXPECT_EQ(with("1000"), "0930");
  EXPECT_EQ(with("0000"), "");
  EXPECT_EQ(with("    "), "");
  EXPECT_EQ(with("0015"), "");
}

}  // namespace
}  // namespace tw
