#include "acquire/odds_fetch.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "codes/jv_message.h"
#include "support/acquire_fixture.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/save_fault.h"

namespace tw::test {
namespace {

using ::testing::ElementsAre;

// A day of eight races at Tokyo (course 05) on 2024-05-12, loaded, with empty
// odds files created by the load.
class OddsFetchTest : public ::testing::Test, public AcquireFixture {
 protected:
  void SetUp() override {
    for (int r = 1; r <= 8; ++r) day.AddRace("05", r, 10, r == 1 ? "1005" : "1400");
    day.Write();
    Load();
  }
  std::string Win(int race, const std::string& announce, int variant = 0) {
    return Rec(WinOddsLine(day.Key("05", race), announce, SampleWinOdds(10, variant)));
  }
  std::string Quinella(int race, const std::string& announce) {
    return Rec(QuinellaOddsLine(day.Key("05", race), announce, SampleQuinellaOdds(10, 0)));
  }
  std::string WinFile() const { return day.dayName() + ".jvO1"; }
  OddsFetcher fetcher{ctx, host};
};

TEST_F(OddsFetchTest, DayRangeCheckAcceptsTodayAndTheSevenDaysBefore) {
  DateTime today{2024, 5, 12, 9, 0, 0};
  EXPECT_EQ(DaysBeforeToday(Sjis("2024年05月12日"), today), 0);
  EXPECT_EQ(DaysBeforeToday(Sjis("2024年05月05日"), today), 7);
  EXPECT_EQ(DaysBeforeToday(Sjis("2024年05月13日"), today), -1);
  EXPECT_EQ(DaysBeforeToday(Sjis("2024年05月04日"), today), 8);
  EXPECT_EQ(DaysBeforeToday(Sjis("2023年12月31日"), DateTime{2024, 1, 1, 0, 0, 0}), 1);
  EXPECT_FALSE(DaysBeforeToday("garbage", today).has_value());

  for (auto [now, opens] : {std::pair{DateTime{2024, 5, 11, 9, 0, 0}, false},  // the day is tomorrow: d = -1
                            std::pair{DateTime{2024, 5, 20, 9, 0, 0}, false},  // eight days ago
                            std::pair{DateTime{2024, 5, 19, 9, 0, 0}, true}}) {
    clock.Set(now);
    ui.events.clear();
    host.events.clear();
    EXPECT_EQ(fetcher.OpenOddsFetchWindow(), opens);
    if (opens) {
      EXPECT_THAT(host.events, ElementsAre("window"));
    } else {
      EXPECT_THAT(ui.events, ElementsAre("beep", "inform:本日または直近日のﾃﾞｰﾀを読み込んでください。"));
      EXPECT_TRUE(host.events.empty());
    }
  }
}

TEST_F(OddsFetchTest, ManualChecksNeedADayAndAFinalCard) {
  host.dayText = "   ";
  EXPECT_FALSE(fetcher.OpenOddsFetchWindow());
  EXPECT_THAT(ui.events, ElementsAre("beep", "inform:ﾃﾞｰﾀを読み込んでください。"));

  host.dayText = day.dayName();
  ui.events.clear();
  model.slots[3].runners[4][2] = '1';  // an early runner record
  EXPECT_FALSE(fetcher.OpenOddsFetchWindow());
  EXPECT_THAT(ui.events, ElementsAre("beep",
                                     "inform:出走表データが最新でありません。JVデータ取得ボタンよりデータを取得"
                                     "してからオッズを取得してください。"));
  EXPECT_THAT(host.events, ElementsAre("auto:0"));  // the automatic-fetch box is cleared
}

TEST_F(OddsFetchTest, BatchGoesOnAfterAFailedOpenAndReloadsOnce) {
  jv.rtOpenResults = {-1, 0};
  jv.QueueRecord(Win(2, "05120930"));
  jv.QueueRecord(Quinella(2, "05120930"));
  host.events.clear();
  FetchTally tally = fetcher.FetchQueuedRaces({day.Key("05", 1), day.Key("05", 2) + "extra"});

  // The batch is told in one line at its end; nothing newer is no error.
  EXPECT_THAT(ui.Told(), ElementsAre("status:東京 1R ｵｯｽﾞ取得中", "status:", "status:東京 2R ｵｯｽﾞ取得中", "status:",
                                     "status:09:00 ｵｯｽﾞ自動取得：1レースのｵｯｽﾞを保存、新しいｵｯｽﾞなし1レース"));
  EXPECT_FALSE(ui.busy);
  EXPECT_THAT(Opened(), ElementsAre(day.Key("05", 1), day.Key("05", 2)));
  EXPECT_TRUE(StreamsNeverOverlap());
  EXPECT_TRUE(LogLines().empty());
  EXPECT_EQ(tally.stored, 2);
  EXPECT_EQ(tally.failures, 0);
  EXPECT_EQ(tally.noNewData, 1);
  EXPECT_THAT(host.events, ElementsAre("reload"));
  EXPECT_EQ(Field(model.slots[1].winOdds[1], 28, 8), "05120930");  // seen after the reload
}

TEST_F(OddsFetchTest, SnapshotsFollowTheAnnouncementTimes) {
  // Slot 5 (race 6) in an empty odds file: the first fetch writes line 15 only.
  auto fetch = [&](const std::string& announce) {
    jv.rtOpenResults = {0};
    jv.QueueRecord(Win(6, announce));
    fetcher.FetchQueuedRaces({day.Key("05", 6)});
  };
  fetch("05120930");
  auto lines = DataLines(WinFile());
  ASSERT_EQ(lines.size(), 108u);
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(IsBlank(lines[i]), i != 15) << i;

  fetch("05120930");  // equal time: not strictly later
  EXPECT_TRUE(IsBlank(DataLines(WinFile())[16]));
  fetch("05121015");
  fetch("05121510");
  fetch("05121520");  // all three full: only snapshot 3 is renewed
  fetch("05121505");  // earlier than snapshot 3: nothing changes
  lines = DataLines(WinFile());
  EXPECT_EQ(Field(lines[15], 28, 8), "05120930");
  EXPECT_EQ(Field(lines[16], 28, 8), "05121015");
  EXPECT_EQ(Field(lines[17], 28, 8), "05121520");
}

TEST_F(OddsFetchTest, AMissingOddsFileIsToldOnceNotDroppedSilently) {
  std::filesystem::remove(ToFsPath(JoinPath(data, WinFile())));
  host.onReload = nullptr;  // a reload would create it again
  jv.rtOpenResults = {0};
  for (const char* t : {"05120930", "05120940", "05120950"}) jv.QueueRecord(Win(1, t));
  FetchTally tally = fetcher.FetchQueuedRaces({day.Key("05", 1)});
  EXPECT_EQ(tally.stored, 0);
  EXPECT_EQ(tally.failures, 1);
  ASSERT_EQ(LogLines().size(), 1u);
  EXPECT_NE(LogLines()[0].find("オッズファイルがありません"), std::string::npos) << LogLines()[0];
}

TEST_F(OddsFetchTest, ABatchSavesEachOddsFileOnceAndTellsAFailedSaveOnce) {
  jv.rtOpenResults = {0, 0, 0};
  for (int race : {1, 2, 3}) jv.QueueRecord(Win(race, "05120930"));
  jv.readResults.push_back({0, "", ""});  // the end of each stream
  host.events.clear();
  FetchTally tally;
  {
    ScopedSaveFault fault(".jvO1");
    tally = fetcher.FetchQueuedRaces({day.Key("05", 1), day.Key("05", 2), day.Key("05", 3)});
    EXPECT_EQ(fault.failures(), 1) << "one save for the whole batch";
  }
  EXPECT_EQ(tally.stored, 0) << "records of the file not saved do not count";
  EXPECT_EQ(tally.failures, 1);
  ASSERT_EQ(LogLines().size(), 1u);
  EXPECT_NE(LogLines()[0].find("ファイルを保存できません"), std::string::npos) << LogLines()[0];
  EXPECT_TRUE(IsBlank(DataLines(WinFile())[0]));
  EXPECT_THAT(host.events, ElementsAre("reload"));

  // Without the fault the same batch lands in one save.
  jv.rtOpenResults = {0, 0, 0};
  for (int race : {1, 2, 3}) jv.QueueRecord(Win(race, "05120930"));
  tally = fetcher.FetchQueuedRaces({day.Key("05", 1), day.Key("05", 2), day.Key("05", 3)});
  EXPECT_EQ(tally.stored, 3);
  for (size_t line : {0u, 3u, 6u}) EXPECT_EQ(Field(DataLines(WinFile())[line], 28, 8), "05120930") << line;
}

TEST_F(OddsFetchTest, RecordsOfOtherRacesKindsAndTypesAreDropped) {
  std::string before = DataLines(WinFile())[0];
  std::string deleted = Win(1, "05120930");
  deleted[2] = '9';
  std::string otherCourse = Rec(WinOddsLine(day.Key("06", 1), "05120930", SampleWinOdds(10, 0)));
  std::string place = Win(1, "05120930");
  place[1] = '3';  // an O3 record of the same stream
  jv.rtOpenResults = {0};
  for (const auto& r : {deleted, otherCourse, place}) jv.QueueRecord(r);
  FetchTally tally = fetcher.FetchQueuedRaces({day.Key("05", 1)});
  EXPECT_EQ(tally.stored, 0);
  EXPECT_EQ(tally.failures, 0);
  for (const auto& line : DataLines(WinFile())) EXPECT_TRUE(IsBlank(line));
}

TEST_F(OddsFetchTest, ReadAndCloseFailuresAreReportedUnattended) {
  jv.rtOpenResults = {0};
  jv.readResults.push_back({-201, "", ""});
  jv.closeResults = {-1, 0};
  fetcher.FetchQueuedRaces({day.Key("05", 3)});
  std::string readFailure = U(JVMessage("JVRead", -201));
  std::string closeFailure = U(JVMessage("JVClose", -1));
  std::string line =
      "09:00 ｵｯｽﾞ自動取得：東京 3R:JVReadエラー:" + readFailure + "、東京 3R:JVCloseエラー:" + closeFailure;
  EXPECT_THAT(ui.Told(), ElementsAre("status:東京 3R ｵｯｽﾞ取得中", "status:", "beep", "status:" + line));
  EXPECT_FALSE(ui.busy);
  EXPECT_THAT(LogLines(), ElementsAre("【エラー】09:00:00：" + line));
}

TEST_F(OddsFetchTest, TickDuringABatchNeitherOpensASecondStreamNorChangesTheQueue) {
  jv.defaultRTOpen = 0;
  jv.QueueRecord(Win(1, "05120930"));
  bool ticked = false;
  ui.onProcessEvents = [&] {
    if (ticked || jv.calls.empty()) return;
    ticked = true;  // a Timer1 tick inside the first race's read loop
    FetchTally held = fetcher.FetchQueuedRaces({day.Key("05", 3)});
    EXPECT_TRUE(held.heldBack);
  };
  host.events.clear();
  fetcher.FetchQueuedRaces({day.Key("05", 1), day.Key("05", 2)});

  std::vector<std::string> opens;
  for (const auto& call : jv.calls)
    if (call.rfind("JVRTOpen", 0) == 0) opens.push_back(call.substr(14, 16));
  EXPECT_THAT(opens, ElementsAre(day.Key("05", 1), day.Key("05", 2), day.Key("05", 3)));
  EXPECT_TRUE(StreamsNeverOverlap());
  EXPECT_THAT(host.events, ElementsAre("reload"));
  EXPECT_TRUE(fetcher.pending().empty());
}

TEST_F(OddsFetchTest, FlashOddsOfTheRaceOnView) {
  model.selectedRace = model.rememberedRace = 6;  // race 7, as a click on its row leaves it
  jv.rtOpenResults = {0};
  jv.QueueRecord(Win(7, "05121400"));
  host.events.clear();
  fetcher.FetchFlashOdds();
  EXPECT_THAT(ui.Told(),
              ElementsAre("status:東京 7オッズ取得中", "status:", "status:09:00 速報ｵｯｽﾞ：東京 7Rのｵｯｽﾞを保存"));
  EXPECT_THAT(host.events, ElementsAre("reload"));
  EXPECT_EQ(Field(DataLines(WinFile())[18], 28, 8), "05121400");

  ui.events.clear();
  jv.rtOpenResults = {-202};
  fetcher.FetchFlashOdds();
  std::string failure = "09:00 速報ｵｯｽﾞ：東京 7R:JVRTOpenエラー:" + U(JVMessage("JVRTOpen", -202));
  EXPECT_THAT(ui.Told(), ElementsAre("status:東京 7オッズ取得中", "status:", "beep", "status:" + failure));
  EXPECT_FALSE(ui.busy);
  EXPECT_EQ(LogLines().back(), "【エラー】09:00:00：" + failure);
}

TEST_F(OddsFetchTest, FlashOddsIsHeldBackWhileAStreamIsOpenAndSilentWithoutARace) {
  StreamHold other(gate);
  host.events.clear();
  FetchTally tally = fetcher.FetchFlashOdds();
  EXPECT_TRUE(tally.heldBack);
  EXPECT_THAT(ui.events, ElementsAre("status:データ取得中のため実行できません。取得が終わってから実行してください。"));
  EXPECT_TRUE(jv.calls.empty());
  EXPECT_TRUE(host.events.empty());

  other.Release();
  ui.events.clear();
  host.raceSelected = false;
  fetcher.FetchFlashOdds();
  host.raceSelected = true;
  model.selectedRace = 20;  // an empty slot: key 0
  fetcher.FetchFlashOdds();
  EXPECT_TRUE(ui.events.empty());
  EXPECT_TRUE(jv.calls.empty());
}

TEST_F(OddsFetchTest, AFailedCallEndsTheBatchWithItsMessageAndClosesTheStream) {
  jv.defaultRTOpen = 0;
  jv.throwOnRead = 1;
  host.events.clear();
  FetchTally tally = fetcher.FetchQueuedRaces({day.Key("05", 1), day.Key("05", 2)});
  EXPECT_THAT(jv.calls, ElementsAre("JVRTOpen(0B30," + day.Key("05", 1) + ")", "JVRead(throw)", "JVClose()"));
  EXPECT_THAT(LogLines(), ElementsAre("【エラー】09:00:00：09:00 ｵｯｽﾞ自動取得：東京 1R:COM failure"));
  EXPECT_EQ(tally.failures, 1);
  EXPECT_THAT(host.events, ElementsAre("reload"));
  EXPECT_FALSE(gate.busy());
}

}  // namespace
}  // namespace tw::test
