#include "cli/analyse_command.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>

#include "base/clock.h"
#include "cli/cli.h"
#include "cli/json_writer.h"
#include "support/day_builder.h"
#include "support/json_reader.h"
#include "support/temp_dir.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {
namespace {

using test::JsonValue;

class AnalyseCommandTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  test::DayBuilder day{dir.str()};
  std::ostringstream out, err;
  ManualClock clock{DateTime{2024, 6, 1, 12, 0, 0}};
  CliContext context{out, err, &clock, dir.file("turfwise-cli.ini")};

  int Run(const std::vector<std::string>& args) { return RunCli(args, context); }
  std::string DayUtf8() { return SjisToUtf8(day.dayName()); }

  // Seven races at course 05, three snapshots each, payouts for two.
  void BuildDay() {
    for (int r = 1; r <= 7; ++r) {
      int s = day.AddRace("05", r, r == 2 ? 8 : 14, "1100");
      day.AddRunners(s);
      day.AddSampleSnapshot(s, 1, 9, 15);
      if (r != 3) day.AddSampleSnapshot(s, 2, 9, 45);
      day.AddSampleSnapshot(s, 3, 10, 30);
    }
    day.AddSamplePayout(0);
    day.AddSamplePayout(4);
    day.Write();
  }
};

TEST_F(AnalyseCommandTest, UsageOnNoOrUnknownArguments) {
  EXPECT_EQ(Run({}), kExitUsage);
  EXPECT_NE(err.str().find("usage: turfwise-cli"), std::string::npos);
  EXPECT_NE(err.str().find("analyse --data DIR --day DAYNAME [--text]"), std::string::npos);
  EXPECT_TRUE(out.str().empty());

  err.str("");
  EXPECT_EQ(Run({"analyze"}), kExitUsage);
  EXPECT_NE(err.str().find("unknown command 'analyze'"), std::string::npos);

  EXPECT_EQ(Run({"analyse", "--data", dir.str()}), kExitUsage);
  EXPECT_EQ(Run({"analyse", "--day", "x", "--data"}), kExitUsage);
  EXPECT_EQ(Run({"analyse", "--data", dir.str(), "--day", "x", "--json"}), kExitUsage);
  EXPECT_TRUE(out.str().empty());
}

TEST_F(AnalyseCommandTest, MissingDayOrFolderFailsWithAMessage) {
  BuildDay();
  EXPECT_EQ(Run({"analyse", "--data", dir.str(), "--day", "2024年05月13日"}), kExitFailure);
  EXPECT_NE(err.str().find("no race day 2024年05月13日"), std::string::npos) << err.str();
  EXPECT_TRUE(out.str().empty());

  err.str("");
  EXPECT_EQ(Run({"analyse", "--data", dir.file("missing"), "--day", DayUtf8()}), kExitFailure);
  EXPECT_NE(err.str().find("cannot read the data folder"), std::string::npos) << err.str();

  err.str("");
  EXPECT_EQ(Run({"analyse", "--data", day.RaceFilePath(), "--day", DayUtf8()}), kExitFailure);  // a file, no folder

  // A day name never reaches outside the data folder.
  err.str("");
  std::filesystem::create_directory(dir.path() / "sub");
  EXPECT_EQ(Run({"analyse", "--data", dir.file("sub"), "--day", "../" + DayUtf8()}), kExitFailure);
  EXPECT_NE(err.str().find("not a day name"), std::string::npos) << err.str();
  EXPECT_TRUE(out.str().empty());
}

TEST_F(AnalyseCommandTest, JsonHasTheDocumentedShape) {
  BuildDay();
  ASSERT_EQ(Run({"analyse", "--data", dir.str(), "--day", DayUtf8()}), kExitOk) << err.str();
  EXPECT_TRUE(err.str().empty());
  JsonValue doc = test::ParseJson(out.str());
  EXPECT_EQ(doc.keys(), (std::vector<std::string>{"version", "day", "races"}));
  EXPECT_EQ(doc["version"].number, kAnalysisJsonVersion);
  EXPECT_EQ(doc["day"].text, "2024年05月12日");
  ASSERT_EQ(doc["races"].size(), 7u);

  const JsonValue& race = doc["races"][2];
  EXPECT_EQ(race.keys(),
            (std::vector<std::string>{"slot", "key", "raceNumber", "runners", "snapshotCount", "fetchTimes",
                                      "winSnapshotTimes", "quinellaSnapshotTimes", "axisRule", "upsetDegree",
                                      "betLabels", "shortQuinellaCount", "winPopularityOrder", "hasPayout", "horses"}));
  EXPECT_EQ(race["slot"].number, 2);
  EXPECT_EQ(race["key"].text, "2024051205020603");
  EXPECT_EQ(race["raceNumber"].number, 3);
  EXPECT_EQ(race["runners"].number, 14);
  EXPECT_EQ(race["snapshotCount"].number, 3);  // snapshot 2 missing, 3 present
  ASSERT_EQ(race["fetchTimes"].size(), 3u);
  EXPECT_EQ(race["fetchTimes"][0].text, "0930");
  EXPECT_EQ(race["fetchTimes"][1].text, "1030");
  EXPECT_EQ(race["fetchTimes"][2].text, "");
  EXPECT_EQ(race["winSnapshotTimes"][0].text, "09時15分");
  EXPECT_EQ(race["winSnapshotTimes"][1].text, "");
  EXPECT_EQ(race["quinellaSnapshotTimes"][2].text, "10時30分");
  EXPECT_EQ(race["shortQuinellaCount"].size(), 3u);
  ASSERT_EQ(race["winPopularityOrder"].size(), 3u);
  for (size_t s = 0; s < 3; ++s) EXPECT_EQ(race["winPopularityOrder"][s].size(), 18u);
  EXPECT_EQ(race["upsetDegree"].type, JsonValue::Type::kString);
  EXPECT_EQ(race["betLabels"].type, JsonValue::Type::kArray);
  EXPECT_FALSE(race["hasPayout"].boolean);
  EXPECT_TRUE(doc["races"][0]["hasPayout"].boolean);
  EXPECT_TRUE(doc["races"][4]["hasPayout"].boolean);

  ASSERT_EQ(race["horses"].size(), 18u);
  const JsonValue& horse = race["horses"][17];
  EXPECT_EQ(horse.keys(),
            (std::vector<std::string>{"h", "winShare", "quinellaShare", "bracketShare", "shareGap", "winShareChange",
                                      "quinellaShareChange", "shareGapChange", "maxShareGap", "firstWinRank",
                                      "driftMark", "winChangeRank", "quinellaChangeRank", "axisConditionMarks",
                                      "partnerConditionMarks", "axisMark", "partnerMark"}));
  EXPECT_EQ(horse["h"].number, 18);
  EXPECT_EQ(horse["winShare"].size(), 3u);
  EXPECT_EQ(horse["shareGap"].size(), 3u);
  EXPECT_TRUE(horse["shareGap"][0].isNull());  // horse 18 does not run: no difference
  EXPECT_TRUE(horse["maxShareGap"].isNull());
  EXPECT_EQ(horse["axisConditionMarks"].size(), 7u);
  EXPECT_EQ(horse["partnerConditionMarks"].size(), 5u);

  // Loading the day as the program does creates its missing odds files.
  EXPECT_TRUE(FileExists(day.FilePath(".jvO1")));
}

TEST_F(AnalyseCommandTest, TextModePrintsATablePerRace) {
  BuildDay();
  ASSERT_EQ(Run({"analyse", "--data", dir.str(), "--day", DayUtf8(), "--text"}), kExitOk) << err.str();
  std::string text = out.str();
  EXPECT_EQ(text.rfind("2024年05月12日\n", 0), 0u);
  EXPECT_NE(text.find("[ 0] 東京   2回  6日 1R  runners 14  snapshots 3"), std::string::npos) << text;
  EXPECT_NE(text.find("[ 6] 東京   2回  6日 7R"), std::string::npos) << text;
  EXPECT_NE(text.find("bets:"), std::string::npos);
  EXPECT_NE(text.find("rating"), std::string::npos);
}

TEST(JsonWriterTest, StringsAreEscapedAndNumbersRoundTrip) {
  EXPECT_EQ(JsonQuote("a\"b\\c/"), "\"a\\\"b\\\\c/\"");
  EXPECT_EQ(JsonQuote(std::string("\n\r\t\b\f\x01\x1f", 7)), "\"\\n\\r\\t\\b\\f\\u0001\\u001f\"");
  EXPECT_EQ(JsonQuote("◎ 東京"), "\"◎ 東京\"");
  for (double v : {738.0 / 122.0, -3.4, 0.1 + 0.2, 1e-300, 0.0, 123456789.125}) {
    EXPECT_EQ(std::strtod(JsonNumber(v).c_str(), nullptr), v) << JsonNumber(v);
  }
  EXPECT_EQ(JsonNumber(std::nan("")), "null");
  EXPECT_EQ(JsonNumber(HUGE_VAL), "null");
}

TEST(WriteDayJsonTest, ValuesOfTheModelAreWrittenExactly) {
  auto model = std::make_unique<RaceDayModel>();
  RaceSlot& slot = model->slots[3];
  slot.race = test::RaceLine(test::RaceKey(2024, 5, 12, "05", 2, 6, 11), 16, "1545") + "\r\n";
  RaceAnalysis& a = slot.analysis;
  a.present = true;
  a.winShare[5][2] = 738.0 / 122.0;
  a.shareGap[5][1] = -1.2;
  a.maxShareGap[5] = 3.4;
  a.winShareChange[5] = 9999.99;  // below the marker: a value
  a.axisMark[5] = Sjis("◎");
  a.axisConditionMarks[5][7] = Sjis("◎");
  a.partnerConditionMarks[6][1] = Sjis("×");
  a.betLabels[1] = " 5- 6";
  a.betLabels[2] = " 5-12";
  a.upsetDegree = Sjis("中");
  a.winPopularityOrder[1][1] = 5;
  a.axisRule = 7;

  std::ostringstream out;
  WriteDayJson(*model, Sjis("2024年05月12日"), out);
  JsonValue doc = test::ParseJson(out.str());
  ASSERT_EQ(doc["races"].size(), 1u);
  const JsonValue& race = doc["races"][0];
  EXPECT_EQ(race["slot"].number, 3);
  EXPECT_EQ(race["raceNumber"].number, 11);
  EXPECT_EQ(race["upsetDegree"].text, "中");
  EXPECT_EQ(race["axisRule"].number, 7);
  ASSERT_EQ(race["betLabels"].size(), 2u);
  EXPECT_EQ(race["betLabels"][1].text, " 5-12");
  EXPECT_EQ(race["winPopularityOrder"][0][0].number, 5);
  const JsonValue& h5 = race["horses"][4];
  EXPECT_EQ(h5["winShare"][1].number, 738.0 / 122.0);
  EXPECT_EQ(h5["shareGap"][0].number, -1.2);
  EXPECT_TRUE(h5["shareGap"][1].isNull());
  EXPECT_EQ(h5["maxShareGap"].number, 3.4);
  EXPECT_EQ(h5["winShareChange"].number, 9999.99);
  EXPECT_TRUE(h5["quinellaShareChange"].isNull());
  EXPECT_EQ(h5["axisMark"].text, "◎");
  EXPECT_EQ(h5["axisConditionMarks"][6].text, "◎");
  EXPECT_EQ(race["horses"][5]["partnerConditionMarks"][0].text, "×");
  EXPECT_EQ(h5["driftMark"].text, "");
}

}  // namespace
}  // namespace tw
