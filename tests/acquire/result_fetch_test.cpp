#include "acquire/result_fetch.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "codes/jv_message.h"
#include "support/acquire_fixture.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/save_fault.h"

namespace tw::test {
namespace {

using ::testing::ElementsAre;

// Twelve races at Tokyo with runners; Kyoto (08) has races but no runner file.
class ResultFetchTest : public ::testing::Test, public AcquireFixture {
 protected:
  void SetUp() override {
    for (int r = 1; r <= 6; ++r) day.AddRace("05", r, 10, r == 1 ? "1005" : "1300");
    day.AddRace("08", 1, 10, "1010");
    for (int slot = 0; slot < 6; ++slot) day.AddRunners(slot);
    day.Write();
    Load();
  }
  std::string Result(const std::string& line, char kind = '7') {
    std::string rec = Rec(line);
    rec.replace(2, 9, std::string(1, kind) + "20240512");
    return rec;
  }
  ResultFetcher fetcher{ctx, host};
};

TEST_F(ResultFetchTest, StoresRaceRunnerAndPayoutRecordsThenImportsAndShowsTwoBeeps) {
  jv.rtOpenResults = {0};
  std::string race3 = RaceLine(day.Key("05", 3), 10, "1300");
  Put(race3, 600, "RESULT");
  jv.QueueRecord(Result(race3));
  jv.QueueRecord(Result(RunnerLine(day.Key("05", 3), 7)));
  jv.QueueRecord(Result(RunnerLine(day.Key("08", 1), 2)));  // no Kyoto runner file: dropped
  jv.QueueRecord(Result(PayoutLine(day.Key("05", 3))));
  jv.QueueRecord(Result(PayoutLine(day.Key("05", 1))));
  jv.QueueRecord(Result(RaceLine(day.Key("05", 3), 10, "1300")).replace(0, 2, "JG"));  // other type: ignored
  host.events.clear();

  FetchTally tally = fetcher.FetchResults();
  EXPECT_THAT(jv.calls.front(), "JVRTOpen(0B12,20240512)");
  EXPECT_THAT(ui.events, ElementsAre("status:払戻データ取得中", "beep", "status:", "beep"));
  EXPECT_THAT(host.events, ElementsAre("payouts", "show"));  // no reload
  EXPECT_EQ(tally.stored, 4);

  auto races = DataLines(day.dayName() + ".jvRA");
  ASSERT_EQ(races.size(), 7u);
  EXPECT_EQ(races[2].substr(0, 11), "RA000000000");
  EXPECT_EQ(Field(races[2], 600, 6), "RESULT");
  auto runners = DataLines(day.dayName() + Sjis("東京.jvSEr"));
  EXPECT_EQ(runners[42].substr(0, 11), "SE720240512");  // race 3, horse 7: (3-1)*18 + 6
  EXPECT_FALSE(FileExists(JoinPath(data, day.dayName() + Sjis("京都.jvSEr"))));
  auto payouts = DataLines(day.dayName() + ".jvHR");
  ASSERT_EQ(payouts.size(), 2u);  // created, sorted, stored as delivered
  EXPECT_EQ(Field(payouts[0], 12, 16), day.Key("05", 1));
  EXPECT_EQ(payouts[1].substr(0, 11), "HR720240512");
}

TEST_F(ResultFetchTest, TheDaysFilesAreSavedOnceAndAFailedSaveIsToldWithoutItsRecords) {
  jv.rtOpenResults = {0};
  for (int horse = 1; horse <= 10; ++horse) jv.QueueRecord(Result(RunnerLine(day.Key("05", 2), horse)));
  jv.QueueRecord(Result(PayoutLine(day.Key("05", 2))));
  FetchTally tally;
  {
    ScopedSaveFault fault(".jvSEr");
    tally = fetcher.FetchResults();
    EXPECT_EQ(fault.failures(), 1) << "ten runners, one save";
  }
  EXPECT_EQ(tally.stored, 1);  // the payout; the runners were not saved
  ASSERT_EQ(LogLines().size(), 1u);
  EXPECT_NE(LogLines()[0].find("ファイルを保存できません"), std::string::npos) << LogLines()[0];
  EXPECT_EQ(DataLines(day.dayName() + ".jvHR").size(), 1u);
  EXPECT_NE(DataLines(day.dayName() + Sjis("東京.jvSEr"))[18].substr(0, 11), "SE720240512");
}

TEST_F(ResultFetchTest, TimerRunIsSilentAndStartsAtTheFirstTickAfterItsStartTime) {
  model.resultFetchMinutes = 15;  // first post 10:05: from 09:20 on
  clock.Set({2024, 5, 12, 9, 20, 30});
  EXPECT_FALSE(fetcher.OnResultTimerTick());
  EXPECT_TRUE(jv.calls.empty());

  clock.Set({2024, 5, 12, 9, 21, 0});
  jv.rtOpenResults = {0};
  EXPECT_TRUE(fetcher.OnResultTimerTick());
  EXPECT_FALSE(fetcher.autoResultRunning());
  EXPECT_THAT(ui.events, ElementsAre("status:払戻データ取得中", "status:"));  // no beep

  jv.calls.clear();
  clock.Set({2024, 5, 12, 18, 0, 0});
  jv.rtOpenResults = {0};
  EXPECT_TRUE(fetcher.OnResultTimerTick());  // 18:00 itself is not later than 18:00
  clock.Set({2024, 5, 12, 18, 1, 0});
  EXPECT_FALSE(fetcher.OnResultTimerTick());
}

TEST_F(ResultFetchTest, FailuresGoToTheStatusLabelAndTheLog) {
  model.selectedRace = 2;
  jv.rtOpenResults = {-1};
  fetcher.FetchResults();
  std::string open = "東京 3R:払戻データ取得エラー：" + U(JVMessage("JVRTOpen", -1));
  EXPECT_THAT(ui.events, ElementsAre("status:払戻データ取得中", "beep", "status:" + open, "beep", "status:", "beep"));

  ui.events.clear();
  jv.rtOpenResults = {0};
  jv.readResults.push_back({-502, "", ""});
  jv.closeResults = {-1};
  fetcher.FetchResults();
  std::string read = U(JVMessage("JVRead", -502)), close = U(JVMessage("JVClose", -1));
  EXPECT_THAT(ui.events,  // a read failure does not beep
              ElementsAre("status:払戻データ取得中", "status:" + read, "status:" + close, "status:", "beep"));
  EXPECT_THAT(LogLines(), ElementsAre("【エラー】09:00:00：" + open, "【エラー】09:00:00：" + read,
                                      "【エラー】09:00:00：" + close));
}

TEST_F(ResultFetchTest, HeldBackWhileAStreamIsOpenAndSilentWithoutADay) {
  {
    StreamHold other(gate);
    FetchTally tally = fetcher.FetchResults();
    EXPECT_TRUE(tally.heldBack);
    EXPECT_THAT(ui.events,
                ElementsAre("status:データ取得中のため実行できません。取得が終わってから実行してください。"));
  }
  ui.events.clear();
  host.dayText = "";
  fetcher.FetchResults();
  EXPECT_TRUE(ui.events.empty());
  EXPECT_TRUE(jv.calls.empty());
  EXPECT_TRUE(host.events.empty());
}

TEST_F(ResultFetchTest, AFailedCallClosesTheStreamAndClearsTheTimerFlag) {
  jv.rtOpenResults = {0};
  jv.throwOnRead = 1;
  clock.Set({2024, 5, 12, 12, 0, 0});
  EXPECT_TRUE(fetcher.OnResultTimerTick());
  EXPECT_FALSE(fetcher.autoResultRunning());
  EXPECT_THAT(jv.calls, ElementsAre("JVRTOpen(0B12,20240512)", "JVRead(throw)", "JVClose()"));
  EXPECT_THAT(LogLines(), ElementsAre("【エラー】12:00:00：COM failure"));
  EXPECT_FALSE(gate.busy());
}

}  // namespace
}  // namespace tw::test
