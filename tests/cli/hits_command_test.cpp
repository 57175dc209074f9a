#include "cli/hits_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

#include "analysis/load_race_day.h"
#include "analysis/race_list.h"
#include "base/clock.h"
#include "base/settings.h"
#include "cli/cli.h"
#include "cli/command_day.h"
#include "support/day_builder.h"
#include "support/temp_dir.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {
namespace {

class HitsCommandTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string data = dir.file("Data");
  test::DayBuilder day{data};
  std::ostringstream out, err;
  ManualClock clock{DateTime{2024, 6, 1, 12, 0, 0}};
  CliContext context{out, err, &clock, dir.file("turfwise-cli.ini")};
  std::string upload = dir.file("HPupload");

  void SetUp() override { std::filesystem::create_directories(data); }
  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"hits", "--app-dir", dir.str(), "--day", SjisToUtf8(day.dayName())});
    return RunCli(args, context);
  }

  // Five races with three snapshots; returns the first bet of each race as
  // the analysis makes it.
  std::vector<std::string> BuildDay() {
    for (int r = 7; r <= 11; ++r) {
      int s = day.AddRace("05", r, 14, "1500");
      day.AddRunners(s);
      day.AddSampleSnapshot(s, 1, 10, 15);
      day.AddSampleSnapshot(s, 2, 12, 15);
      day.AddSampleSnapshot(s, 3, 14, 30 + r);
    }
    day.Write();
    auto model = std::make_unique<RaceDayModel>();
    RaceList list;
    std::string error;
    EXPECT_TRUE(LoadCommandDay({data, day.dayName()}, Settings(dir.file("turfwise.ini")), clock, *model, list, error))
        << error;
    std::vector<std::string> bets;
    for (int i = 0; i < 5; ++i) bets.push_back(model->slots[i].analysis.betLabels[1]);
    return bets;
  }

  void AddPayout(int slot, const std::string& bet, long long quinella, long long wide) {
    std::string line = test::PayoutLine(day.RaceLineOfSlot(slot).substr(11, 16));
    int a = static_cast<int>(IntValue(bet.substr(0, 2))), b = static_cast<int>(IntValue(bet.substr(3, 2)));
    test::SetQuinellaPayout(line, 1, a, b, quinella);
    test::SetWidePayout(line, 2, a, b, wide);
    day.AddPayout(line);
  }
};

TEST_F(HitsCommandTest, WritesTheFilesAndPrintsTheReport) {
  std::vector<std::string> bets = BuildDay();
  ASSERT_FALSE(bets[0].empty());
  ASSERT_FALSE(bets[3].empty());
  AddPayout(0, bets[0], 12340, 2500);
  AddPayout(3, bets[3], 4200, 3100);
  day.Write();

  ASSERT_EQ(Run({}), kExitOk) << err.str();
  std::string reportPath = JoinPath(upload, "TK20240512.txt");
  auto report = LoadLines(reportPath);
  ASSERT_TRUE(report);
  ASSERT_EQ(report->size(), 6u);
  std::string printed;
  for (const auto& line : *report) printed += SjisToUtf8(line) + "\n";
  EXPECT_EQ(out.str(), printed);
  EXPECT_NE(out.str().find("東京 7R[馬連　]：　" + SjisToUtf8(bets[0]) + "/配当   12340円　テストレース"),
            std::string::npos)
      << out.str();

  std::string b0 = SjisToUtf8(bets[0]), b3 = SjisToUtf8(bets[3]);
  EXPECT_EQ(SjisToUtf8(test::ReadBytes(JoinPath(upload, "Manbaken.txt"))),
            " Turfwise for JRA-VAN Data Lab.\r\n"
            "202405120507R[馬連　]：　" +
                b0 +
                "/配当   12340円\r\n"
                "202405120507R[ワイド]：　" +
                b0 +
                "/配当    2500円\r\n"
                "202405120510R[馬連　]：　" +
                b3 +
                "/配当    4200円\r\n"
                "202405120510R[ワイド]：　" +
                b3 + "/配当    3100円\r\n");

  // Long shots only: the quinella above 5000 and the wide above 3000.
  out.str("");
  ASSERT_EQ(Run({"--ana"}), kExitOk) << err.str();
  report = LoadLines(reportPath);
  ASSERT_TRUE(report);
  ASSERT_EQ(report->size(), 4u);
  EXPECT_NE(SjisToUtf8((*report)[1]).find("7R[馬連　]"), std::string::npos);
  EXPECT_NE(SjisToUtf8((*report)[2]).find("10R[ワイド]"), std::string::npos);
  EXPECT_EQ(LoadLines(JoinPath(upload, "Manbaken.txt"))->size(), 7u);
}

TEST_F(HitsCommandTest, NoHitsAndFailures) {
  BuildDay();
  ASSERT_EQ(Run({}), kExitOk) << err.str();
  EXPECT_TRUE(out.str().empty());
  EXPECT_NE(err.str().find("no hits"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(upload));

  err.str("");
  EXPECT_EQ(RunCli({"hits", "--app-dir", dir.str(), "--day", "2024年05月13日"}, context), kExitFailure);
  EXPECT_NE(err.str().find("no race day 2024年05月13日"), std::string::npos) << err.str();
  EXPECT_EQ(RunCli({"hits", "--app-dir", dir.str()}, context), kExitUsage);
  EXPECT_EQ(RunCli({"hits", "--app-dir", dir.str(), "--day", "x", "--all"}, context), kExitUsage);
  EXPECT_EQ(RunCli({"hits", "--app-dir", dir.str(), "--day", "../x"}, context), kExitUsage);
  EXPECT_NE(CliUsage().find("hits --app-dir DIR --day DAYNAME [--ana]"), std::string::npos);
}

TEST_F(HitsCommandTest, FailingSaveExitsWithTheError) {
  std::vector<std::string> bets = BuildDay();
  AddPayout(0, bets[0], 12340, 2500);
  day.Write();
  test::WriteBytes(upload, "not a folder");
  EXPECT_EQ(Run({}), kExitFailure);
  EXPECT_NE(err.str().find("HPupload"), std::string::npos) << err.str();
  EXPECT_TRUE(out.str().empty());
}

}  // namespace
}  // namespace tw
