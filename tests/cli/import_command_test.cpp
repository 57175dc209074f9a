#include "cli/import_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "base/clock.h"
#include "base/settings.h"
#include "cli/cli.h"
#include "import/timeseries_folder.h"
#include "support/day_builder.h"
#include "support/temp_dir.h"
#include "text/files.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {
namespace {

class ImportCommandTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string data = dir.file("Data");
  std::string viewer = dir.file("viewer");
  test::DayBuilder day{data};
  std::ostringstream out, err;
  ManualClock clock{DateTime{2024, 6, 1, 12, 0, 0}};
  CliContext context{out, err, &clock, dir.file("turfwise-cli.ini")};

  void SetUp() override {
    std::filesystem::create_directories(data);
    std::filesystem::create_directories(std::filesystem::path(viewer) / "20240512");
  }
  int Run() {
    return RunCli({"import-timeseries", "--app-dir", dir.str(), "--day", SjisToUtf8(day.dayName())}, context);
  }
  void SetFolder(const std::string& folder) {
    Settings settings(dir.file("turfwise.ini"));
    ASSERT_TRUE(StoreTimeSeriesFolder(settings, folder));
  }
  // The viewer's file of a slot's race, with announcements at the given times.
  void WriteViewerFile(int slot, const std::string& ext, const std::vector<std::pair<int, int>>& times) {
    const std::string& race = day.RaceLineOfSlot(slot);
    std::string key = race.substr(11, 16);
    std::vector<std::string> lines;
    for (auto [h, m] : times) {
      std::string line =
          ext == ".jvO1" ? test::WinOddsLine(key, Format("0512%02d%02d", h, m), test::SampleWinOdds(12, h))
                         : test::QuinellaOddsLine(key, Format("0512%02d%02d", h, m), test::SampleQuinellaOdds(12, h));
      lines.push_back(line);
    }
    ASSERT_TRUE(SaveLines(JoinPath(JoinPath(viewer, "20240512"), race.substr(19, 8) + ext), lines));
  }
};

TEST_F(ImportCommandTest, FillsTheDayAndPrintsTheSummary) {
  for (int r = 1; r <= 12; ++r) day.AddRunners(day.AddRace("05", r, 12, Format("%02d00", 9 + r / 2)));
  day.Write();
  SetFolder(viewer);
  WriteViewerFile(0, ".jvO1", {{9, 10}, {9, 30}, {11, 0}});
  WriteViewerFile(0, ".jvO2", {{9, 16}});
  WriteViewerFile(10, ".jvO1", {{10, 10}, {12, 20}, {13, 59}});  // race 11, post 14:00

  ASSERT_EQ(Run(), kExitOk) << err.str();
  EXPECT_EQ(out.str(),
            "単複枠：2ﾚｰｽ分の1回目ｵｯｽﾞ、2ﾚｰｽ分の2回目ｵｯｽﾞ、1ﾚｰｽ分の3回目ｵｯｽﾞ、\n"
            "馬連：1ﾚｰｽ分の1回目ｵｯｽﾞ、1ﾚｰｽ分の2回目ｵｯｽﾞ、0ﾚｰｽ分の3回目ｵｯｽﾞ\n"
            "を取りこみました。\n");
  auto o1 = LoadLines(day.FilePath(".jvO1"));
  ASSERT_TRUE(o1);
  ASSERT_EQ(o1->size(), 108u);  // the load made it: 3 lines for each of 36 slots
  EXPECT_EQ((*o1)[30].substr(27, 8), "05121010");
  EXPECT_EQ((*o1)[31].substr(27, 8), "05121220");
  EXPECT_EQ((*o1)[32].substr(27, 8), "05121359");  // post 14:00 less 30 minutes: 13:30
  EXPECT_EQ((*o1)[2], std::string(960, ' '));
}

TEST_F(ImportCommandTest, ChecksGoToStandardError) {
  for (int r = 1; r <= 7; ++r) day.AddRace("05", r, 12);
  day.Write();
  // Never set: the folder is the application folder.
  EXPECT_EQ(Run(), kExitFailure);
  EXPECT_EQ(err.str(), "時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定をしてください。\n");
  EXPECT_TRUE(out.str().empty());

  SetFolder(dir.str());
  err.str("");
  EXPECT_EQ(Run(), kExitFailure);
  EXPECT_EQ(err.str(), "時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定をしてください。\n");

  SetFolder(viewer);
  err.str("");
  EXPECT_EQ(RunCli({"import-timeseries", "--app-dir", dir.str(), "--day", "2024年05月13日"}, context), kExitFailure);
  EXPECT_EQ(err.str().rfind("ｵｯｽﾞを読み込みたい当日の開催日ﾃﾞｰﾀを読み込んでください。\n", 0), 0u) << err.str();
  EXPECT_TRUE(out.str().empty());
  EXPECT_EQ(RunCli({"import-timeseries", "--day", "x"}, context), kExitUsage);
}

}  // namespace
}  // namespace tw
