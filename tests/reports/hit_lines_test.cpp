#include "reports/hit_lines.h"

#include <gtest/gtest.h>

#include "text/format.h"
#include "text/sjis.h"

namespace tw {
namespace {

void Put(std::string& text, int pos, const std::string& value) { text.replace(pos - 1, value.size(), value); }

// Race 11 of 2024/05/12 at Tokyo (05), short name 東京優駿日本.
RaceSlot TokyoRace11() {
  RaceSlot slot;
  Put(slot.race, 1,
      "RA000000000"
      "2024051205020611");
  Put(slot.race, 593, Sjis("東京優駿日本"));
  Put(slot.payout, 1,
      "HR000000000"
      "2024051205020611");
  return slot;
}

void SetBets(RaceSlot& slot, const std::vector<std::string>& labels) {
  for (size_t i = 0; i < labels.size(); ++i) slot.analysis.betLabels[i + 1] = labels[i];
}

void SetQuinella(RaceSlot& slot, int e, int a, int b, long long yen) {
  Put(slot.payout, 246 + 16 * (e - 1), Format("%02d%02d%09lld", a, b, yen));
}
void SetWide(RaceSlot& slot, int e, int a, int b, long long yen) {
  Put(slot.payout, 294 + 16 * (e - 1), Format("%02d%02d%09lld", a, b, yen));
}

HitLines Hits(const RaceSlot& slot, HitReportKind kind = HitReportKind::kAllHits) {
  HitLines lines;
  AddRaceHitLines(slot, kind, lines);
  return lines;
}

const std::string kBlue = "<img src=\"./image/lis2.gif\"><font color=\"blue\">";
const std::string kRed = "<img src=\"./image/lis1.gif\"><font color=\"red\">";

TEST(HitLines, WorkedExampleBytes) {
  RaceSlot slot = TokyoRace11();
  SetBets(slot, {" 3-12"});
  SetQuinella(slot, 1, 3, 12, 15230);
  HitLines lines = Hits(slot);
  ASSERT_EQ(lines.report.size(), 1u);
  EXPECT_EQ(lines.report[0], Sjis("<img src=\"./image/lis1.gif\"><font color=\"red\">東京11R[馬連　]：　 3-12/配当   "
                                  "15230円　東京優駿日本</font><br>"));
  ASSERT_EQ(lines.cumulative.size(), 1u);
  EXPECT_EQ(lines.cumulative[0], Sjis("202405120511R[馬連　]：　 3-12/配当   15230円"));
}

TEST(HitLines, FixedLinesAndOneDigitRace) {
  EXPECT_EQ(HitReportHeaderLine(), Sjis("<pre><img src=\"./image/balist.gif\"><font color=\"black\">【Turfwise for "
                                        "JRA-VAN Data Lab.】</font><br>"));
  EXPECT_EQ(HitReportEndLine(), "</pre>");
  EXPECT_EQ(CumulativeListFirstLine(), " Turfwise for JRA-VAN Data Lab.");

  RaceSlot slot = TokyoRace11();
  Put(slot.race, 26, "03");
  SetBets(slot, {" 1- 2"});
  SetWide(slot, 1, 1, 2, 250);
  HitLines lines = Hits(slot);
  ASSERT_EQ(lines.report.size(), 1u);
  EXPECT_EQ(lines.report[0], kBlue + Sjis("東京 3R[ワイド]：　 1- 2/配当     250円　東京優駿日本</font><br>"));
  EXPECT_EQ(lines.cumulative[0], Sjis("202405120503R[ワイド]：　 1- 2/配当     250円"));
}

TEST(HitLines, LongShotQuinellaThresholdAndColour) {
  RaceSlot slot = TokyoRace11();
  SetBets(slot, {" 1- 2"});
  SetQuinella(slot, 1, 1, 2, 5000);
  EXPECT_TRUE(Hits(slot, HitReportKind::kLongShots).report.empty());
  EXPECT_EQ(Hits(slot, HitReportKind::kAllHits).report.size(), 1u);

  SetQuinella(slot, 1, 1, 2, 5010);
  HitLines lines = Hits(slot, HitReportKind::kLongShots);
  ASSERT_EQ(lines.report.size(), 1u);
  EXPECT_EQ(lines.report[0].rfind(kBlue, 0), 0u);

  SetQuinella(slot, 1, 1, 2, 9990);
  EXPECT_EQ(Hits(slot).report[0].rfind(kBlue, 0), 0u);
  SetQuinella(slot, 1, 1, 2, 10000);
  EXPECT_EQ(Hits(slot).report[0].rfind(kRed, 0), 0u);
}

TEST(HitLines, WideThresholdAndColour) {
  RaceSlot slot = TokyoRace11();
  SetBets(slot, {" 4- 9"});
  SetWide(slot, 3, 4, 9, 4990);
  EXPECT_EQ(Hits(slot).report.at(0).rfind(kBlue, 0), 0u);
  SetWide(slot, 3, 4, 9, 5000);
  EXPECT_EQ(Hits(slot).report.at(0).rfind(kRed, 0), 0u);

  SetWide(slot, 3, 4, 9, 3000);
  EXPECT_TRUE(Hits(slot, HitReportKind::kLongShots).report.empty());
  SetWide(slot, 3, 4, 9, 3010);
  EXPECT_EQ(Hits(slot, HitReportKind::kLongShots).report.size(), 1u);
}

TEST(HitLines, QuinellaBeforeWideAndDeadHeatEntries) {
  RaceSlot slot = TokyoRace11();
  // Dead heat for second: two quinella pairs, both in the bet list.
  SetBets(slot, {" 2- 5", " 2- 7", " 5- 7"});
  SetQuinella(slot, 1, 2, 5, 1200);
  SetQuinella(slot, 2, 2, 7, 3400);
  SetWide(slot, 1, 2, 5, 400);
  SetWide(slot, 2, 2, 7, 900);
  SetWide(slot, 3, 5, 7, 1500);
  HitLines lines = Hits(slot);
  ASSERT_EQ(lines.cumulative.size(), 5u);
  const std::string q = Sjis("R[馬連　]："), w = Sjis("R[ワイド]：");
  auto is = [&](int i, const std::string& title, const std::string& bet) {
    return lines.cumulative[i].find(title) != std::string::npos && lines.cumulative[i].find(bet) != std::string::npos;
  };
  EXPECT_TRUE(is(0, q, " 2- 5"));
  EXPECT_TRUE(is(1, w, " 2- 5"));
  EXPECT_TRUE(is(2, q, " 2- 7"));
  EXPECT_TRUE(is(3, w, " 2- 7"));
  EXPECT_TRUE(is(4, w, " 5- 7"));
}

TEST(HitLines, BetGridRowsThatCannotHit) {
  RaceSlot slot = TokyoRace11();
  // No bets: the grid's single "　" row matches nothing, even an entry
  // whose horse numbers are missing.
  Put(slot.payout, 246, "0000000001000");
  EXPECT_EQ(BetGridLabels(slot), std::vector<std::string>{Sjis("　")});
  EXPECT_TRUE(Hits(slot).report.empty());
  EXPECT_TRUE(QuinellaPayoutEntry(slot.payout, 1).label.empty());

  // A bet that paid nothing (blank payout) is not a hit.
  SetBets(slot, {" 1- 2"});
  Put(slot.payout, 246, "0102         ");
  EXPECT_TRUE(Hits(slot).report.empty());

  // The race view hides the bets of a race whose second snapshot is
  // missing while the first is there (its fetch count reads "１回").
  SetQuinella(slot, 1, 1, 2, 700);
  EXPECT_EQ(Hits(slot).report.size(), 1u);
  Put(slot.winOdds[1], 12, "2024");
  EXPECT_TRUE(Hits(slot).report.empty());
  Put(slot.winOdds[3], 12, "2024");
  EXPECT_TRUE(Hits(slot).report.empty());
  Put(slot.winOdds[2], 12, "2024");
  EXPECT_EQ(Hits(slot).report.size(), 1u);

  // A race without a payout record.
  RaceSlot empty = TokyoRace11();
  empty.payout = std::string(kPayoutRecordLength, ' ');
  SetBets(empty, {" 1- 2"});
  EXPECT_TRUE(Hits(empty).report.empty());
}

TEST(HitLines, PaidBetsAreTheHitsOfTheReport) {
  RaceSlot slot = TokyoRace11();
  SetBets(slot, {" 2- 5", " 2- 7", " 1- 9"});
  SetQuinella(slot, 1, 2, 5, 1200);
  SetQuinella(slot, 2, 2, 7, 3400);
  SetWide(slot, 1, 2, 5, 400);
  SetWide(slot, 2, 5, 7, 900);
  SetWide(slot, 3, 2, 7, 0);  // an entry that pays nothing is no hit
  EXPECT_EQ(BetGridBets(slot), (std::vector<std::string>{" 2- 5", " 2- 7", " 1- 9"}));

  const std::vector<PaidBet> hits = RaceHits(slot);
  ASSERT_EQ(hits.size(), 3u);
  EXPECT_EQ(hits.size(), Hits(slot).cumulative.size());
  EXPECT_EQ(hits[0].bet, " 2- 5");
  EXPECT_EQ(hits[0].type, PaidBetType::kQuinella);
  EXPECT_EQ(hits[0].entry, 1);
  EXPECT_EQ(hits[1].type, PaidBetType::kWide);
  EXPECT_EQ(hits[1].yen, 400);
  EXPECT_EQ(hits[2].bet, " 2- 7");
  EXPECT_EQ(hits[2].entry, 2);
  EXPECT_EQ(hits[2].yen, 3400);

  // Any labels, such as popular pairs, checked against one bet type.
  const std::vector<PaidBet> wide = PaidBetsOf(slot, {" 5- 7", " 1- 2", " 2- 5"}, PaidBetType::kWide);
  ASSERT_EQ(wide.size(), 2u);
  EXPECT_EQ(wide[0].bet, " 5- 7");
  EXPECT_EQ(wide[0].entry, 2);
  EXPECT_EQ(wide[1].bet, " 2- 5");

  // The grid's "　" row is no bet.
  Put(slot.winOdds[1], 12, "2024");
  EXPECT_TRUE(BetGridBets(slot).empty());
  EXPECT_TRUE(RaceHits(slot).empty());
}

TEST(HitLines, RaceNameMarkupEscapedOnlyInTheFragment) {
  EXPECT_EQ(EscapeHtmlMarkup("a<b&c>\"d"), "a&lt;b&amp;c>\"d");
  std::string kanji = Sjis("東京優駿");
  EXPECT_EQ(EscapeHtmlMarkup(kanji), kanji);

  RaceSlot slot = TokyoRace11();
  Put(slot.race, 593, "A<B&C       ");
  SetBets(slot, {" 3-12"});
  SetQuinella(slot, 1, 3, 12, 800);
  HitLines lines = Hits(slot);
  ASSERT_EQ(lines.report.size(), 1u);
  EXPECT_NE(lines.report[0].find(Sjis("　") + "A&lt;B&amp;C       </font><br>"), std::string::npos);
  EXPECT_EQ(lines.cumulative[0].find('&'), std::string::npos);
}

}  // namespace
}  // namespace tw
