#include "import/timeseries_import.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/settings.h"
#include "import/timeseries_folder.h"
#include "support/fake_user_port.h"
#include "support/temp_dir.h"
#include "text/files.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {
namespace {

using Lines = std::vector<std::string>;

void Put(std::string& text, int pos, const std::string& value) { text.replace(pos - 1, value.size(), value); }

// An odds line of a race on 05/12 announced at mmdd hh:mm.
std::string Announcement(const std::string& key, const std::string& mmdd, int hour, int minute, size_t length = 960,
                         char fill = ' ') {
  std::string line(length, fill);
  Put(line, 1, "O1" + std::string(9, '0') + key + mmdd + Format("%02d%02d", hour, minute));
  return line;
}

const std::string kKey1 = "2024051205020601";

TEST(TimeSeriesImport, NearestAnnouncementRules) {
  // Equally near: the earlier line wins.
  Lines tie = {Announcement(kKey1, "0512", 9, 28, 960, 'a'), Announcement(kKey1, "0512", 9, 32, 960, 'b')};
  EXPECT_EQ(NearestAnnouncement(tie, 9 * 60 + 30), tie[0]);
  // A strictly nearer later line replaces the choice.
  Lines nearer = {Announcement(kKey1, "0512", 9, 20), Announcement(kKey1, "0512", 9, 31)};
  EXPECT_EQ(NearestAnnouncement(nearer, 570), nearer[1]);
  // Sales of the day before never count.
  Lines otherDay = {Announcement(kKey1, "0511", 9, 30), Announcement(kKey1, "0511", 17, 0)};
  EXPECT_EQ(NearestAnnouncement(otherDay, 570), "");
  // 1000 minutes away is too far, 999 is taken.
  Lines far = {Announcement(kKey1, "0512", 16, 40)};
  EXPECT_EQ(NearestAnnouncement(far, 0), "");
  Lines justNear = {Announcement(kKey1, "0512", 16, 39)};
  EXPECT_EQ(NearestAnnouncement(justNear, 0), justNear[0]);
  // A line too short for its time, or with a damaged time, is not a record.
  Lines damaged = {"O1", Announcement(kKey1, "0512", 9, 30).substr(0, 34), Announcement(kKey1, "0512", 9, 30)};
  Put(damaged[2], 32, "x9");
  EXPECT_EQ(NearestAnnouncement(damaged, 570), "");
  Lines exact35 = {Announcement(kKey1, "0512", 9, 30).substr(0, 35)};
  EXPECT_EQ(NearestAnnouncement(exact35, 570), exact35[0]);
}

TEST(TimeSeriesImport, TargetsAndPaths) {
  EXPECT_EQ(TargetMinutes("0930"), 570);
  EXPECT_EQ(TargetMinutes("1515"), 915);
  EXPECT_EQ(TargetMinutes(""), 0);
  EXPECT_EQ(TargetMinutes("ab30"), 30);

  std::string race(1272, ' ');
  Put(race, 12, kKey1);
  EXPECT_EQ(TimeSeriesFilePath("viewer", race, ".jvO1"), JoinPath(JoinPath("viewer", "20240512"), "05020601.jvO1"));
  // Blank slots and damaged records name no file.
  EXPECT_EQ(TimeSeriesFilePath("viewer", std::string(1272, ' '), ".jvO1"), "");
  Put(race, 20, "../../x");
  EXPECT_EQ(TimeSeriesFilePath("viewer", race, ".jvO2"), "");
  Put(race, 12, "..\\..\\05020601");
  EXPECT_EQ(TimeSeriesFilePath("viewer", race, ".jvO2"), "");
}

TEST(TimeSeriesImport, SummaryText) {
  ImportCounts counts{};
  counts[0] = {0, 24, 23, 12};
  counts[1] = {0, 10, 0, 3};
  EXPECT_EQ(SjisToUtf8(ImportSummaryMessage(counts)),
            "単複枠：24ﾚｰｽ分の1回目ｵｯｽﾞ、23ﾚｰｽ分の2回目ｵｯｽﾞ、12ﾚｰｽ分の3回目ｵｯｽﾞ、\r\n"
            "馬連：10ﾚｰｽ分の1回目ｵｯｽﾞ、0ﾚｰｽ分の2回目ｵｯｽﾞ、3ﾚｰｽ分の3回目ｵｯｽﾞ\r\n"
            "を取りこみました。");
}

// An application folder with a day of races at Tokyo, its blank odds files,
// and a viewer folder.
struct ImportFixture : ::testing::Test {
  test::TempDir dir;
  std::string app = dir.file("app");
  std::string viewer = dir.file("viewer");
  Settings settings{JoinPath(dir.str(), "turfwise.ini")};
  RaceDayModel model;
  test::FakeUserPort port;
  std::string dayText = Sjis("2024年05月12日");

  void SetUp() override {
    std::filesystem::create_directories(ToFsPath(JoinPath(app, "Data")));
    std::filesystem::create_directories(ToFsPath(JoinPath(viewer, "20240512")));
    ASSERT_TRUE(StoreTimeSeriesFolder(settings, viewer));
    WriteOddsFiles(3);
  }
  void WriteOddsFiles(int races) {
    ASSERT_TRUE(SaveLines(OddsPath(".jvO1"), Lines(3 * races, std::string(960, ' '))));
    ASSERT_TRUE(SaveLines(OddsPath(".jvO2"), Lines(3 * races, std::string(2040, ' '))));
  }
  std::string OddsPath(const std::string& ext) { return JoinPath(JoinPath(app, "Data"), dayText + ext); }
  std::string Key(int race) { return Format("20240512050206%02d", race); }
  // Slot i holds race `race` with the given fetch times.
  void AddRace(int i, int race, const std::string& t1, const std::string& t2, const std::string& t3) {
    Put(model.slots[i].race, 1, "RA000000000" + Key(race));
    model.slots[i].analysis.fetchTimes = {"", t1, t2, t3};
  }
  void WriteViewerFile(int race, const std::string& ext, const Lines& lines) {
    ASSERT_TRUE(SaveLines(JoinPath(JoinPath(viewer, "20240512"), "050206" + Format("%02d", race) + ext), lines));
  }
  ImportResult Import() { return ImportTimeSeriesOdds(model, dayText, app, settings, port); }
  Lines Odds(const std::string& ext) { return LoadLines(OddsPath(ext)).value_or(Lines{}); }
};

TEST_F(ImportFixture, FillsSnapshotsAtThePlannedTimes) {
  AddRace(0, 1, "0915", "0930", "");
  AddRace(1, 4, "0930", "1120", "");
  AddRace(2, 11, "1015", "1215", "1515");
  Lines race1 = {Announcement(Key(1), "0512", 9, 14), Announcement(Key(1), "0512", 9, 31),
                 Announcement(Key(1), "0512", 15, 0)};
  WriteViewerFile(1, ".jvO1", race1);
  Lines race11 = {Announcement(Key(11), "0512", 10, 0, 2040), Announcement(Key(11), "0512", 15, 14, 2040)};
  WriteViewerFile(11, ".jvO2", race11);
  // Race 4 has only sales of the day before.
  WriteViewerFile(4, ".jvO1", {Announcement(Key(4), "0511", 9, 30)});

  ImportResult result = Import();
  ASSERT_EQ(result.outcome, ImportOutcome::kImported);
  Lines o1 = Odds(".jvO1"), o2 = Odds(".jvO2");
  ASSERT_EQ(o1.size(), 9u);
  // Race 1: snapshots 1 and 2, never a third although 15:00 is there.
  EXPECT_EQ(o1[0], race1[0]);
  EXPECT_EQ(o1[1], race1[1]);
  EXPECT_EQ(o1[2], std::string(960, ' '));
  EXPECT_EQ(o1[3], std::string(960, ' '));
  // Race 11: 10:00 is nearest to 10:15 and to 12:15; 15:14 to 15:15.
  EXPECT_EQ(o2[6], race11[0]);
  EXPECT_EQ(o2[7], race11[0]);
  EXPECT_EQ(o2[8], race11[1]);
  EXPECT_EQ(result.counts[0], (std::array<int, 4>{0, 1, 1, 0}));
  EXPECT_EQ(result.counts[1], (std::array<int, 4>{0, 1, 1, 1}));
  ASSERT_EQ(port.events.size(), 1u);
  EXPECT_EQ(port.events[0], "inform:" + SjisToUtf8(ImportSummaryMessage(result.counts)));
}

TEST_F(ImportFixture, EmptySecondFetchTimeTakesTheEarliestBefore1640) {
  AddRace(0, 3, "0930", "", "");
  Lines early = {Announcement(Key(3), "0512", 12, 0), Announcement(Key(3), "0512", 8, 50)};
  WriteViewerFile(3, ".jvO1", early);
  Import();
  EXPECT_EQ(Odds(".jvO1")[1], early[1]);

  // Only announcements from 16:40 on: snapshot 2 keeps what it held.
  std::string live = Announcement(Key(3), "0512", 13, 0);
  Lines o1 = Odds(".jvO1");
  o1[1] = live;
  ASSERT_TRUE(SaveLines(OddsPath(".jvO1"), o1));
  WriteViewerFile(3, ".jvO1", {Announcement(Key(3), "0512", 16, 40), Announcement(Key(3), "0512", 17, 5)});
  ImportResult result = Import();
  EXPECT_EQ(Odds(".jvO1")[1], live);
  EXPECT_EQ(result.counts[0][1], 1);
  EXPECT_EQ(result.counts[0][2], 0);
}

TEST_F(ImportFixture, ChecksComeFirst) {
  AddRace(0, 1, "0915", "0930", "");
  WriteViewerFile(1, ".jvO1", {Announcement(Key(1), "0512", 9, 15)});
  std::string before = test::ReadBytes(OddsPath(".jvO1"));

  // The folder setting naming the application folder means "not set".
  ASSERT_TRUE(StoreTimeSeriesFolder(settings, app));
  EXPECT_FALSE(IsTimeSeriesFolderSet(settings, app));
  ImportResult result = Import();
  EXPECT_EQ(result.outcome, ImportOutcome::kFolderNotSet);
  EXPECT_EQ(port.events, (std::vector<std::string>{"beep", "inform:時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定をしてください。"}));

  // So does a missing setting.
  Settings none{dir.file("none.ini")};
  EXPECT_EQ(TimeSeriesFolder(none, app), app);
  EXPECT_EQ(ImportTimeSeriesOdds(model, dayText, app, none, port).outcome, ImportOutcome::kFolderNotSet);

  ASSERT_TRUE(StoreTimeSeriesFolder(settings, viewer));
  EXPECT_TRUE(IsTimeSeriesFolderSet(settings, app));
  port.events.clear();
  result = ImportTimeSeriesOdds(model, "  ", app, settings, port);
  EXPECT_EQ(result.outcome, ImportOutcome::kNoDayLoaded);
  EXPECT_EQ(port.events,
            (std::vector<std::string>{"beep", "inform:ｵｯｽﾞを読み込みたい当日の開催日ﾃﾞｰﾀを読み込んでください。"}));
  EXPECT_EQ(test::ReadBytes(OddsPath(".jvO1")), before);
}

TEST_F(ImportFixture, ShortOddsFileIsPaddedWithBlankLines) {
  WriteOddsFiles(1);  // three lines, but slot 2 needs lines 6..8
  AddRace(2, 7, "1015", "1215", "1300");
  Lines lines = {Announcement(Key(7), "0512", 12, 50, 2040)};
  WriteViewerFile(7, ".jvO2", lines);
  ImportResult result = Import();
  ASSERT_EQ(result.outcome, ImportOutcome::kImported);
  Lines o2 = Odds(".jvO2");
  ASSERT_EQ(o2.size(), 9u);
  for (int k = 0; k < 6; ++k) EXPECT_EQ(o2[k], std::string(2040, ' ')) << k;
  EXPECT_EQ(o2[8], lines[0]);
}

TEST_F(ImportFixture, LinesOfAnotherLengthAreRefusedAndNeverShiftOtherSlots) {
  WriteOddsFiles(36);
  Lines before = Odds(".jvO1");
  before[3] = Announcement(Key(2), "0512", 9, 0);  // a snapshot fetched live
  ASSERT_TRUE(SaveLines(OddsPath(".jvO1"), before));
  AddRace(0, 1, "0915", "0930", "");
  AddRace(1, 2, "0930", "1000", "");
  // Every line of race 1's file is one byte short; of race 2's, one is long
  // and one holds a lone CR, a break that would split the stored line.
  WriteViewerFile(1, ".jvO1", {Announcement(Key(1), "0512", 9, 15, 959), Announcement(Key(1), "0512", 9, 30, 959)});
  std::string broken = Announcement(Key(2), "0512", 9, 31);
  broken[500] = '\r';
  WriteViewerFile(2, ".jvO1", {Announcement(Key(2), "0512", 9, 30, 961), broken, Announcement(Key(2), "0512", 9, 58)});
  ImportResult result = Import();
  ASSERT_EQ(result.outcome, ImportOutcome::kImported);
  EXPECT_EQ(result.refused, (RefusedCounts{4, 0}));
  Lines o1 = Odds(".jvO1");
  ASSERT_EQ(o1.size(), 108u);
  for (const auto& line : o1) ASSERT_EQ(line.size(), 960u);
  EXPECT_EQ(o1[0], std::string(960, ' ')) << "race 1 gets nothing";
  EXPECT_EQ(o1[3], Announcement(Key(2), "0512", 9, 58)) << "the nearest line of the right length";
  for (size_t k = 6; k < o1.size(); ++k) EXPECT_EQ(o1[k], before[k]) << k;
  EXPECT_EQ(SjisToUtf8(result.message).substr(SjisToUtf8(result.message).rfind("\r\n") + 2),
            "長さの合わない行（単複枠：4行、馬連：0行）は取りこみませんでした。");
}

TEST_F(ImportFixture, FailingOddsFileStopsAndKeepsEarlierSlots) {
  AddRace(0, 1, "0915", "0930", "");
  AddRace(1, 2, "0930", "1000", "");
  WriteViewerFile(1, ".jvO1", {Announcement(Key(1), "0512", 9, 15)});
  WriteViewerFile(1, ".jvO2", {Announcement(Key(1), "0512", 9, 15, 2040)});
  WriteViewerFile(2, ".jvO1", {Announcement(Key(2), "0512", 9, 40)});
  // The quinella odds file is missing.
  std::filesystem::remove(ToFsPath(OddsPath(".jvO2")));
  ImportResult result = Import();
  EXPECT_EQ(result.outcome, ImportOutcome::kSaveFailed);
  Lines o1 = Odds(".jvO1");
  EXPECT_EQ(o1[0], Announcement(Key(1), "0512", 9, 15));  // written before the failure
  EXPECT_EQ(o1[1], Announcement(Key(1), "0512", 9, 15));
  EXPECT_EQ(o1[3], std::string(960, ' '));  // race 2 comes after it
  ASSERT_EQ(port.events.size(), 1u);
  EXPECT_EQ(port.events[0].rfind("inform:" + SjisToUtf8(OddsPath(".jvO2")) + ": ", 0), 0u);
  EXPECT_FALSE(std::filesystem::exists(ToFsPath(OddsPath(".jvO2"))));
}

}  // namespace
}  // namespace tw
