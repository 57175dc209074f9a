#include "print/analysis_page.h"

#include <algorithm>

#include "codes/courses.h"
#include "codes/numbers.h"
#include "codes/pairs.h"
#include "print/share_chart_print.h"
#include "records/odds_record.h"
#include "records/payout_record.h"
#include "records/race_record.h"
#include "records/record_header.h"
#include "text/fields.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {
namespace {

constexpr int kRow = 38;  // table row height

struct PageTexts {
  std::string title = Sjis("Turfwise 分析データ");
  std::string year = Sjis("年");
  std::string month = Sjis("月");
  std::string day = Sjis("日");
  std::string meeting = Sjis("回");
  std::string raceTail = Sjis("R　　");
  std::string runners = Sjis("頭");
  std::string noOdds = Sjis("本レースはオッズが未取得です。");
  std::string winShares = Sjis("単勝投票率");
  std::string quinellaShares = Sjis("馬連投票率");
  std::string gaps = Sjis("単連差");
  std::string bets = Sjis("買い目");
  std::string upset = Sjis("波乱度:");
  std::string fetchCount = Sjis("    ﾃﾞｰﾀ取得回数:");
  std::string race = Sjis("ﾚｰｽ");
  std::string result1 = Sjis("結果1: ");
  std::string result2 = Sjis("結果2: ");
  std::string yen = Sjis("円");
  std::string horse = Sjis("馬");
  std::string first = Sjis("１回目");
  std::string second = Sjis("２回目");
  std::string third = Sjis("３回目");
  std::string change = Sjis("変化量");
  std::string maxGap = Sjis("最大単連差");
  std::string odds = Sjis("オッズ");
};

const PageTexts& Texts() {
  static const PageTexts texts;
  return texts;
}

std::string DateLine(const std::string& race) {
  const PageTexts& t = Texts();
  return RaceYear(race) + t.year + RaceMonth(race) + t.month + RaceDayOfMonth(race) + t.day +
         CourseName(CourseCode(race)) + PadNumber(MeetingNumber(race)) + t.meeting + PadNumber(MeetingDay(race)) +
         t.day + PadNumber(RaceNumberText(race)) + t.raceTail + PadNumber(RunnerCountText(race)) + t.runners;
}

void DrawHead(PageCanvas& canvas, const RaceSlot& slot) {
  canvas.SetFont(14, true, true);
  canvas.Text(200, 30, Texts().title);
  canvas.SetFont(11, true);
  canvas.Text(450, 130, DateLine(slot.race));
  canvas.Text(450, 170, RaceName(slot.race));
}

void DrawTitles(PageCanvas& canvas, const RaceSlot& slot, int s) {
  const PageTexts& t = Texts();
  canvas.SetFont(10, true);
  canvas.Text(200, 300, t.winShares);
  canvas.Text(1000, 300, t.quinellaShares);
  canvas.Text(200, 1170, t.gaps);
  canvas.Text(1130, 1170, t.bets);
  canvas.Text(450, 210, t.upset + slot.analysis.upsetDegree + t.fetchCount + Format("%d", s));
  canvas.Text(300, 220, t.race);

  canvas.SetFont(20, true);
  canvas.Text(200, 95, CourseName(CourseCode(slot.race)));
  canvas.SetPenWidth(10);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetBrush(colour::kBlack, BrushStyle::Solid);
  canvas.Rectangle(200, 170, 280, 250);
  canvas.SetTextColour(colour::kWhite);
  const int raceNumber = static_cast<int>(RaceNumber(slot.race));
  canvas.Text(raceNumber >= 10 ? 205 : 220, 175, Format("%d", raceNumber));
  canvas.SetTextColour(colour::kBlack);
}

void DrawShading(PageCanvas& canvas, int n, int j) {
  canvas.SetBrush(colour::kSilver, BrushStyle::Solid);
  canvas.Rectangle(200, 380, 870, 418);
  canvas.Rectangle(1000, 380, 1670, 418);
  canvas.Rectangle(200, 1250, 1030, 1288);
  canvas.Rectangle(1130, 1210, 1600, 1248);
  canvas.Rectangle(200, 418, 270, 418 + kRow * n);
  canvas.Rectangle(1000, 418, 1070, 418 + kRow * n);
  canvas.Rectangle(200, 1288, 270, 1288 + kRow * n);
  canvas.Rectangle(1130, 1248, 1200, 1248 + kRow * j);
}

void DrawFrames(PageCanvas& canvas, int n) {
  const int upperEnd = 418 + kRow * n;
  const int gapEnd = 1288 + kRow * n;
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetPenWidth(20);
  canvas.Line(200, 280, 1700, 280);
  canvas.Rectangle(200, 380, 870, upperEnd);
  canvas.Line(200, 418, 870, 418);
  canvas.Rectangle(1000, 380, 1670, upperEnd);
  canvas.Line(1000, 418, 1670, 418);
  canvas.Rectangle(200, 1250, 1030, gapEnd);
  canvas.Line(200, 1288, 1030, 1288);
  canvas.Line(270, 380, 270, upperEnd);
  canvas.Line(1070, 380, 1070, upperEnd);
  canvas.Line(270, 1250, 270, gapEnd);

  canvas.SetPenWidth(5);
  for (int x : {420, 570, 720, 1220, 1370, 1520}) canvas.Line(x, 380, x, upperEnd);
  for (int x : {420, 570, 720, 880}) canvas.Line(x, 1250, x, gapEnd);
}

// Result pair e (1 or 2) and its payout: quinella entries in quinella mode,
// bracket-quinella entries otherwise.
struct ResultPair {
  std::string label;
  long long payout = 0;
};

ResultPair ResultOf(const std::string& payout, PairKind pairKind, int e) {
  const PairPayout paid = pairKind == PairKind::kQuinella ? QuinellaPayout(payout, e) : BracketPayout(payout, e);
  ResultPair result;
  result.payout = paid.yen;
  if (paid.first > 0 && paid.second > 0)
    result.label = Format("%2d-", static_cast<int>(paid.first)) + Format("%2d", static_cast<int>(paid.second));
  return result;
}

void DrawResults(PageCanvas& canvas, const RaceSlot& slot, PairKind pairKind) {
  const PageTexts& t = Texts();
  const ResultPair one = ResultOf(slot.payout, pairKind, 1);
  const ResultPair two = ResultOf(slot.payout, pairKind, 2);
  canvas.Text(1400, 170, t.result1 + one.label);
  canvas.Text(1400, 210, t.result2 + two.label);
  if (!one.label.empty() && one.payout > 0) canvas.Text(1600, 170, Format("%8lld", one.payout) + t.yen);
  if (!two.label.empty()) canvas.Text(1600, 210, Format("%8lld", two.payout) + t.yen);
}

void DrawRowsAndHeadings(PageCanvas& canvas, const RaceSlot& slot, int n) {
  const PageTexts& t = Texts();
  for (int r = 1; r <= n; ++r) {
    canvas.Line(200, 380 + kRow * r, 870, 380 + kRow * r);
    canvas.Line(1000, 380 + kRow * r, 1670, 380 + kRow * r);
    canvas.Line(200, 1250 + kRow * r, 1030, 1250 + kRow * r);
    const std::string number = Format("%2d", r);
    canvas.Text(215, 383 + kRow * r, number);
    canvas.Text(1015, 383 + kRow * r, number);
    canvas.Text(215, 1253 + kRow * r, number);
  }

  canvas.Text(210, 388, t.horse);
  canvas.Text(290, 383, t.first);
  canvas.Text(440, 383, t.second);
  canvas.Text(590, 383, t.third);
  canvas.Text(740, 383, t.change);
  canvas.Text(1010, 388, t.horse);
  canvas.Text(1090, 383, t.first);
  canvas.Text(1240, 383, t.second);
  canvas.Text(1390, 383, t.third);
  canvas.Text(1540, 383, t.change);
  canvas.Text(210, 1258, t.horse);
  canvas.Text(290, 1253, t.first);
  canvas.Text(440, 1253, t.second);
  canvas.Text(590, 1253, t.third);
  canvas.Text(722, 1253, t.maxGap);
  canvas.Text(900, 1253, t.change);

  const RaceAnalysis& a = slot.analysis;
  for (int s = 1; s <= kSnapshots; ++s) {
    const int x = 130 + 150 * s;
    canvas.Text(x, 345, a.winSnapshotTimes[s]);
    canvas.Text(x, 1215, a.winSnapshotTimes[s]);
    canvas.Text(930 + 150 * s, 345, a.quinellaSnapshotTimes[s]);
  }
}

void DrawBetTable(PageCanvas& canvas, int j) {
  const PageTexts& t = Texts();
  const int end = 1248 + kRow * j;
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetPenWidth(20);
  canvas.Rectangle(1130, 1210, 1600, end);
  canvas.Line(1130, 1248, 1600, 1248);
  canvas.Line(1200, 1210, 1200, end);
  canvas.SetPenWidth(5);
  canvas.Line(1400, 1210, 1400, end);
  for (int r = 1; r <= j; ++r) {
    canvas.Line(1130, 1210 + kRow * r, 1600, 1210 + kRow * r);
    canvas.Text(1145, 1213 + kRow * r, Format("%2d", r));
  }
  canvas.Text(1155, 1213, "No.");
  canvas.Text(1245, 1213, t.bets);
  canvas.Text(1445, 1213, t.odds);
}

std::string Value(double v) { return Format("%6.2f", v); }

void DrawValues(PageCanvas& canvas, const RaceAnalysis& a, int n) {
  for (int s = 1; s <= kSnapshots; ++s) {
    for (int h = 1; h <= n; ++h) {
      const int y = 383 + kRow * h;
      if (a.winShare[h][s] > 0) canvas.Text(140 + 150 * s, y, Value(a.winShare[h][s]));
      if (a.quinellaShare[h][s] > 0) canvas.Text(930 + 150 * s, y, Value(a.quinellaShare[h][s]));
      if (a.shareGap[h][s] < kNoValue) canvas.Text(140 + 150 * s, 1251 + kRow * h, Value(a.shareGap[h][s]));
    }
  }
  for (int h = 1; h <= n; ++h) {
    if (a.winShareChange[h] < kNoValue) canvas.Text(740, 383 + kRow * h, Value(a.winShareChange[h]));
    if (a.quinellaShareChange[h] < kNoValue) canvas.Text(1530, 383 + kRow * h, Value(a.quinellaShareChange[h]));
    if (a.maxShareGap[h] < kNoValue) canvas.Text(740, 1251 + kRow * h, Value(a.maxShareGap[h]));
    if (a.shareGapChange[h] < kNoValue) canvas.Text(900, 1251 + kRow * h, Value(a.shareGapChange[h]));
  }
}

// Odds of a bet at snapshot s, in tenths; 0 when the pair has none.
long long BetOdds(const RaceSlot& slot, const std::string& label, PairKind pairKind, int s) {
  if (pairKind == PairKind::kQuinella) {
    const int k = QuinellaPairIndex(label);
    return k > 0 ? IntValue(QuinellaOddsOf(slot.quinellaOdds[s], k)) : 0;
  }
  const int k = BracketPairIndex(label);
  return k > 0 ? IntValue(BracketOddsOf(slot.winOdds[s], k)) : 0;
}

void DrawBets(PageCanvas& canvas, const RaceSlot& slot, int n, int s, PairKind pairKind) {
  for (int r = 1; r <= n; ++r) {
    const std::string& label = slot.analysis.betLabels[r];
    if (IsBlank(label)) continue;
    canvas.Text(1255, 1213 + kRow * r, label);
    // With a single snapshot there is no bet list to price.
    if (s <= 1) continue;
    const long long v = BetOdds(slot, label, pairKind, s);
    if (v > 0) canvas.Text(1455, 1213 + kRow * r, Format("%7.1f", v / 10.0));
  }
}

int BetCount(const RaceAnalysis& a) {
  int j = 0;
  for (int r = 1; r <= kMaxRunners; ++r)
    if (!IsBlank(a.betLabels[r])) ++j;
  return j;
}

}  // namespace

const std::string& PrintFontName() {
  static const std::string name = Sjis("ＭＳ ゴシック");
  return name;
}

std::string AnalysisPageTitle(const std::string& race) {
  return CourseGroupName(CourseCode(race)) + PadNumber(RaceNumberText(race)) + "R";
}

Page BuildAnalysisPage(const RaceDayModel& model, int slotIndex) {
  Page page;
  if (slotIndex < 0 || slotIndex >= kMaxRaces) return page;
  const RaceSlot& slot = model.slots[slotIndex];
  PageCanvas canvas(page);
  canvas.SetFontName(PrintFontName());

  DrawHead(canvas, slot);
  const int s = std::clamp(slot.analysis.snapshotCount, 0, kSnapshots);
  if (s == 0) {
    canvas.Text(220, 375, Texts().noOdds);
    return page;
  }

  const int n = RunnerSlotCount(slot.race);
  const PairKind pairKind = PairKindOf(n, model.fromYear2005);
  DrawTitles(canvas, slot, s);
  const int j = BetCount(slot.analysis);
  DrawShading(canvas, n, j);
  DrawFrames(canvas, n);
  canvas.SetFont(9);
  DrawResults(canvas, slot, pairKind);
  DrawRowsAndHeadings(canvas, slot, n);
  DrawBetTable(canvas, j);
  DrawValues(canvas, slot.analysis, n);
  DrawBets(canvas, slot, n, s, pairKind);
  DrawShareChart(canvas, slot.analysis, n, s);
  return page;
}

AnalysisPrintout BuildAnalysisPrintout(const RaceDayModel& model, const std::vector<int>& rowSlots) {
  static const std::string kCaption = Sjis("Turfwise 分析結果印刷");
  AnalysisPrintout printout;
  printout.caption = kCaption;
  for (int slot : rowSlots) {
    if (slot < 0 || slot >= kMaxRaces) continue;
    printout.pageTitles.push_back(AnalysisPageTitle(model.slots[slot].race));
    printout.pages.push_back(BuildAnalysisPage(model, slot));
    printout.pageSlots.push_back(slot);
  }
  return printout;
}

}  // namespace tw
