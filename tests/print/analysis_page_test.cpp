#include "print/analysis_page.h"

#include <gtest/gtest.h>

#include "codes/numbers.h"
#include "codes/pairs.h"
#include "support/page_query.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {
namespace {

using test::LineOp;
using test::OpsOfKind;
using test::RectOp;
using test::TextAt;
using test::TextOps;
using test::Utf8TextAt;

std::string RaceRecord(const std::string& date, const std::string& course, int race, int runners) {
  std::string r(kRaceRecordLength, ' ');
  r = Overwrite(r, date, 12);  // yyyymmdd
  r = Overwrite(r, course, 20);
  r = Overwrite(r, "02", 22);
  r = Overwrite(r, "08", 24);
  r = Overwrite(r, Format("%02d", race), 26);
  r = Overwrite(r, Sjis("日本ダービー"), 33);
  r = Overwrite(r, Format("%02d", runners), 882);
  return r;
}

// A day with one race in slot 0 of `runners` runners and `snapshots` snapshots.
RaceDayModel OneRaceDay(int runners, int snapshots, int race = 11, const std::string& date = "20240526") {
  RaceDayModel model;
  model.fromYear2005 = date.substr(0, 4) >= "2005";
  RaceSlot& slot = model.slots[0];
  slot.race = RaceRecord(date, "05", race, runners);
  RaceAnalysis& a = slot.analysis;
  a.present = true;
  a.snapshotCount = snapshots;
  for (int s = 1; s <= snapshots; ++s) {
    a.winSnapshotTimes[s] = Sjis(Format("%02d時%02d分", 9 + s, 15));
    a.quinellaSnapshotTimes[s] = Sjis(Format("%02d時%02d分", 9 + s, 16));
    for (int h = 1; h <= runners; ++h) {
      a.winShare[h][s] = 30.0 / h;
      a.quinellaShare[h][s] = 25.0 / h;
      a.shareGap[h][s] = 5.0 / h - 1.0;
    }
  }
  if (snapshots >= 2) {
    for (int h = 1; h <= runners; ++h) {
      a.winShareChange[h] = 0.5;
      a.quinellaShareChange[h] = -0.25;
      a.shareGapChange[h] = 0.75;
      a.maxShareGap[h] = 1.5;
    }
  }
  model.raceCount = 1;
  return model;
}

TEST(AnalysisPage, HeadOfEveryRace) {
  const Page page = BuildAnalysisPage(OneRaceDay(16, 3), 0);
  const DrawOp* title = TextAt(page, 200, 30);
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(SjisToUtf8(title->text), "Turfwise 分析データ");
  EXPECT_EQ(title->font.points, 14);
  EXPECT_TRUE(title->font.bold);
  EXPECT_TRUE(title->font.underline);
  EXPECT_EQ(SjisToUtf8(title->font.name), "ＭＳ ゴシック");
  const DrawOp* date = TextAt(page, 450, 130);
  EXPECT_EQ(SjisToUtf8(date->text), "2024年05月26日東京 2回 8日11R　　16頭");
  EXPECT_EQ(date->font.points, 11);
  EXPECT_FALSE(date->font.underline);
  const DrawOp* name = TextAt(page, 450, 170);
  EXPECT_EQ(name->text.size(), 60u);
  EXPECT_EQ(SjisToUtf8(name->text).substr(0, 18), "日本ダービー");
}

TEST(AnalysisPage, RaceWithoutOddsShowsHeadAndNoteOnly) {
  const Page page = BuildAnalysisPage(OneRaceDay(16, 0), 0);
  ASSERT_EQ(page.ops.size(), 4u);
  const DrawOp* note = TextAt(page, 220, 375);
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(SjisToUtf8(note->text), "本レースはオッズが未取得です。");
  EXPECT_EQ(note->font.points, 11);
  EXPECT_TRUE(note->font.bold);
}

TEST(AnalysisPage, TitlesAndRaceNumberBox) {
  const Page page = BuildAnalysisPage(OneRaceDay(16, 2, 9), 0);
  EXPECT_EQ(Utf8TextAt(page, 450, 210), "波乱度:    ﾃﾞｰﾀ取得回数:2");
  EXPECT_EQ(Utf8TextAt(page, 200, 95), "東京");
  EXPECT_EQ(TextAt(page, 200, 95)->font.points, 20);
  const DrawOp* box = RectOp(page, 200, 170, 280, 250);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->brush, (BrushState{colour::kBlack, BrushStyle::Solid}));
  EXPECT_EQ(box->pen.width, 10);
  const DrawOp* number = TextAt(page, 220, 175);
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(number->text, "9");
  EXPECT_EQ(number->font.colour, colour::kWhite);
  // Everything after the number is black again.
  EXPECT_EQ(TextAt(page, 1400, 170)->font.colour, colour::kBlack);

  const Page twoDigits = BuildAnalysisPage(OneRaceDay(16, 2, 10), 0);
  EXPECT_EQ(Utf8TextAt(twoDigits, 205, 175), "10");
  EXPECT_EQ(TextAt(twoDigits, 220, 175), nullptr);
}

TEST(AnalysisPage, SixteenRunnerTablesEndAboveTheChart) {
  const Page page = BuildAnalysisPage(OneRaceDay(16, 3), 0);
  // Frames with pen 20 and a clear brush.
  const DrawOp* win = RectOp(page, 200, 380, 870, 1026);
  ASSERT_NE(win, nullptr);
  EXPECT_EQ(win->pen.width, 20);
  EXPECT_EQ(win->brush.style, BrushStyle::Clear);
  EXPECT_NE(RectOp(page, 1000, 380, 1670, 1026), nullptr);
  EXPECT_NE(RectOp(page, 200, 1250, 1030, 1896), nullptr);
  // Shaded number columns of the same length.
  EXPECT_EQ(RectOp(page, 200, 418, 270, 1026)->brush, (BrushState{colour::kSilver, BrushStyle::Solid}));
  EXPECT_NE(RectOp(page, 200, 1288, 270, 1896), nullptr);
  // Column rules: heavy beside the numbers, light between the snapshots.
  EXPECT_EQ(LineOp(page, 270, 380, 270, 1026)->pen.width, 20);
  EXPECT_EQ(LineOp(page, 880, 1250, 880, 1896)->pen.width, 5);
  // Row rules and the last horse number.
  EXPECT_EQ(LineOp(page, 200, 988, 870, 988)->pen.width, 5);
  EXPECT_EQ(Utf8TextAt(page, 215, 991), "16");
  EXPECT_EQ(Utf8TextAt(page, 215, 1861), "16");
  EXPECT_EQ(TextAt(page, 215, 1029), nullptr);  // no 17th row
  // The chart title below the difference table.
  EXPECT_EQ(Utf8TextAt(page, 1350, 1960), "馬番別投票率グラフ(馬連人気順)");
}

TEST(AnalysisPage, ValuesAndSnapshotTimes) {
  const Page page = BuildAnalysisPage(OneRaceDay(16, 3), 0);
  EXPECT_EQ(Utf8TextAt(page, 290, 421), " 30.00");   // win share horse 1, snapshot 1
  EXPECT_EQ(Utf8TextAt(page, 590, 459), " 15.00");   // horse 2, snapshot 3
  EXPECT_EQ(Utf8TextAt(page, 1380, 421), " 25.00");  // quinella share horse 1, snapshot 3
  EXPECT_EQ(Utf8TextAt(page, 440, 1289), "  4.00");  // difference horse 1, snapshot 2
  EXPECT_EQ(Utf8TextAt(page, 740, 421), "  0.50");
  EXPECT_EQ(Utf8TextAt(page, 1530, 421), " -0.25");
  EXPECT_EQ(Utf8TextAt(page, 740, 1289), "  1.50");
  EXPECT_EQ(Utf8TextAt(page, 900, 1289), "  0.75");
  EXPECT_EQ(TextAt(page, 290, 421)->font.points, 9);
  EXPECT_FALSE(TextAt(page, 290, 421)->font.bold);
  EXPECT_EQ(Utf8TextAt(page, 430, 345), "11時15分");
  EXPECT_EQ(Utf8TextAt(page, 580, 1215), "12時15分");
  EXPECT_EQ(Utf8TextAt(page, 1230, 345), "11時16分");
  EXPECT_EQ(Utf8TextAt(page, 722, 1253), "最大単連差");
}

TEST(AnalysisPage, SingleSnapshotFillsFirstColumnsOnly) {
  const Page page = BuildAnalysisPage(OneRaceDay(10, 1), 0);
  EXPECT_EQ(Utf8TextAt(page, 290, 421), " 30.00");
  for (int x : {440, 590, 740}) EXPECT_EQ(TextAt(page, x, 421), nullptr) << x;
  for (int x : {1240, 1390, 1530}) EXPECT_EQ(TextAt(page, x, 421), nullptr) << x;
  for (int x : {440, 590, 740, 900}) EXPECT_EQ(TextAt(page, x, 1289), nullptr) << x;
  // The bet table is its header only.
  EXPECT_NE(RectOp(page, 1130, 1210, 1600, 1248), nullptr);
  EXPECT_EQ(TextAt(page, 1145, 1251), nullptr);
  EXPECT_EQ(Utf8TextAt(page, 1245, 1213), "買い目");
  EXPECT_EQ(Utf8TextAt(page, 450, 210), "波乱度:    ﾃﾞｰﾀ取得回数:1");
}

TEST(AnalysisPage, BetsWithOddsOfTheLatestSnapshot) {
  RaceDayModel model = OneRaceDay(12, 2);
  RaceSlot& slot = model.slots[0];
  slot.analysis.betLabels[1] = " 3- 6";
  slot.analysis.betLabels[2] = " 1- 3";
  slot.analysis.betLabels[3] = " 2- 9";
  std::string o2(kQuinellaOddsRecordLength, ' ');
  o2 = Overwrite(o2, "000123", 45 + 13 * (QuinellaPairIndex(" 3- 6") - 1));
  o2 = Overwrite(o2, "004567", 45 + 13 * (QuinellaPairIndex(" 1- 3") - 1));
  slot.quinellaOdds[2] = o2;
  slot.quinellaOdds[1] =
      Overwrite(std::string(kQuinellaOddsRecordLength, ' '), "009999", 45 + 13 * (QuinellaPairIndex(" 2- 9") - 1));
  const Page page = BuildAnalysisPage(model, 0);
  // Three rows with their numbers and rules.
  EXPECT_NE(RectOp(page, 1130, 1210, 1600, 1362), nullptr);
  EXPECT_NE(RectOp(page, 1130, 1248, 1200, 1362), nullptr);
  EXPECT_NE(LineOp(page, 1130, 1324, 1600, 1324), nullptr);
  EXPECT_EQ(Utf8TextAt(page, 1145, 1327), " 3");
  EXPECT_EQ(Utf8TextAt(page, 1255, 1251), " 3- 6");
  EXPECT_EQ(Utf8TextAt(page, 1455, 1251), "   12.3");
  EXPECT_EQ(Utf8TextAt(page, 1455, 1289), "  456.7");
  EXPECT_EQ(Utf8TextAt(page, 1255, 1327), " 2- 9");
  EXPECT_EQ(TextAt(page, 1455, 1327), nullptr);  // no odds at the latest snapshot
  EXPECT_EQ(TextAt(page, 1255, 1365), nullptr);
}

TEST(AnalysisPage, SingleSnapshotBetsHaveNoOdds) {
  RaceDayModel model = OneRaceDay(12, 1);
  model.slots[0].analysis.betLabels[1] = " 3- 6";
  model.slots[0].quinellaOdds[1] =
      Overwrite(std::string(kQuinellaOddsRecordLength, ' '), "000123", 45 + 13 * (QuinellaPairIndex(" 3- 6") - 1));
  const Page page = BuildAnalysisPage(model, 0);
  EXPECT_EQ(TextAt(page, 1455, 1251), nullptr);
}

std::string PayoutWith(const std::string& bracketPairs, const std::string& quinellaPairs) {
  std::string hr(kPayoutRecordLength, ' ');
  hr = Overwrite(hr, bracketPairs.substr(0, 2), 207);
  hr = Overwrite(hr, "000001230", 209);
  hr = Overwrite(hr, bracketPairs.substr(2, 2), 220);
  hr = Overwrite(hr, "000000980", 222);
  hr = Overwrite(hr, quinellaPairs.substr(0, 4), 246);
  hr = Overwrite(hr, "000004560", 250);
  hr = Overwrite(hr, quinellaPairs.substr(4, 4), 262);
  hr = Overwrite(hr, "000000000", 266);
  return hr;
}

TEST(AnalysisPage, BracketResultsForSmallFieldsBefore2005) {
  RaceDayModel model = OneRaceDay(8, 2, 5, "20040418");
  model.slots[0].payout = PayoutWith("3614", "03060104");
  model.slots[0].analysis.betLabels[1] = " 3- 6";
  model.slots[0].winOdds[2] =
      Overwrite(std::string(kWinOddsRecordLength, ' '), "00215", 606 + 9 * (BracketPairIndex(" 3- 6") - 1));
  const Page page = BuildAnalysisPage(model, 0);
  EXPECT_EQ(Utf8TextAt(page, 1400, 170), "結果1:  3- 6");
  EXPECT_EQ(Utf8TextAt(page, 1600, 170), "    1230円");
  EXPECT_EQ(Utf8TextAt(page, 1400, 210), "結果2:  1- 4");
  EXPECT_EQ(Utf8TextAt(page, 1600, 210), "     980円");
  EXPECT_EQ(Utf8TextAt(page, 1455, 1251), "   21.5");  // bracket odds of the bet

  // The same race in 2005 or later shows the quinella pairs.
  model.fromYear2005 = true;
  const Page later = BuildAnalysisPage(model, 0);
  EXPECT_EQ(Utf8TextAt(later, 1400, 170), "結果1:  3- 6");
  EXPECT_EQ(Utf8TextAt(later, 1600, 170), "    4560円");
  EXPECT_EQ(Utf8TextAt(later, 1400, 210), "結果2:  1- 4");
  EXPECT_EQ(Utf8TextAt(later, 1600, 210), "       0円");
}

TEST(AnalysisPage, ResultLabelsWithoutPayoutStayEmpty) {
  const Page page = BuildAnalysisPage(OneRaceDay(16, 2), 0);
  EXPECT_EQ(Utf8TextAt(page, 1400, 170), "結果1: ");
  EXPECT_EQ(Utf8TextAt(page, 1400, 210), "結果2: ");
  EXPECT_EQ(TextAt(page, 1600, 170), nullptr);
  EXPECT_EQ(TextAt(page, 1600, 210), nullptr);
}

TEST(AnalysisPage, DamagedRunnerCountStaysWithinEighteen) {
  RaceDayModel model = OneRaceDay(18, 2);
  model.slots[0].race = Overwrite(model.slots[0].race, "99", 882);
  const Page page = BuildAnalysisPage(model, 0);
  EXPECT_NE(RectOp(page, 200, 380, 870, 418 + 38 * 18), nullptr);
  EXPECT_EQ(TextAt(page, 215, 383 + 38 * 19), nullptr);
}

TEST(AnalysisPrintout, OnePagePerRaceListRow) {
  RaceDayModel model = OneRaceDay(16, 2);
  model.slots[1].race = RaceRecord("20240526", "08", 1, 14);
  model.slots[2].race = RaceRecord("20240526", "08", 12, 14);
  model.raceCount = 3;
  const AnalysisPrintout printout = BuildAnalysisPrintout(model, {0, 1, 2});
  EXPECT_EQ(SjisToUtf8(printout.caption), "Turfwise 分析結果印刷");
  ASSERT_EQ(printout.pages.size(), 3u);
  ASSERT_EQ(printout.pageTitles.size(), 3u);
  EXPECT_EQ(SjisToUtf8(printout.pageTitles[0]), "東京  11R");
  EXPECT_EQ(SjisToUtf8(printout.pageTitles[1]), "京都   1R");
  EXPECT_EQ(SjisToUtf8(printout.pageTitles[2]), "京都  12R");
  EXPECT_EQ(printout.pageSlots, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(TextAt(printout.pages[1], 220, 375)->font.points, 11);  // no odds on slot 1
  EXPECT_FALSE(TextOps(printout.pages[0], "単勝投票率").empty());
  EXPECT_FALSE(OpsOfKind(printout.pages[0], DrawKind::Rectangle).empty());
}

}  // namespace
}  // namespace tw
