#include "reports/hit_lines.h"

#include <array>

#include "codes/courses.h"
#include "codes/numbers.h"
#include "records/odds_record.h"
#include "records/race_record.h"
#include "records/record_header.h"
#include "text/fields.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {
namespace {

const std::string kBlueFont = "<font color=\"blue\">";
const std::string kRedFont = "<font color=\"red\">";
const std::string kCheapIcon = "<img src=\"./image/lis2.gif\">";
const std::string kDearIcon = "<img src=\"./image/lis1.gif\">";

const std::string& QuinellaTitle() {
  static const std::string text = Sjis("R[馬連　]：　");
  return text;
}
const std::string& WideTitle() {
  static const std::string text = Sjis("R[ワイド]：　");
  return text;
}

// How one bet type is read from the payout record and reported.
struct BetType {
  PairPayout (*entryOf)(std::string_view payout, int e);  // entry e of the payout record
  long long (*yenOf)(std::string_view payout, int e);     // its payout alone
  int entries;                                            // 3 quinella, 7 wide
  long long blueBelow;                                    // payouts below this are blue with lis2
  long long longShotAbove;                                // "穴的中" writes only payouts above this
  const std::string* title;                               // "R[馬連　]：　" or "R[ワイド]：　"
};

const BetType& BetTypeOf(PaidBetType type) {
  static const BetType quinella{QuinellaPayout, QuinellaPayoutYen, kQuinellaPayoutEntries, 10000,
                                5000,           &QuinellaTitle()};
  static const BetType wide{WidePayout, WidePayoutYen, kWidePayoutEntries, 5000, 3000, &WideTitle()};
  return type == PaidBetType::kQuinella ? quinella : wide;
}

// "%2lld" of a number: written by hand for the usual one or two digits,
// since a season report reads the entries of every race of its days.
void AppendNumber(std::string& text, long long n) {
  if (n < 0 || n > 99) {
    text += Format("%2lld", n);
    return;
  }
  text += n < 10 ? ' ' : static_cast<char>('0' + n / 10);
  text += static_cast<char>('0' + n % 10);
}

PayoutEntry EntryOf(const PairPayout& paid) {
  PayoutEntry entry;
  if (paid.first > 0 && paid.second > 0) {
    AppendNumber(entry.label, paid.first);
    entry.label += '-';
    AppendNumber(entry.label, paid.second);
  }
  entry.yen = paid.yen;
  return entry;
}

// Format("/配当 %7d円", yen)
std::string PayoutText(long long yen) {
  static const std::string head = Sjis("/配当 ");
  static const std::string tail = Sjis("円");
  return head + Format("%7lld", yen) + tail;
}

void AddHitLine(const RaceSlot& slot, const PaidBet& paid, HitReportKind kind, HitLines& lines) {
  static const std::string kFullWidthSpace = Sjis("　");
  const BetType& type = BetTypeOf(paid.type);
  const std::string& race = slot.race;
  long long threshold = kind == HitReportKind::kAllHits ? 0 : type.longShotAbove;
  if (paid.yen <= threshold) return;
  bool cheap = paid.yen < type.blueBelow;
  const std::string& font = cheap ? kBlueFont : kRedFont;
  const std::string& icon = cheap ? kCheapIcon : kDearIcon;
  std::string hit = *type.title + paid.bet + PayoutText(paid.yen);
  // The short race name goes into the fragment as stored; only the two
  // characters that would break the markup are escaped.
  std::string name = kFullWidthSpace + EscapeHtmlMarkup(ShortRaceName(race));
  lines.report.push_back(icon + font + CourseName(CourseCode(race)) + PadNumber(RaceNumberText(race)) + hit + name +
                         "</font>" + "<br>");
  // yyyy mmdd course race, unformatted
  lines.cumulative.push_back(RaceYear(race) + RaceMonthDay(race) + CourseCode(race) + RaceNumberText(race) + hit);
}

}  // namespace

PayoutEntry QuinellaPayoutEntry(const std::string& payout, int e) { return EntryOf(QuinellaPayout(payout, e)); }

std::vector<std::string> BetGridLabels(const RaceSlot& slot) {
  // The grid lists the non-empty labels in order. It shows one "　" row for a
  // race without bets, and also when the race view's fetch count reads "１回"
  // (snapshot 1 present, snapshot 2 missing), whatever snapshot 3 holds.
  std::vector<std::string> rows;
  auto present = [&](int s) { return HoldsSnapshot(slot.winOdds[s]); };
  if (!(present(1) && !present(2))) {
    for (int r = 1; r <= kMaxRunners; ++r) {
      if (!slot.analysis.betLabels[r].empty()) rows.push_back(slot.analysis.betLabels[r]);
    }
  }
  if (rows.empty()) rows.push_back(Sjis("　"));
  return rows;
}

std::vector<std::string> BetGridBets(const RaceSlot& slot) {
  // The rows of BetGridLabels cut to their pair, without the "　" row of a
  // race without bets, made without the rows themselves: a season report
  // asks this of every race.
  static const std::string kNoBetRow = Sjis("　");
  std::vector<std::string> bets;
  bets.reserve(kMaxRunners);
  if (HoldsSnapshot(slot.winOdds[1]) && !HoldsSnapshot(slot.winOdds[2])) return bets;
  for (int r = 1; r <= kMaxRunners; ++r) {
    const std::string& label = slot.analysis.betLabels[r];
    if (!label.empty()) bets.push_back(label.substr(0, 5));
  }
  // A lone label that reads "　" is the grid's no-bet row.
  if (bets.size() == 1 && bets.front() == kNoBetRow) bets.clear();
  return bets;
}

std::vector<PaidBet> PaidBetsOf(const RaceSlot& slot, const std::vector<std::string>& bets, PaidBetType type) {
  const BetType& read = BetTypeOf(type);
  // A season report asks this of every race: only the entries that pay are
  // kept, each with its label as EntryOf makes it. Both numbers have two
  // digits at most, so a label is always five bytes, " 3-12".
  struct Paying {
    std::array<char, 5> label;
    int entry;
    long long yen;
  };
  std::array<Paying, kWidePayoutEntries> paying{};
  size_t count = 0;
  for (int e = 1; e <= read.entries && count < paying.size(); ++e) {
    if (read.yenOf(slot.payout, e) <= 0) continue;
    const PairPayout payout = read.entryOf(slot.payout, e);
    if (payout.yen <= 0 || payout.first <= 0 || payout.second <= 0) continue;
    Paying& p = paying[count++];
    auto twoDigits = [](char* at, long long n) {
      at[0] = n < 10 ? ' ' : static_cast<char>('0' + n / 10);
      at[1] = static_cast<char>('0' + n % 10);
    };
    twoDigits(&p.label[0], payout.first);
    p.label[2] = '-';
    twoDigits(&p.label[3], payout.second);
    p.entry = e;
    p.yen = payout.yen;
  }
  std::vector<PaidBet> paid;
  for (const std::string& bet : bets) {
    for (size_t k = 0; k < count; ++k) {
      if (bet == std::string_view(paying[k].label.data(), paying[k].label.size()))
        paid.push_back({bet, type, paying[k].entry, paying[k].yen});
    }
  }
  return paid;
}

std::vector<PaidBet> RaceHits(const RaceSlot& slot) {
  std::vector<PaidBet> hits;
  for (const std::string& bet : BetGridBets(slot)) {
    for (PaidBetType type : {PaidBetType::kQuinella, PaidBetType::kWide}) {
      std::vector<PaidBet> paid = PaidBetsOf(slot, {bet}, type);
      hits.insert(hits.end(), paid.begin(), paid.end());
    }
  }
  return hits;
}

const std::string& HitReportHeaderLine() {
  static const std::string text =
      Sjis("<pre><img src=\"./image/balist.gif\"><font color=\"black\">【Turfwise for JRA-VAN Data Lab.】</font><br>");
  return text;
}

const std::string& HitReportEndLine() {
  static const std::string text = "</pre>";
  return text;
}

const std::string& CumulativeListFirstLine() {
  static const std::string text = " Turfwise for JRA-VAN Data Lab.";
  return text;
}

std::string EscapeHtmlMarkup(const std::string& text) {
  // Neither byte can be the second byte of a Shift-JIS character (those are
  // 0x40 and above), so a byte-wise scan is safe.
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '<') {
      out += "&lt;";
    } else if (c == '&') {
      out += "&amp;";
    } else {
      out += c;
    }
  }
  return out;
}

void AddRaceHitLines(const RaceSlot& slot, HitReportKind kind, HitLines& lines) {
  for (const PaidBet& hit : RaceHits(slot)) AddHitLine(slot, hit, kind, lines);
}

}  // namespace tw
