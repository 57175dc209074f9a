#include "acquire/fetch_checked_races.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "codes/jv_message.h"
#include "support/schedule_day_fixture.h"
#include "text/fields.h"

namespace tw::test {
namespace {

using ::testing::ElementsAre;
using FetchCheckedRacesTest = ScheduleDayFixture;

class RecordingWindow : public OddsWindowView {
 public:
  std::vector<std::string> events;
  int stopAtRace = 0;  // the stop is asked before this race's fetch (1-based); 0 never
  void SetProgress(int position, int maximum) override {
    events.push_back(std::to_string(position) + "/" + std::to_string(maximum));
  }
  void SetProgressText(const std::string& text) override { events.push_back("text:" + U(text)); }
  bool StopRequested() override {
    return stopAtRace > 0 &&
           std::count_if(events.begin(), events.end(), [](const std::string& e) { return e.rfind("text:", 0) == 0; }) +
                   1 >=
               stopAtRace;
  }
};

TEST_F(FetchCheckedRacesTest, WindowRunIsToldInOneDialogAtItsEnd) {
  RecordingWindow window;
  EXPECT_EQ(FetchCheckedRaces(ctx, window, std::vector<bool>(7, false)).stored, 0);
  EXPECT_THAT(ui.events, ElementsAre("beep", "inform:オッズ取得するレースをチェックしてください。"));
  EXPECT_TRUE(window.events.empty());

  // Nothing newer for either race: no failure, and no "done" either.
  ui.events.clear();
  jv.rtOpenResults = {-1, 0};
  FetchCheckedRaces(ctx, window, {false, true, false, false, false, true, false});
  EXPECT_THAT(window.events, ElementsAre("0/7", "1/7", "2/7", "text:データ読込み中:東京 3R", "3/7", "4/7", "5/7", "6/7",
                                         "text:データ読込み中:中山 1R", "7/7", "100/100"));
  EXPECT_THAT(Opened(), ElementsAre(day.Key("05", 3), day.Key("06", 1)));
  EXPECT_THAT(ui.Told(),
              ElementsAre("beep", "inform:新しいオッズはありませんでした。\n新しいオッズがなかったレース：2"));
  EXPECT_FALSE(ui.busy);

  // Races that failed alike are one line of the one dialog.
  ui.events.clear();
  jv.rtOpenResults = {-201, 0, -201};
  jv.QueueRecord(Rec(WinOddsLine(day.Key("05", 3), "05120930", SampleWinOdds(10, 0))));
  FetchCheckedRaces(ctx, window, {true, true, true});
  EXPECT_THAT(ui.Told(), ElementsAre("beep",
                                     "inform:データ作成が完了しました。\nオッズを保存したレース：1\n"
                                     "取得できなかったレース：2\n　東京 1R、東京 4R：JVRTOpenエラー:" +
                                         U(JVMessage("JVRTOpen", -201))));
  EXPECT_TRUE(LogLines().empty());  // interactive: the dialog only
}

TEST_F(FetchCheckedRacesTest, AStopEndsTheRunBetweenRacesAndKeepsWhatWasStored) {
  RecordingWindow window;
  window.stopAtRace = 2;
  jv.QueueRecord(Rec(WinOddsLine(day.Key("05", 1), "05120930", SampleWinOdds(10, 0))));
  jv.readResults.push_back({0, "", ""});
  FetchCheckedRaces(ctx, window, std::vector<bool>(7, true));
  EXPECT_THAT(Opened(), ElementsAre(day.Key("05", 1)));
  EXPECT_THAT(ui.Told(), ElementsAre("beep",
                                     "inform:取得を中止しました。\nオッズを保存したレース：1\n"
                                     "中止したため取得しなかったレース：6"));
  EXPECT_EQ(Field(DataLines(day.dayName() + ".jvO1")[0], 28, 8), "05120930");
  EXPECT_FALSE(gate.busy());
}

}  // namespace
}  // namespace tw::test
