#include "acquire/fetch_checked_races.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "codes/jv_message.h"
#include "support/schedule_day_fixture.h"

namespace tw::test {
namespace {

using ::testing::ElementsAre;
using FetchCheckedRacesTest = ScheduleDayFixture;

class RecordingWindow : public OddsWindowView {
 public:
  std::vector<std::string> events;
  void SetProgress(int position, int maximum) override {
    events.push_back(std::to_string(position) + "/" + std::to_string(maximum));
  }
  void SetProgressText(const std::string& text) override { events.push_back("text:" + U(text)); }
};

TEST_F(FetchCheckedRacesTest, WindowRunFetchesTheTickedRacesInteractively) {
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

}  // namespace
}  // namespace tw::test
