#include "cli/season_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "base/clock.h"
#include "cli/cli.h"
#include "cli/season_text.h"
#include "support/json_reader.h"
#include "support/season_days.h"
#include "support/temp_dir.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {
namespace {

using test::JsonValue;

class SeasonCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { test::WriteHandWorkedSeason(data); }
  int Run(std::vector<std::string> args) {
    out.str("");
    err.str("");
    args.insert(args.begin(), "season");
    return RunCli(args, context);
  }
  JsonValue Json(std::vector<std::string> args, int status = kExitDayFileProblems) {
    args.insert(args.begin(), {"--data", data, "--json"});
    EXPECT_EQ(Run(args), status) << err.str();
    return test::ParseJson(out.str());
  }
  // The first line of a text section's group (the quinella line) and the
  // two after it, split at blanks.
  std::vector<std::vector<std::string>> TextGroup(const std::string& text, const std::string& section,
                                                  const std::string& label) {
    std::istringstream lines(text.substr(text.find("\n" + section + "\n")));
    std::string line;
    std::vector<std::vector<std::string>> rows;
    while (std::getline(lines, line)) {
      if (rows.empty() && line.rfind(label + " ", 0) != 0) continue;
      std::istringstream words(line);
      std::vector<std::string> row;
      for (std::string w; words >> w;) row.push_back(w);
      rows.push_back(row);
      if (rows.size() == 3) break;
    }
    return rows;
  }

  test::TempDir dir;
  std::string data = dir.file("Data");
  std::ostringstream out, err;
  ManualClock clock{DateTime{2024, 6, 2, 12, 0, 0}};
  CliContext context{out, err, &clock, dir.file("turfwise-cli.ini")};
};

// Checks the figures of a text group against the JSON's.
void ExpectSameFigures(const std::vector<std::vector<std::string>>& text, const JsonValue& f, const std::string& what) {
  ASSERT_EQ(text.size(), 3u) << what;
  ASSERT_EQ(text[0].size(), 16u) << what;
  EXPECT_EQ(text[0][1], f["days"].numberText) << what;
  EXPECT_EQ(text[0][2], f["races"].numberText) << what;
  EXPECT_EQ(text[0][3], f["racesWithBets"].numberText) << what;
  EXPECT_EQ(text[0][4], f["bets"].numberText) << what;
  const char* kinds[] = {"quinella", "wide", "reference"};
  for (int k = 0; k < 3; ++k) {
    const std::vector<std::string>& row = text[static_cast<size_t>(k)];
    const std::vector<std::string> tickets(row.end() - 11, row.end());
    const JsonValue& t = f[kinds[k]];
    EXPECT_EQ(tickets[1], t["hits"].numberText) << what << kinds[k];
    EXPECT_EQ(tickets[2], t["hitRaces"].numberText) << what << kinds[k];
    EXPECT_EQ(tickets[3], t["hitRate"].isNull() ? "-" : Format("%.1f%%", t["hitRate"].number)) << what << kinds[k];
    EXPECT_EQ(tickets[4], t["stake"].numberText) << what << kinds[k];
    EXPECT_EQ(tickets[5], t["return"].numberText) << what << kinds[k];
    const JsonValue& range = t["returnRateInterval"];
    EXPECT_EQ(tickets[7], range.isNull() ? "-" : Format("%.1f-%.1f%%", range["low"].number, range["high"].number))
        << what << kinds[k];
    EXPECT_EQ(tickets[8], t["longestLosingRun"].numberText) << what << kinds[k];
    EXPECT_EQ(tickets[9], t["maxDrawdown"]["yen"].numberText) << what << kinds[k];
    EXPECT_EQ(tickets[10], t["biggestHit"].isNull() ? "-" : t["biggestHit"]["yen"].numberText) << what << kinds[k];
  }
}

TEST_F(SeasonCommandTest, TextJsonAndCsvAgree) {
  const JsonValue json = Json({});
  const JsonValue& season = json["season"];
  EXPECT_EQ(json["version"].number, 1);
  EXPECT_EQ(season["races"].number, 7);
  EXPECT_EQ(season["quinella"]["return"].number, 23280);
  EXPECT_EQ(season["reference"]["biggestHit"]["course"].text, "中山");
  EXPECT_EQ(json["days"]["withoutResults"][0].text, "2024年05月12日");
  EXPECT_EQ(json["days"]["skipped"].size(), 2u);
  EXPECT_NE(json["days"]["skipped"][1]["reasons"][0].text.find("壊れた行があります"), std::string::npos);

  ASSERT_EQ(Run({"--data", data}), kExitDayFileProblems) << err.str();
  const std::string text = out.str();
  ExpectSameFigures(TextGroup(text, "全体", "全体"), season, "season");
  for (const JsonValue& group : json["breakdowns"]["course"].items)
    ExpectSameFigures(TextGroup(text, "競馬場別", group["label"].text), group, group["label"].text);
  for (const JsonValue& group : json["breakdowns"]["month"].items)
    ExpectSameFigures(TextGroup(text, "月別", group["label"].text), group, group["label"].text);
  EXPECT_NE(text.find("結果未取得の日（払戻がまだないので数えていません）\n  2024年05月12日\n"), std::string::npos);

  const std::string csvPath = dir.file("season.csv");
  ASSERT_EQ(Run({"--data", data, "--csv", csvPath}), kExitDayFileProblems) << err.str();
  EXPECT_EQ(out.str(), "wrote 7 races of 2 days to " + csvPath + "\n");
  EXPECT_NE(err.str().find("2024年05月18日"), std::string::npos);
  const std::string bytes = test::ReadBytes(csvPath);
  ASSERT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
  const std::string body = bytes.substr(3);
  // Valid UTF-8: converting to Shift-JIS and back gives the same text.
  EXPECT_EQ(SjisToUtf8(Utf8ToSjis(body)), body);
  std::istringstream lines(body);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, "日付,競馬場,レース,波乱度,軸条件,買い目数,購入額,馬連払戻額,ワイド払戻額,参考払戻額\r");
  long long rows = 0, withBets = 0, bets = 0, stake = 0, quinella = 0, wide = 0, reference = 0;
  std::map<std::string, long long> quinellaByCourse;
  while (std::getline(lines, line)) {
    ASSERT_EQ(line.back(), '\r');
    line.pop_back();
    std::vector<std::string> cells;
    std::istringstream row(line);
    for (std::string cell; std::getline(row, cell, ',');) cells.push_back(cell);
    ASSERT_EQ(cells.size(), 10u) << line;
    ++rows;
    withBets += std::stoll(cells[5]) > 0;
    bets += std::stoll(cells[5]);
    stake += std::stoll(cells[6]);
    quinella += std::stoll(cells[7]);
    wide += std::stoll(cells[8]);
    reference += std::stoll(cells[9]);
    quinellaByCourse[cells[1]] += std::stoll(cells[7]);
  }
  EXPECT_EQ(rows, season["races"].number);
  EXPECT_EQ(withBets, season["racesWithBets"].number);
  EXPECT_EQ(bets, season["bets"].number);
  EXPECT_EQ(stake, season["quinella"]["stake"].number);
  EXPECT_EQ(quinella, season["quinella"]["return"].number);
  EXPECT_EQ(wide, season["wide"]["return"].number);
  EXPECT_EQ(reference, season["reference"]["return"].number);
  for (const JsonValue& group : json["breakdowns"]["course"].items)
    EXPECT_EQ(quinellaByCourse[group["label"].text], group["quinella"]["return"].number) << group["label"].text;
  EXPECT_NE(body.find("2024/05/11,中山,3,大,軸条件1,7,700,0,0,320\r\n"), std::string::npos);
}

TEST_F(SeasonCommandTest, DatesAndCoursesFromTheCommandLine) {
  JsonValue june = Json({"--from", "20240601", "--to", "20240630"}, kExitOk);
  EXPECT_EQ(june["from"].text, "20240601");
  EXPECT_EQ(june["days"]["lookedAt"].number, 1);
  EXPECT_EQ(june["season"]["races"].number, 2);

  JsonValue nakayama = Json({"--course", "中山", "阪神"});
  EXPECT_EQ(nakayama["courses"].size(), 2u);
  EXPECT_EQ(nakayama["courses"][0].text, "中山");
  EXPECT_EQ(nakayama["season"]["races"].number, 3);
  EXPECT_EQ(nakayama["breakdowns"]["course"].size(), 1u);
  EXPECT_EQ(nakayama["breakdowns"]["course"][0]["group"].text, "06");
  EXPECT_EQ(nakayama["breakdowns"]["axisRule"][0]["group"].number, 1);
  EXPECT_EQ(nakayama["breakdowns"]["betCount"][1]["group"].number, 7);

  ASSERT_EQ(Run({"--data", data, "--from", "20240512", "--to", "20240512"}), kExitOk);
  EXPECT_NE(out.str().find("シーズン集計  2024年05月12日～2024年05月12日  全競馬場\n"), std::string::npos);
  ASSERT_EQ(Run({"--data", data, "--from", "20250101"}), kExitOk);
  EXPECT_EQ(err.str(), "turfwise-cli season: no race day in " + data + "\n");
}

TEST_F(SeasonCommandTest, ClearTextsForWrongArguments) {
  auto firstLine = [this] { return err.str().substr(0, err.str().find('\n')); };
  const std::vector<std::pair<std::vector<std::string>, std::string>> usage = {
      {{}, "--data DIR is required"},
      {{"--data", data, "--from", "2024-05-01"}, "--from needs a date yyyymmdd: '2024-05-01'"},
      {{"--data", data, "--to", "20240230"}, "--to 20240230 is no day of the calendar"},
      {{"--data", data, "--from"}, "--from needs a date yyyymmdd"},
      {{"--data", data, "--from", "20240601", "--to", "20240501"}, "--from 20240601 is after --to 20240501"},
      {{"--data", data, "--json", "--csv", "x.csv"}, "--json and --csv cannot be used together"},
      {{"--data", data, "--csv="}, "the CSV file name cannot be used: ''"},
      {{"--data", data, "--course", "東京競馬場"},
       "unknown course '東京競馬場' (the JRA courses: 札幌 函館 福島 新潟 東京 中山 中京 京都 阪神 小倉)"},
      {{"--data", data, "--course", "Tokyo"},
       "unknown course 'Tokyo' (the JRA courses: 札幌 函館 福島 新潟 東京 中山 中京 京都 阪神 小倉)"},
      {{"--data", data, "--course"}, "--course needs a course name"},
      {{"--data", data, "--text"}, "unknown option '--text'"},
      {{"--data", data, "--rating", "特大"}, "--rating needs 小, 中 or 大: '特大'"},
      {{"--data", data, "--axis-rule", "8"}, "--axis-rule needs a condition 1 to 7: '8'"},
      {{"--data", data, "--max-bets", "-1"}, "--max-bets needs a number of bets 0 to 18: '-1'"},
  };
  for (const auto& [args, message] : usage) {
    EXPECT_EQ(Run(args), kExitUsage) << message;
    EXPECT_EQ(firstLine(), "turfwise-cli season: " + message);
    EXPECT_NE(err.str().find("\nusage: turfwise-cli season --data DIR"), std::string::npos);
    EXPECT_TRUE(out.str().empty());
  }

  EXPECT_EQ(Run({"--data", dir.file("nowhere")}), kExitFailure);
  EXPECT_EQ(firstLine().rfind("turfwise-cli season: cannot read the data folder " + dir.file("nowhere") + ": ", 0), 0u)
      << err.str();

  // The CSV's name taken by a folder: nothing is written, status 1.
  std::filesystem::create_directory(dir.file("taken.csv"));
  EXPECT_EQ(Run({"--data", data, "--csv", dir.file("taken.csv")}), kExitFailure);
  EXPECT_EQ(firstLine().rfind("turfwise-cli season: cannot write " + dir.file("taken.csv") + ": ", 0), 0u);
  EXPECT_TRUE(out.str().empty());
}

TEST(DisplayWidth, WideCharactersTakeTwoColumns) {
  EXPECT_EQ(DisplayWidth("abc"), 3);
  EXPECT_EQ(DisplayWidth("東京"), 4);
  EXPECT_EQ(DisplayWidth("ｵｯｽﾞ"), 4);
  EXPECT_EQ(DisplayWidth("2024年05月"), 10);
}

}  // namespace
}  // namespace tw
