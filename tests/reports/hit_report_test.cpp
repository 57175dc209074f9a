#include "reports/hit_report.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/fake_user_port.h"
#include "support/temp_dir.h"
#include "text/files.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {
namespace {

void Put(std::string& text, int pos, const std::string& value) { text.replace(pos - 1, value.size(), value); }

// A day of two races at Tokyo with one quinella hit in race 2 and a wide hit
// in race 5; race 3 has no payout.
struct Day {
  RaceDayModel model;
  std::vector<int> rows{0, 1, 2};

  Day() {
    int raceNumbers[] = {2, 3, 5};
    for (int i = 0; i < 3; ++i) {
      RaceSlot& slot = model.slots[i];
      Put(slot.race, 1, "RA000000000" + Format("202405120502060%d", raceNumbers[i]).substr(0, 16));
      Put(slot.race, 593, Sjis("テストレース"));
      slot.analysis.betLabels[1] = " 1- 2";
      slot.analysis.betLabels[2] = " 3- 4";
    }
    model.raceCount = 3;
    Put(model.slots[0].payout, 246, "0102000001234");
    Put(model.slots[2].payout, 294, "0304000000056");
  }
};

const std::vector<std::string> kExpectedNew = {
    Sjis("202405120502R[馬連　]：　 1- 2/配当    1234円"),
    Sjis("202405120505R[ワイド]：　 3- 4/配当      56円"),
};

TEST(HitReport, WritesReportAndCumulativeList) {
  test::TempDir dir;
  std::string upload = dir.file("HPupload");
  Day day;
  test::FakeUserPort port;
  std::vector<int> shown;
  HitReportResult result =
      RunHitReport(day.model, day.rows, HitReportKind::kAllHits, upload, port, [&](int row) { shown.push_back(row); });
  EXPECT_TRUE(result.complete);
  EXPECT_TRUE(result.reportSaved);
  EXPECT_EQ(result.hits, 2);
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 2}));
  EXPECT_TRUE(port.events.empty());

  EXPECT_EQ(HitReportFileName(day.model), "TK20240512.txt");
  RaceDayModel damaged;
  damaged.slots[0].race.replace(11, 8, "2024/../");
  EXPECT_EQ(HitReportFileName(damaged), "") << "no name from a date that is none";
  EXPECT_EQ(result.reportPath, JoinPath(upload, "TK20240512.txt"));
  ASSERT_EQ(result.reportLines.size(), 4u);
  EXPECT_EQ(result.reportLines.front(), HitReportHeaderLine());
  EXPECT_EQ(result.reportLines.back(), "</pre>");
  std::string reportBytes = test::ReadBytes(result.reportPath);
  EXPECT_EQ(reportBytes, result.ReportText());
  EXPECT_EQ(reportBytes, JoinLines(result.reportLines));
  EXPECT_EQ(reportBytes.substr(reportBytes.size() - 8), "</pre>\r\n");

  std::string cumulative = test::ReadBytes(JoinPath(upload, "Manbaken.txt"));
  EXPECT_EQ(cumulative, " Turfwise for JRA-VAN Data Lab.\r\n" + kExpectedNew[0] + "\r\n" + kExpectedNew[1] + "\r\n");
}

TEST(HitReport, TwoRunsAppendTwiceAndReplaceTheReport) {
  test::TempDir dir;
  std::string upload = dir.file("HPupload");
  Day day;
  test::FakeUserPort port;
  RunHitReport(day.model, day.rows, HitReportKind::kAllHits, upload, port);
  // The second run has only the quinella hit.
  day.model.slots[2].payout = std::string(kPayoutRecordLength, ' ');
  HitReportResult second = RunHitReport(day.model, day.rows, HitReportKind::kAllHits, upload, port);
  EXPECT_EQ(second.hits, 1);

  auto cumulative = LoadLines(JoinPath(upload, "Manbaken.txt"));
  ASSERT_TRUE(cumulative);
  EXPECT_EQ(*cumulative, (std::vector<std::string>{" Turfwise for JRA-VAN Data Lab.", kExpectedNew[0], kExpectedNew[1],
                                                   kExpectedNew[0]}));
  auto report = LoadLines(second.reportPath);
  ASSERT_TRUE(report);
  EXPECT_EQ(report->size(), 3u);
}

TEST(HitReport, NoHitWritesNothing) {
  test::TempDir dir;
  std::string upload = dir.file("HPupload");
  Day day;
  test::FakeUserPort port;
  // Long shots only: neither payout is high enough.
  HitReportResult result = RunHitReport(day.model, day.rows, HitReportKind::kLongShots, upload, port);
  EXPECT_EQ(result.hits, 0);
  EXPECT_EQ(result.reportLines.size(), 2u);
  EXPECT_FALSE(result.reportSaved);
  EXPECT_FALSE(std::filesystem::exists(upload));  // not even the folder

  // An existing list stays byte for byte as it was.
  ASSERT_TRUE(EnsureFolder(upload));
  std::string old = "old line\r\nno final line end";
  test::WriteBytes(JoinPath(upload, "Manbaken.txt"), old);
  RunHitReport(day.model, day.rows, HitReportKind::kLongShots, upload, port);
  EXPECT_EQ(test::ReadBytes(JoinPath(upload, "Manbaken.txt")), old);
  EXPECT_FALSE(FileExists(JoinPath(upload, "TK20240512.txt")));

  // No day loaded: an empty race list.
  HitReportResult none = RunHitReport(RaceDayModel{}, {}, HitReportKind::kAllHits, upload, port);
  EXPECT_EQ(none.reportLines.size(), 2u);
  EXPECT_TRUE(port.events.empty());
}

TEST(HitReport, RowsMapToTheirSlots) {
  test::TempDir dir;
  Day day;
  test::FakeUserPort port;
  // Only the row of slot 2 is in the list: the quinella hit of slot 0 is not reported.
  HitReportResult result = RunHitReport(day.model, {2}, HitReportKind::kAllHits, dir.str(), port);
  ASSERT_EQ(result.hits, 1);
  EXPECT_NE(result.reportLines[1].find(Sjis("ワイド")), std::string::npos);
}

TEST(HitReport, FailingSaveKeepsEarlierFiles) {
  test::TempDir dir;
  std::string upload = dir.file("HPupload");
  Day day;
  ASSERT_TRUE(EnsureFolder(upload));
  std::string old = " Turfwise for JRA-VAN Data Lab.\r\nearlier hit\r\n";
  test::WriteBytes(JoinPath(upload, "Manbaken.txt"), old);
  // The report file's name is taken by a folder: its save fails.
  std::filesystem::create_directory(JoinPath(upload, "TK20240512.txt"));
  test::FakeUserPort port;
  HitReportResult result = RunHitReport(day.model, day.rows, HitReportKind::kAllHits, upload, port);
  EXPECT_FALSE(result.complete);
  EXPECT_FALSE(result.reportSaved);
  ASSERT_EQ(port.events.size(), 1u);
  EXPECT_EQ(port.events[0].rfind("inform:" + JoinPath(upload, "TK20240512.txt") + ": ", 0), 0u);
  EXPECT_EQ(test::ReadBytes(JoinPath(upload, "Manbaken.txt")), old);

  // The cumulative list fails instead: the report file stays written.
  std::filesystem::remove(JoinPath(upload, "TK20240512.txt"));
  std::filesystem::remove(JoinPath(upload, "Manbaken.txt"));
  std::filesystem::create_directory(JoinPath(upload, "Manbaken.txt"));
  port.events.clear();
  result = RunHitReport(day.model, day.rows, HitReportKind::kAllHits, upload, port);
  EXPECT_TRUE(result.reportSaved);
  EXPECT_FALSE(result.complete);
  EXPECT_EQ(port.events.size(), 1u);
  EXPECT_TRUE(FileExists(result.reportPath));
}

TEST(HitReport, UploadFolderThatCannotBeCreated) {
  test::TempDir dir;
  std::string upload = dir.file("HPupload");
  test::WriteBytes(upload, "a file where the folder should be");
  Day day;
  test::FakeUserPort port;
  HitReportResult result = RunHitReport(day.model, day.rows, HitReportKind::kAllHits, upload, port);
  EXPECT_FALSE(result.reportSaved);
  EXPECT_EQ(port.events.size(), 1u);
  EXPECT_EQ(test::ReadBytes(upload), "a file where the folder should be");
}

}  // namespace
}  // namespace tw
