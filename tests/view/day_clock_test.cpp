#include "view/day_clock.h"

#include <gtest/gtest.h>

#include "support/schedule_day_fixture.h"

namespace tw::test {
namespace {

using DayClockTest = ScheduleDayFixture;

TEST_F(DayClockTest, NextPlannedFetchAndPostCountdownOnTheRaceDay) {
  struct Case {
    DateTime now;
    int race;  // slot on view, -1 none
    bool autoFetch;
    const char* nextFetch;
    const char* countdown;
  };
  // Planned times plus the delay of 5 minutes: 09:20 for both first races,
  // 09:35 for five races, the last at 13:35 (Tokyo 8R, post 14:00).
  const Case cases[] = {
      {{2024, 5, 12, 9, 0, 0}, 0, true, "次のｵｯｽﾞ取得 09:20 東京 1R ほか1レース", "東京 1R 発走まで 1時間05分00秒"},
      {{2024, 5, 12, 9, 20, 10}, -1, true, "次のｵｯｽﾞ取得 09:35 東京 1R ほか4レース", ""},
      {{2024, 5, 12, 10, 4, 30}, 0, false, "次のｵｯｽﾞ取得 10:15 中山 2R（自動取得オフ）", "東京 1R 発走まで 00分30秒"},
      {{2024, 5, 12, 13, 40, 0},
       0,
       true,
       "本日のｵｯｽﾞ取得予定は終わりました",
       "東京 1R 発走 10:05（発走時刻を過ぎました）"},
      {{2024, 5, 13, 9, 0, 0}, 0, true, "", ""},  // another day: nothing
  };
  for (const Case& c : cases) {
    const DayClockTexts texts = MakeDayClockTexts(model, c.race, c.now, 5, c.autoFetch);
    EXPECT_EQ(U(texts.nextFetch), c.nextFetch) << c.now.hour << ":" << c.now.minute;
    EXPECT_EQ(U(texts.postCountdown), c.countdown) << c.now.hour << ":" << c.now.minute;
  }
}

}  // namespace
}  // namespace tw::test
