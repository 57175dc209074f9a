#include "acquire/auto_odds_fetch.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/schedule_day_fixture.h"
#include "text/fields.h"

namespace tw::test {
namespace {

using ::testing::ElementsAre;

class AutoOddsFetchTest : public ScheduleDayFixture {
 protected:
  OddsFetcher fetcher{ctx, host};
  AutoOddsFetch automatic{ctx, host, fetcher};
};

TEST_F(AutoOddsFetchTest, SwitchingOnChecksTheDayAndTheCard) {
  At(9, 0);
  host.dayText = Sjis("2024年05月11日");  // yesterday
  EXPECT_FALSE(automatic.SetAutoFetch(true));
  EXPECT_THAT(ui.events, ElementsAre("beep", "inform:本日のﾃﾞｰﾀを読み込んでください。"));
  EXPECT_THAT(host.events, ElementsAre("auto:0"));

  host.dayText = day.dayName();
  ui.events.clear();
  host.events.clear();
  EXPECT_TRUE(automatic.SetAutoFetch(true));
  EXPECT_TRUE(ui.events.empty());
  EXPECT_THAT(host.events, ElementsAre("timer:1", "manual:0"));
  host.events.clear();
  EXPECT_FALSE(automatic.SetAutoFetch(false));
  EXPECT_THAT(host.events, ElementsAre("timer:0", "manual:1"));
}

TEST_F(AutoOddsFetchTest, DelayFiveQueuesRaceOneAtNineTwentyOnce) {
  automatic.SetAutoFetch(true);
  At(9, 15);
  EXPECT_TRUE(automatic.OnScheduleTick().empty());  // the delay holds it back
  At(9, 20, 10);                                    // race 1 of both courses
  EXPECT_THAT(automatic.OnScheduleTick(), ElementsAre(day.Key("05", 1), day.Key("06", 1)));
  EXPECT_TRUE(automatic.fetched(0, 1));
  At(9, 20, 50);
  EXPECT_TRUE(automatic.OnScheduleTick().empty());  // the same minute again
  EXPECT_THAT(Opened(), ElementsAre(day.Key("05", 1), day.Key("06", 1)));
  EXPECT_EQ(std::count(host.events.begin(), host.events.end(), "reload"), 1);
}

TEST_F(AutoOddsFetchTest, DelayZeroQueuesInThePlannedMinuteAndDueRacesShareABatch) {
  settings.WriteInteger(setting::kFetchDelay, 0);
  automatic.SetAutoFetch(true);
  At(9, 15);
  EXPECT_THAT(automatic.OnScheduleTick(), ElementsAre(day.Key("05", 1), day.Key("06", 1)));
  host.events.clear();
  At(9, 30);  // the second time of both race 1s, the first of the other races
  EXPECT_THAT(automatic.OnScheduleTick(),
              ElementsAre(day.Key("05", 1), day.Key("05", 3), day.Key("05", 4), day.Key("06", 1), day.Key("06", 2)));
  EXPECT_THAT(host.events, ElementsAre("reload"));  // one batch
}

TEST_F(AutoOddsFetchTest, TwoEqualFetchTimesQueueTheRaceOnTwoTicksOfThatMinute) {
  settings.WriteInteger(setting::kFetchDelay, 0);
  automatic.SetAutoFetch(true);
  At(12, 15, 0);
  EXPECT_THAT(automatic.OnScheduleTick(), ElementsAre(day.Key("05", 8), day.Key("05", 9)));
  At(12, 15, 40);  // race 9's third time ("1215") is still unflagged
  EXPECT_THAT(automatic.OnScheduleTick(), ElementsAre(day.Key("05", 9)));
  EXPECT_TRUE(automatic.fetched(4, 2));
  EXPECT_FALSE(automatic.fetched(4, 3));
}

TEST_F(AutoOddsFetchTest, TicksWhileAStreamIsOpenAreKeptForLater) {
  settings.WriteInteger(setting::kFetchDelay, 0);
  automatic.SetAutoFetch(true);
  At(10, 15);
  {
    StreamHold resultFetch(gate);
    EXPECT_THAT(automatic.OnScheduleTick(), ElementsAre(day.Key("05", 8), day.Key("05", 9)));
    EXPECT_TRUE(jv.calls.empty());
  }
  At(10, 15, 40);
  EXPECT_TRUE(automatic.OnScheduleTick().empty());  // nothing new, but the held races run
  EXPECT_THAT(Opened(), ElementsAre(day.Key("05", 8), day.Key("05", 9)));
}

}  // namespace
}  // namespace tw::test
