#include "acquire/race_card_download.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "acquire/odds_fetch_batch.h"
#include "codes/jv_message.h"
#include "support/acquire_fixture.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/save_fault.h"
#include "text/sjis.h"

namespace tw::test {
namespace {

using ::testing::ElementsAre;

class RecordingDownloadView : public DownloadView {
 public:
  std::vector<std::string> texts, list, bars;
  bool timer = false;
  DateTime shown;
  std::function<void(const std::string&)> onText;
  void SetProgressText(const std::string& t) override {
    texts.push_back(U(t));
    if (onText) onText(texts.back());
  }
  void SetDownloadBar(int p, int m) override { bars.push_back("dl " + std::to_string(p) + "/" + std::to_string(m)); }
  void SetReadBar(int p, int m) override { bars.push_back("rd " + std::to_string(p) + "/" + std::to_string(m)); }
  void ClearList() override { list.clear(); }
  void AddListLine(const std::string& t) override { list.push_back(U(t)); }
  void SetStatusPolling(bool running) override { timer = running; }
  void ShowFromTime(const DateTime& t) override { shown = t; }
};

class RaceCardDownloadTest : public ::testing::Test, public AcquireFixture {
 protected:
  std::string Card(const std::string& line) {
    std::string rec = Rec(line);
    rec.replace(2, 9, "720240510");
    return rec;
  }
  void QueueDay() {
    jv.QueueRecord(Card(RaceLine(day.Key("05", 2), 10, "1030")));
    jv.QueueRecord(Card(RaceLine(day.Key("05", 1), 10, "1005")));
    jv.readResults.push_back({-1, "", ""});
    jv.QueueRecord(Card(RunnerLine(day.Key("05", 1), 3)));
    jv.QueueRecord(Card(RunnerLine(day.Key("05", 1), 0)));  // horse 00: not drawn yet
    jv.readResults.push_back({-3, "", ""});
    jv.QueueRecord(Card(PayoutLine(day.Key("05", 1))));
    jv.readResults.push_back({-1, "", ""});
  }
  std::string RaceFile() const { return day.dayName() + ".jvRA"; }
  // The remembered from-time, written before the window's controller reads it.
  bool seeded = settings.WriteString(setting::kDownloadFromTime, "2024/05/03 10:20:30");
  RecordingDownloadView view;
  RaceCardDownload download{jv, store, settings, clock, ui, gate, view};
};

TEST_F(RaceCardDownloadTest, FromTimeComesFromTheSettingsOrEightDaysBack) {
  EXPECT_EQ(FormatDateTime(download.fromTime()), "2024/05/03 10:20:30");
  EXPECT_EQ(view.shown, download.fromTime());
  settings.WriteString(setting::kDownloadFromTime, "not a time");
  RaceCardDownload fresh(jv, store, settings, clock, ui, gate, view);
  EXPECT_EQ(FormatDateTime(fresh.fromTime()), "2024/05/04 09:00:00");
}

TEST_F(RaceCardDownloadTest, NothingToReadIsNoNewData) {
  jv.openResults = {{0, 0, 0, "20240510120000"}};
  download.StartDownload();
  EXPECT_THAT(jv.calls, ElementsAre("JVOpen(RACE,20240503102030,2)", "JVClose()"));
  EXPECT_THAT(
      ui.Told(),
      ElementsAre("inform:2024年05月03日10時20分30秒以降のデータ取込を開始します。データ作成が終了するまで本ソフ"
                  "トを操作したり他のアプリケーションを操作することは極力避けてください。",
                  "beep", "inform:最新のデータがありません。", "beep"));
  EXPECT_FALSE(ui.busy);
  EXPECT_EQ(download.outcome(), DownloadOutcome::kNoNewData);
  EXPECT_EQ(settings.ReadString(setting::kDownloadFromTime), "2024/05/03 10:20:30");

  ui.events.clear();
  jv.openResults = {{-301, 0, 0, ""}};
  download.normalData = true;
  download.StartDownload();
  EXPECT_EQ(jv.calls[2], "JVOpen(RACE,20240503102030,1)");
  EXPECT_EQ(ui.Told()[2], "inform:JVOpenエラー:" + U(JVMessage("JVOpen", -301)));
  EXPECT_FALSE(download.running());
}

TEST_F(RaceCardDownloadTest, ReadLoopListsStoredRecordsCountsFilesFillsAndRemembersTheTime) {
  jv.openResults = {{0, 2, 0, "20240511183000"}};
  QueueDay();
  download.StartDownload();

  EXPECT_THAT(view.texts, ElementsAre("JVOpen正常:" + U(JVMessage("JVOpen", 0)), "ReadCount:2, DownloadCount:0",
                                      "データ読込み中．．．(0/2)", "データ読込み中．．．(1/2)",
                                      "データ読込み中．．．(2/2)", "JVRead EndOfFile :0", "データ読込み完了(2/2)"));
  std::string race = U(RaceFile()), runner = U(day.dayName()) + "東京.jvSEr", payout = U(day.dayName()) + ".jvHR";
  EXPECT_THAT(view.list, ElementsAre("作成済み:02R/" + race, "作成済み:01R/" + race, "作成済み:01R/03番/" + runner,
                                     "作成済み:01R/" + payout));
  EXPECT_EQ(download.outcome(), DownloadOutcome::kCompleted);
  auto lines = DataLines(RaceFile());
  ASSERT_EQ(lines.size(), 36u);  // filled up after a run without downloads
  EXPECT_EQ(Field(lines[0], 12, 16), day.Key("05", 1));
  EXPECT_TRUE(IsBlank(lines[2]));
  EXPECT_EQ(settings.ReadString(setting::kDownloadFromTime), "2024/05/11 18:30:00");
  EXPECT_EQ(FormatDateTime(view.shown), "2024/05/11 18:30:00");
  EXPECT_EQ(ui.Told().back(), "beep");  // the closed download
  EXPECT_FALSE(ui.busy);
}

TEST_F(RaceCardDownloadTest, ZeroTimeStampLeavesTheFromTime) {
  jv.openResults = {{0, 1, 0, "00000000000000"}};
  download.StartDownload();
  EXPECT_EQ(settings.ReadString(setting::kDownloadFromTime), "2024/05/03 10:20:30");
  EXPECT_EQ(FormatDateTime(download.fromTime()), "2024/05/03 10:20:30");
}

TEST_F(RaceCardDownloadTest, DownloadRunsInTheStatusTimerAndNeitherFillsNorRemembers) {
  jv.openResults = {{0, 2, 3, "20240511183000"}};
  jv.statusResults = {1, 3};
  QueueDay();
  download.StartDownload();
  EXPECT_TRUE(view.timer);
  EXPECT_EQ(view.texts.back(), "ダウンロード中・・・");
  EXPECT_THAT(jv.calls, ElementsAre("JVOpen(RACE,20240503102030,2)"));

  download.StartDownload();  // a second start while downloading
  EXPECT_EQ(view.texts.back(), "データ取得中のため実行できません。取得が終わってから実行してください。");
  EXPECT_EQ(jv.calls.size(), 1u);

  download.PollDownloadStatus();
  EXPECT_EQ(view.texts.back(), "ダウンロード中．．．(1/3)");
  download.PollDownloadStatus();
  EXPECT_FALSE(view.timer);
  EXPECT_EQ(view.texts.back(), "データ読込み完了(2/2)");
  EXPECT_EQ(jv.calls.back(), "JVClose()");
  EXPECT_EQ(DataLines(RaceFile()).size(), 2u);
  EXPECT_EQ(settings.ReadString(setting::kDownloadFromTime), "2024/05/03 10:20:30");
  download.PollDownloadStatus();  // a tick left over after the stop does nothing
  EXPECT_EQ(jv.calls.back(), "JVClose()");
}

TEST_F(RaceCardDownloadTest, StatusFailureClosesTheDownload) {
  jv.openResults = {{0, 2, 3, ""}};
  jv.statusResults = {-502};
  download.StartDownload();
  ui.events.clear();
  download.PollDownloadStatus();
  EXPECT_THAT(ui.Told(), ElementsAre("beep", "inform:JVStatusエラー:" + U(JVMessage("JVStatus", -502)), "beep"));
  EXPECT_FALSE(ui.busy);
  EXPECT_FALSE(view.timer);
  EXPECT_FALSE(download.running());
}

TEST_F(RaceCardDownloadTest, CancelAnsweredNoGoesOnAndYesStopsTheReadAtItsNextTurn) {
  jv.openResults = {{0, 2, 0, "20240511183000"}};
  QueueDay();
  int turns = 0;
  ui.answers = {false, true};
  ui.onProcessEvents = [&] {
    ++turns;
    if (turns == 2 || turns == 4) download.CancelDownload();
  };
  download.StartDownload();
  EXPECT_EQ(std::count(ui.events.begin(), ui.events.end(), "confirm:データ取込を中止します。実行しますか？"), 2);
  EXPECT_EQ(view.texts.back(), "JVCancel:キャンセルされました");
  EXPECT_EQ(std::count(jv.calls.begin(), jv.calls.end(), "JVRead(60000)"), 3);  // the read went on after No
  EXPECT_EQ(jv.calls.back(), "JVClose()");
  EXPECT_EQ(download.outcome(), DownloadOutcome::kCancelled);
  EXPECT_EQ(settings.ReadString(setting::kDownloadFromTime), "2024/05/03 10:20:30");  // unread files stay due
  EXPECT_FALSE(download.running());
}

TEST_F(RaceCardDownloadTest, CancelWhileDownloadingClosesTheDownload) {
  jv.openResults = {{0, 2, 3, ""}};
  download.StartDownload();
  download.CancelDownload();
  EXPECT_THAT(jv.calls, ElementsAre("JVOpen(RACE,20240503102030,2)", "JVCancel()", "JVClose()"));
  EXPECT_FALSE(view.timer);
  EXPECT_FALSE(download.running());
  EXPECT_FALSE(gate.busy());
}

TEST_F(RaceCardDownloadTest, ReadFailureAndFailedCallsEndTheRun) {
  jv.openResults = {{0, 1, 0, "20240511183000"}, {0, 1, 0, ""}};
  jv.readResults.push_back({-403, "", ""});
  download.StartDownload();
  EXPECT_EQ(download.outcome(), DownloadOutcome::kFailed);
  EXPECT_NE(std::find(ui.events.begin(), ui.events.end(), "inform:JVReadエラー:" + U(JVMessage("JVRead", -403))),
            ui.events.end());
  EXPECT_EQ(settings.ReadString(setting::kDownloadFromTime), "2024/05/03 10:20:30");

  jv.throwOnRead = 2;
  ui.events.clear();
  download.StartDownload();
  EXPECT_EQ(jv.calls.back(), "JVClose()");
  EXPECT_EQ(ui.events.back(), "inform:COM failure");
  EXPECT_FALSE(gate.busy());
}

TEST_F(RaceCardDownloadTest, RecordsAreSavedWhenTheirFileEndsAndBeforeACancelReturns) {
  store.SetWriteBackSizes(1, kWriteBackLimitBytes);  // as if the files read were large
  jv.openResults = {{0, 2, 0, "20240511183000"}};
  QueueDay();
  const std::string runnerFile = day.dayName() + Sjis("東京.jvSEr");
  int turns = 0;
  size_t raceLinesBeforeFirstEnd = 99, raceLinesAfterFirstEnd = 0;
  bool runnerSavedBeforeCancel = true;
  ui.answers = {true};
  ui.onProcessEvents = [&] {
    ++turns;
    if (turns == 3) raceLinesBeforeFirstEnd = DataLines(RaceFile()).size();  // both races read, not saved
    if (turns == 4) raceLinesAfterFirstEnd = DataLines(RaceFile()).size();   // the first file ended
    if (turns == 5) {
      runnerSavedBeforeCancel = !DataLines(runnerFile).empty();
      download.CancelDownload();
    }
  };
  download.StartDownload();
  EXPECT_EQ(raceLinesBeforeFirstEnd, 0u);
  EXPECT_EQ(raceLinesAfterFirstEnd, 2u);
  EXPECT_FALSE(runnerSavedBeforeCancel);
  EXPECT_EQ(download.outcome(), DownloadOutcome::kCancelled);
  auto runners = DataLines(runnerFile);
  ASSERT_EQ(runners.size(), 216u);  // the runner read before the cancel is on disk
  EXPECT_EQ(Field(runners[2], 12, 16), day.Key("05", 1));
}

TEST_F(RaceCardDownloadTest, AFailedCallStillSavesWhatWasReadBeforeIt) {
  jv.openResults = {{0, 2, 0, "20240511183000"}};
  QueueDay();
  jv.throwOnRead = 2;
  download.StartDownload();
  EXPECT_EQ(download.outcome(), DownloadOutcome::kFailed);
  EXPECT_EQ(DataLines(RaceFile()).size(), 1u);
  EXPECT_EQ(settings.ReadString(setting::kDownloadFromTime), "2024/05/03 10:20:30");
}

TEST_F(RaceCardDownloadTest, AFailedSaveAtTheEndKeepsTheFromTime) {
  jv.openResults = {{0, 1, 0, "20240511183000"}};
  jv.QueueRecord(Card(PayoutLine(day.Key("05", 1))));
  ScopedSaveFault fault(".jvHR");
  download.StartDownload();
  EXPECT_EQ(download.outcome(), DownloadOutcome::kFailed);
  auto told = ui.Told();
  EXPECT_EQ(std::count_if(told.begin(), told.end(),
                          [](const std::string& e) { return e.rfind("inform:ファイルを保存できません：", 0) == 0; }),
            1);
  EXPECT_EQ(settings.ReadString(setting::kDownloadFromTime), "2024/05/03 10:20:30");
}

TEST_F(RaceCardDownloadTest, AFailedFillIsToldAndKeepsTheFromTime) {
  jv.openResults = {{0, 2, 0, "20240511183000"}};
  QueueDay();
  std::optional<ScopedSaveFault> fault;  // once the read saved its files: only the fill fails
  view.onText = [&](const std::string& t) {
    if (t.rfind("データ読込み完了", 0) == 0) fault.emplace(".jvRA");
  };
  download.StartDownload();
  EXPECT_EQ(ui.Told().back().rfind("inform:ファイルを保存できません：" + U(RaceFile()), 0), 0u);
  EXPECT_EQ(settings.ReadString(setting::kDownloadFromTime), "2024/05/03 10:20:30");
}

TEST_F(RaceCardDownloadTest, AnOpenThatFailedOrFoundNothingIsClosedSoTheNextOpens) {
  jv.rtOpenResults = {-1};                             // an odds fetch finds no data
  jv.openResults = {{-301, 0, 0, ""}, {0, 0, 0, ""}};  // a failed download, one with nothing to read
  FetchTally tally;
  OddsFetchBatch odds(ctx, ReportMode::kStatusLine);
  odds.FetchRace(day.Key("05", 1), "", "", tally);
  odds.Finish(tally);
  download.StartDownload();
  download.StartDownload();
  EXPECT_TRUE(StreamsNeverOverlap()) << "JV-Link refuses an open before the last one's close (-202)";
}

TEST_F(RaceCardDownloadTest, AFileThatCannotBeSavedEndsTheRunWithADialog) {
  RaceDayStore nowhere(JoinPath(dir.str(), "missing"));
  RaceCardDownload run(jv, nowhere, settings, clock, ui, gate, view);
  jv.openResults = {{0, 2, 0, "20240511183000"}};
  QueueDay();
  run.StartDownload();
  EXPECT_EQ(run.outcome(), DownloadOutcome::kFailed);
  // The records are read to the end, where the files are saved and fail:
  // one dialog tells it.
  EXPECT_EQ(std::count(jv.calls.begin(), jv.calls.end(), "JVRead(60000)"), 9);
  auto told = std::count_if(ui.events.begin(), ui.events.end(),
                            [](const std::string& e) { return e.rfind("inform:ファイルを保存できません：", 0) == 0; });
  EXPECT_EQ(told, 1);
  EXPECT_EQ(jv.calls.back(), "JVClose()");
  EXPECT_EQ(settings.ReadString(setting::kDownloadFromTime), "2024/05/03 10:20:30");
}

TEST_F(RaceCardDownloadTest, SettingsButtonReportsItsFailure) {
  jv.setUIResults = {-100};
  download.OpenJVLinkSettings();
  EXPECT_THAT(ui.events,
              ElementsAre("beep", "inform:JVSetUIPropertiesエラー：" + U(JVMessage("JVSetUIProperties", -100))));
}

}  // namespace
}  // namespace tw::test
