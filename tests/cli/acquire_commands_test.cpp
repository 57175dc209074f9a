// The fetch commands of turfwise-cli run in-process against the JV-Link
// stand-in serving a generated feed, with a clock that the commands' waits
// move on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "acquire/fetch_time_settings.h"
#include "analysis/load_race_day.h"
#include "base/settings.h"
#include "cli/auto_command.h"
#include "cli/cli.h"
#include "cli/download_command.h"
#include "cli/fetch_odds_command.h"
#include "cli/results_command.h"
#include "codes/jv_message.h"
#include "feedgen/feed_gen.h"
#include "standin/standin_jvlink.h"
#include "support/standin_acquire_env.h"
#include "support/temp_dir.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw::test {
namespace {

using ::testing::HasSubstr;

class AcquireCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FeedGenOptions feed;
    feed.outFolder = JoinPath(dir.str(), "Feed");
    feed.date = {2024, 5, 12, 0, 0, 0};
    feed.courses = 1;
    feed.racesPerCourse = 8;
    std::string error;
    ASSERT_TRUE(GenerateFeed(feed, nullptr, &error)) << error;
    env = StandInAcquireEnv(clock);
  }
  int Run(int (*command)(std::vector<std::string>, CliContext&, AcquireEnv&), std::vector<std::string> args) {
    out.str("");
    err.str("");
    args.insert(args.begin(), {"--app-dir", dir.str()});
    CliContext context{out, err, &clock, ""};
    return command(args, context, env);
  }
  void At(int hour, int minute) { clock.Set({2024, 5, 12, hour, minute, 0}); }
  int Download() {
    At(8, 0);
    return Run(&RunDownload, {"--from", "2024/05/01 00:00:00"});
  }
  // The day as the program loads it.
  std::unique_ptr<RaceDayModel> LoadDay() {
    auto model = std::make_unique<RaceDayModel>();
    RaceList list;
    Settings settings(dir.file("turfwise.ini"));
    LoadRaceDay(*model, list, JoinPath(dir.str(), "Data"), kDay, ReadResultInterval(settings), DayNameOf(clock.Now()));
    return model;
  }
  std::string Log() const { return SjisToUtf8(ReadFileBytes(dir.file("ErrorLog.txt")).value_or("")); }

  const std::string kDay = Sjis("2024年05月12日");
  const std::string kDayArg = "2024年05月12日";
  TempDir dir;
  ManualClock clock;
  AcquireEnv env;
  std::ostringstream out, err;
};

TEST_F(AcquireCommandsTest, RaceDayCycleFromAnEmptyFolder) {
  ASSERT_EQ(Download(), kExitOk) << err.str();
  EXPECT_TRUE(FileExists(JoinPath(dir.str(), "Data/" + kDay + ".jvRA")));
  EXPECT_THAT(out.str(), HasSubstr("データ読込み完了"));
  EXPECT_THAT(err.str(), HasSubstr("以降のデータ取込を開始します。"));

  // Odds at three different times give three snapshots in order.
  for (auto [h, m] : {std::pair{9, 20}, std::pair{11, 0}, std::pair{14, 0}}) {
    At(h, m);
    ASSERT_EQ(Run(&RunFetchOdds, {"--day", kDayArg}), kExitOk) << err.str() << out.str();
  }
  auto model = LoadDay();
  const RaceSlot& last = model->slots[7];
  ASSERT_EQ(last.analysis.snapshotCount, 3);
  long long t1 = FieldInt(last.winOdds[1], 28, 8), t2 = FieldInt(last.winOdds[2], 28, 8),
            t3 = FieldInt(last.winOdds[3], 28, 8);
  EXPECT_LT(t1, t2);
  EXPECT_LT(t2, t3);
  EXPECT_LE(t3, 5121400);

  At(17, 40);
  ASSERT_EQ(Run(&RunResults, {"--day", kDayArg}), kExitOk) << err.str();
  EXPECT_THAT(out.str(), HasSubstr("払戻データ取得中"));
  model = LoadDay();
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(model->slots[static_cast<size_t>(i)].analysis.hasPayout) << i;
  EXPECT_TRUE(Log().empty());
}

TEST_F(AcquireCommandsTest, OneRaceOnlyWithRace) {
  ASSERT_EQ(Download(), kExitOk);
  std::string key = Field(LoadDay()->slots[2].race, 12, 16);
  At(9, 40);
  ASSERT_EQ(Run(&RunFetchOdds, {"--day", kDayArg, "--race", key}), kExitOk);
  auto model = LoadDay();
  for (int i = 0; i < 8; ++i) EXPECT_EQ(model->slots[static_cast<size_t>(i)].analysis.snapshotCount, i == 2 ? 1 : 0);
  EXPECT_EQ(Run(&RunFetchOdds, {"--day", kDayArg, "--race", "2099010101010101"}), kExitFailure);
}

TEST_F(AcquireCommandsTest, ChecksAndUsageErrors) {
  ASSERT_EQ(Download(), kExitOk);
  clock.Set({2024, 5, 20, 10, 0, 0});  // eight days later
  EXPECT_EQ(Run(&RunFetchOdds, {"--day", kDayArg}), kExitFailure);
  EXPECT_THAT(err.str(), HasSubstr("本日または直近日のﾃﾞｰﾀを読み込んでください。"));
  EXPECT_EQ(Run(&RunAuto, {"--day", kDayArg}), kExitFailure);
  EXPECT_THAT(err.str(), HasSubstr("本日のﾃﾞｰﾀを読み込んでください。"));

  EXPECT_EQ(Run(&RunFetchOdds, {"--day", "2024-05-12"}), kExitUsage);
  EXPECT_EQ(Run(&RunResults, {}), kExitUsage);
  EXPECT_EQ(Run(&RunDownload, {"--normal", "--this-week"}), kExitUsage);
  EXPECT_EQ(Run(&RunDownload, {"--from", "yesterday"}), kExitUsage);
  EXPECT_EQ(Run(&RunResults, {"--day", "2024年01月01日"}), kExitFailure);  // no such day
  EXPECT_THAT(err.str(), HasSubstr("no race day"));
}

TEST_F(AcquireCommandsTest, InjectedFailuresGoToTheLogAndKeepWhatWasStored) {
  ASSERT_EQ(Download(), kExitOk);
  At(9, 20);
  ASSERT_EQ(Run(&RunFetchOdds, {"--day", kDayArg}), kExitOk);
  std::string before = ReadFileBytes(JoinPath(dir.str(), "Data/" + kDay + ".jvO1")).value_or("");

  WriteBytes(JoinPath(dir.str(), "Feed/faults.txt"), "JVRTOpen=-303\n");
  At(11, 0);
  EXPECT_EQ(Run(&RunFetchOdds, {"--day", kDayArg}), kExitFailure);
  std::string failure = SjisToUtf8(JVMessage("JVRTOpen", -303));
  EXPECT_THAT(out.str(), HasSubstr("全8レース:JVRTOpenエラー:" + failure));
  EXPECT_THAT(Log(), HasSubstr("【エラー】11:00:00："));
  EXPECT_EQ(ReadFileBytes(JoinPath(dir.str(), "Data/" + kDay + ".jvO1")).value_or(""), before);

  WriteBytes(JoinPath(dir.str(), "Feed/faults.txt"), "JVRead@1=throw\n");
  At(17, 40);
  EXPECT_EQ(Run(&RunResults, {"--day", kDayArg}), kExitFailure);
  EXPECT_THAT(Log(), HasSubstr("JVRead"));
}

TEST_F(AcquireCommandsTest, AutoFetchesAtThePlannedTimesUntilInterrupted) {
  ASSERT_EQ(Download(), kExitOk);
  At(9, 10);
  env.interrupted = [this] { return clock.Now().hour == 10 && clock.Now().minute >= 30; };
  // Results asked for before the first race has finished find no newer data: told, but no failure.
  ASSERT_EQ(Run(&RunAuto, {"--day", kDayArg}), kExitOk) << err.str() << out.str();
  std::string text = out.str();
  EXPECT_THAT(text, HasSubstr("09:20:"));  // race 1 at 09:15 + the delay of 5
  EXPECT_THAT(text, HasSubstr(" 1R ｵｯｽﾞ取得中"));
  EXPECT_THAT(text, HasSubstr("払戻データ取得中"));
  EXPECT_THAT(text, HasSubstr("R:払戻データ取得エラー："));
  EXPECT_THAT(text, HasSubstr("auto: interrupted"));
  // (No regular expression: the POSIX and the Windows test builds read them differently.)
  EXPECT_THAT(text, HasSubstr("stored, 0 failures, "));
  EXPECT_THAT(text, ::testing::EndsWith(" found no newer data\n"));
  auto model = LoadDay();
  EXPECT_EQ(model->slots[0].analysis.snapshotCount, 2);  // 09:15 and 09:30 (+5)
  EXPECT_EQ(model->slots[7].analysis.snapshotCount, 1);  // 10:15 (+5)
}

TEST_F(AcquireCommandsTest, CommandsAreInTheProgramsTable) {
  std::vector<std::string> names;
  for (const auto& c : CliCommands()) names.push_back(c.name);
  EXPECT_THAT(names, ::testing::IsSupersetOf({"download", "fetch-odds", "results", "auto"}));
}

}  // namespace
}  // namespace tw::test
