#include "acquire/odds_schedule.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "codes/jv_message.h"
#include "support/acquire_fixture.h"
#include "text/fields.h"

namespace tw::test {
namespace {

using ::testing::ElementsAre;

class RecordingWindow : public OddsWindowView {
 public:
  std::vector<std::string> events;
  void SetProgress(int position, int maximum) override {
    events.push_back(std::to_string(position) + "/" + std::to_string(maximum));
  }
  void SetProgressText(const std::string& text) override { events.push_back("text:" + U(text)); }
};

// Races 1, 3, 4, 8 and 9 at Tokyo (slots 0-4) with post times that give the
// schedule's interesting cases; the clock stands on the race day.
class OddsScheduleTest : public ::testing::Test, public AcquireFixture {
 protected:
  void SetUp() override {
    day.AddRace("05", 1, 10, "1005");
    day.AddRace("05", 3, 10, "1000");  // "0930" twice
    day.AddRace("05", 4, 10, "1120");
    day.AddRace("05", 8, 10, "1400");
    day.AddRace("05", 9, 10, "1245");  // "1215" twice
    day.AddRace("06", 1, 10, "1010");  // a second course: slots 5-6
    day.AddRace("06", 2, 10, "1040");
    day.AddSampleSnapshot(3, 1, 10, 16);
    day.Write();
    Load();
    jv.defaultRTOpen = 0;
  }
  void At(int hour, int minute, int second = 0) { clock.Set({2024, 5, 12, hour, minute, second}); }
  OddsFetcher fetcher{ctx, host};
  AutoOddsFetch automatic{ctx, host, fetcher};
};

TEST_F(OddsScheduleTest, GridShowsLabelsPlannedAndFetchedTimesWithTheirColours) {
  ScheduleGrid grid = MakeScheduleGrid(model, host.dayText);
  EXPECT_EQ(grid.dayLabel, day.dayName());
  ASSERT_EQ(grid.rows.size(), 8u);
  EXPECT_EQ(U(grid.rows[0][0].text), "レース");
  EXPECT_EQ(U(grid.rows[0][7].text), "取得済時刻");
  EXPECT_EQ(grid.rows[0][3].colour, CellColour::kFixed);
  EXPECT_EQ(U(grid.raceLabels[0]), "東京 2回 6日 1R");

  auto texts = [&](int row) {
    std::vector<std::string> t;
    for (const auto& cell : grid.rows[static_cast<size_t>(row)]) t.push_back(U(cell.text));
    return t;
  };
  EXPECT_THAT(texts(1), ElementsAre("東京 2回 6日 1R", "10:05", "09:15", "", "09:30", "", "", ""));
  EXPECT_THAT(texts(3), ElementsAre("東京 2回 6日 4R", "11:20", "09:30", "", "10:50", "", "", ""));
  EXPECT_THAT(texts(4), ElementsAre("東京 2回 6日 8R", "14:00", "10:15", "10:16", "12:15", "", "13:30", ""));
  const auto& row = grid.rows[4];
  EXPECT_EQ(row[0].colour, CellColour::kToolTip);
  EXPECT_EQ(row[1].colour, CellColour::kWhite);
  EXPECT_EQ(row[2].colour, CellColour::kPlanned);
  EXPECT_EQ(row[3].colour, CellColour::kFetched);
  EXPECT_EQ(row[6].colour, CellColour::kPlanned);
  EXPECT_EQ(row[7].colour, CellColour::kFetched);
  EXPECT_EQ(grid.columnWidths[0], 100);
  EXPECT_EQ(grid.columnWidths[1], 70);
}

TEST_F(OddsScheduleTest, SwitchingOnChecksTheDayAndTheCard) {
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

TEST_F(OddsScheduleTest, DelayFiveQueuesRaceOneAtNineTwentyOnce) {
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

TEST_F(OddsScheduleTest, DelayZeroQueuesInThePlannedMinuteAndDueRacesShareABatch) {
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

TEST_F(OddsScheduleTest, TwoEqualFetchTimesQueueTheRaceOnTwoTicksOfThatMinute) {
  settings.WriteInteger(setting::kFetchDelay, 0);
  automatic.SetAutoFetch(true);
  At(12, 15, 0);
  EXPECT_THAT(automatic.OnScheduleTick(), ElementsAre(day.Key("05", 8), day.Key("05", 9)));
  At(12, 15, 40);  // race 9's third time ("1215") is still unflagged
  EXPECT_THAT(automatic.OnScheduleTick(), ElementsAre(day.Key("05", 9)));
  EXPECT_TRUE(automatic.fetched(4, 2));
  EXPECT_FALSE(automatic.fetched(4, 3));
}

TEST_F(OddsScheduleTest, TicksWhileAStreamIsOpenAreKeptForLater) {
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

TEST_F(OddsScheduleTest, WindowRunFetchesTheTickedRacesInteractively) {
  RecordingWindow window;
  EXPECT_EQ(FetchCheckedRaces(ctx, window, std::vector<bool>(7, false)).stored, 0);
  EXPECT_THAT(ui.events, ElementsAre("beep", "inform:オッズ取得するレースをチェックしてください。"));
  EXPECT_TRUE(window.events.empty());

  ui.events.clear();
  jv.rtOpenResults = {-1, 0};
  FetchCheckedRaces(ctx, window, {false, true, false, false, false, true, false});
  EXPECT_THAT(window.events, ElementsAre("0/7", "1/7", "2/7", "text:データ読込み中:東京 3R", "3/7", "4/7", "5/7", "6/7",
                                         "text:データ読込み中:中山 1R", "7/7", "100/100"));
  EXPECT_THAT(Opened(), ElementsAre(day.Key("05", 3), day.Key("06", 1)));
  EXPECT_EQ(ui.events.front(), "busy:1");
  EXPECT_EQ(ui.events[2], "inform:JVRTOpenエラー:" + U(JVMessage("JVRTOpen", -1)));
  EXPECT_THAT(std::vector<std::string>(ui.events.end() - 2, ui.events.end()),
              ElementsAre("beep", "inform:データ作成が完了しました。"));
  EXPECT_TRUE(LogLines().empty());  // interactive: dialogs only
}

TEST_F(OddsScheduleTest, DialogValuesAreKeptWithinTheirRanges) {
  EXPECT_EQ(ReadFetchDelay(settings), 5);
  EXPECT_EQ(ReadResultInterval(settings), 15);
  StoreFetchDelay(settings, 20);
  StoreResultInterval(settings, 2);
  EXPECT_EQ(ReadFetchDelay(settings), 15);
  EXPECT_EQ(ReadResultInterval(settings), 5);
  StoreFetchDelay(settings, -3);
  StoreResultInterval(settings, 60);
  EXPECT_EQ(ReadFetchDelay(settings), 0);
  EXPECT_EQ(ReadResultInterval(settings), 59);
}

}  // namespace
}  // namespace tw::test
