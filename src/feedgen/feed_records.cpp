#include "feedgen/feed_records.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "codes/pairs.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {

namespace {

// A record body of fixed length, filled with half-width spaces, written field by field.
class RecordText {
 public:
  explicit RecordText(size_t totalLength) : text_(totalLength - 2, ' ') {}

  // Writes `value` at 1-based `pos`, cut to what fits: the length never changes.
  void Put(int pos, const std::string& value) {
    size_t at = static_cast<size_t>(pos - 1);
    if (at >= text_.size()) return;
    text_.replace(at, std::min(value.size(), text_.size() - at), value.substr(0, text_.size() - at));
  }
  // A zero-filled number of `width` digits.
  void Num(int pos, int width, long long value) { Put(pos, Format("%0*lld", width, std::max(0LL, value))); }
  // A kanji field: the Shift-JIS text padded with full-width spaces.
  void Kanji(int pos, int width, const std::string& sjis) {
    static const std::string kSpace = Sjis("　");
    std::string s = sjis.substr(0, static_cast<size_t>(width));
    while (static_cast<int>(s.size()) + 2 <= width) s += kSpace;
    if (static_cast<int>(s.size()) < width) s += ' ';
    Put(pos, s);
  }
  void Repeat(int pos, int count, const std::string& piece) {
    for (int i = 0; i < count; ++i) Put(pos + i * static_cast<int>(piece.size()), piece);
  }
  std::string Finish() const { return text_ + "\r\n"; }

 private:
  std::string text_;
};

void Prefix(RecordText& r, const char* type, char kind, const std::string& created, const FeedRace& race) {
  r.Put(1, type);
  r.Put(3, std::string(1, kind));
  r.Put(4, created);
  r.Put(12, race.RaceKey());
}

const FeedRunner& Runner(const FeedRace& race, int number) { return race.runners[static_cast<size_t>(number - 1)]; }

int Starters(const FeedRace& race) { return static_cast<int>(race.finish.size()); }

// Finishing position (1-based) of a horse; 0 for a scratched one.
int PlaceOf(const FeedRace& race, int number) {
  for (size_t i = 0; i < race.finish.size(); ++i)
    if (race.finish[i] == number) return static_cast<int>(i) + 1;
  return 0;
}

// m:ss.s as the four digits of JV-Data ("1345" is 1:34.5).
std::string TimeText(int tenths) { return Format("%01d%03d", tenths / 600 % 10, tenths % 600); }

std::string CancelMark(RunnerState s, int width) {
  return std::string(static_cast<size_t>(width), s == RunnerState::kScratchedAfterSales ? '*' : '-');
}

// The state of a horse at announcement k.
RunnerState StateAt(const FeedRace& race, const FeedRunner& r, size_t k) {
  if (r.scratch == RunnerState::kScratchedAfterSales && race.announcements[k] < r.scratchMinute)
    return RunnerState::kRunning;
  return r.scratch;
}

}  // namespace

std::string BuildRaceRecord(const FeedRace& race, char kind, const std::string& created, RaceStage stage) {
  RecordText r(kRaLength);
  Prefix(r, "RA", kind, created, race);
  int dow = DayOfWeek(race.day);
  r.Put(28, dow == 6 ? "1" : dow == 0 ? "2" : "3");
  r.Put(29, race.grade == 'C' || race.grade == 'L' ? Format("%04d", 1000 + race.raceNumber * 7) : "0000");
  r.Kanji(33, 60, race.name);
  r.Kanji(93, 60, "");
  r.Kanji(153, 60, "");
  r.Kanji(573, 20, race.shortName10);
  r.Kanji(593, 12, race.shortName6);
  r.Kanji(605, 6, race.shortName3);
  r.Put(611, "0");
  r.Put(612, "000");
  r.Put(615, std::string(1, race.grade));
  r.Put(616, std::string(1, race.grade));
  r.Put(617, race.typeCode);
  r.Put(619, "000");
  r.Put(622, std::to_string(race.weightRule));
  // Condition codes of the two-, three-, four-, five-year-olds and up, and the youngest.
  const bool twoYear = race.typeCode == "11", threeOnly = race.typeCode == "12";
  r.Put(623, twoYear ? race.conditionCode : "000");
  r.Put(626, twoYear ? "000" : race.conditionCode);
  r.Put(629, twoYear || threeOnly ? "000" : race.conditionCode);
  r.Put(632, twoYear || threeOnly ? "000" : race.conditionCode);
  r.Put(635, race.conditionCode);
  r.Kanji(638, 60, "");
  r.Num(698, 4, race.distance);
  r.Put(702, "0000");
  r.Put(706, race.trackCode);
  r.Put(708, "00");
  r.Put(710, race.turf ? "A " : "  ");
  r.Put(712, "  ");
  static const double kPrizeShare[] = {1.0, 0.4, 0.25, 0.15, 0.1, 0, 0};
  for (int i = 0; i < 7; ++i) r.Num(714 + 8 * i, 8, std::llround(race.firstPrize * kPrizeShare[i]));
  r.Repeat(770, 5, "00000000");
  r.Repeat(810, 5, "00000000");
  r.Repeat(850, 3, "00000000");
  r.Num(874, 4, (race.postMinute / 60) * 100 + race.postMinute % 60);
  r.Put(878, "0000");
  r.Num(882, 2, race.Runners());
  const bool results = stage == RaceStage::kResults;
  r.Num(884, 2, results ? Starters(race) : 0);
  r.Num(886, 2, results ? Starters(race) : 0);
  r.Put(888, results ? "1" : "0");
  r.Put(889, results && race.turf ? "1" : "0");
  r.Put(890, results && !race.turf ? "1" : "0");
  // Lap times of every 200 m, adding up to the winner's time.
  const int laps = (race.distance + 199) / 200;
  const int winner = race.finishTenths.empty() ? 0 : race.finishTenths.front();
  for (int i = 0; i < 25; ++i) {
    int lap = 0;
    if (results && i < laps) lap = winner / laps + (i == 0 ? winner % laps : 0);
    r.Num(891 + 3 * i, 3, lap);
  }
  r.Put(966, "0000");
  if (results) {
    int perFurlong = winner / std::max(1, laps);
    r.Num(970, 3, perFurlong * 3 + 5);
    r.Num(973, 3, perFurlong * 4 + 6);
    r.Num(976, 3, perFurlong * 3 - 4);
    r.Num(979, 3, perFurlong * 4 - 5);
  } else {
    r.Repeat(970, 4, "000");
  }
  for (int c = 0; c < 4; ++c) {
    int pos = 982 + 72 * c;
    if (!results) {
      r.Put(pos, "0");
      r.Put(pos + 1, "0");
      continue;
    }
    r.Num(pos, 1, c + 1);
    r.Put(pos + 1, "1");
    std::string order;
    for (size_t i = 0; i < race.finish.size(); ++i) {
      // Earlier corners show the field a little shuffled.
      size_t k = i;
      if (c < 3 && i + 1 < race.finish.size() && (i + static_cast<size_t>(c)) % 3 == 0)
        k = i + 1;
      else if (c < 3 && i > 0 && (i - 1 + static_cast<size_t>(c)) % 3 == 0)
        k = i - 1;
      if (!order.empty()) order += ',';
      order += std::to_string(race.finish[k]);
    }
    r.Put(pos + 2, order.substr(0, 70));
  }
  r.Put(1270, "0");
  return r.Finish();
}

std::string BuildRunnerRecord(const FeedRace& race, const FeedRunner& h, char kind, const std::string& created,
                              RaceStage stage, const MarketOdds& finalOdds) {
  RecordText r(kSeLength);
  Prefix(r, "SE", kind, created, race);
  const bool drawn = stage != RaceStage::kEntries;
  const bool results = stage == RaceStage::kResults;
  r.Num(28, 1, drawn ? h.bracket : 0);
  r.Num(29, 2, drawn ? h.number : 0);
  r.Put(31, h.id);
  r.Kanji(41, 36, h.name);
  r.Put(77, "00");
  r.Num(79, 1, h.sex);
  r.Put(80, "1");
  r.Num(81, 2, h.coat);
  r.Num(83, 2, h.age);
  r.Num(85, 1, h.eastWest);
  r.Num(86, 5, h.trainerCode);
  r.Kanji(91, 8, h.trainer);
  r.Num(99, 6, h.ownerCode);
  r.Kanji(105, 64, h.owner);
  r.Kanji(169, 60, h.silks);
  r.Num(289, 3, h.carried);
  r.Put(292, "000");
  r.Put(295, h.blinkers ? "1" : "0");
  r.Put(296, "0");
  r.Num(297, 5, h.jockeyCode);
  r.Put(302, "00000");
  r.Kanji(307, 8, h.jockey);
  r.Kanji(315, 8, "");
  r.Put(323, "0");
  r.Put(324, "0");
  if (results && h.scratch == RunnerState::kRunning) {
    r.Num(325, 3, h.bodyWeight);
    r.Put(328, h.weightChange > 0 ? "+" : h.weightChange < 0 ? "-" : " ");
    r.Num(329, 3, std::abs(h.weightChange));
  } else {
    r.Put(325, "000 000");
  }
  const int place = PlaceOf(race, h.number);
  r.Put(332, !results || h.scratch == RunnerState::kRunning    ? "0"
             : h.scratch == RunnerState::kScratchedBeforeSales ? "1"
                                                               : "2");
  r.Num(333, 2, results ? place : 0);
  r.Num(335, 2, results ? place : 0);
  r.Put(337, "00");
  r.Put(339, results && place > 0 ? TimeText(race.finishTenths[static_cast<size_t>(place - 1)]) : "0000");
  r.Put(343, "         ");
  for (int c = 0; c < 4; ++c)
    r.Num(352 + 2 * c, 2, results && place > 0 ? std::max(1, place + (c < 2 ? (h.number % 3) - 1 : 0)) : 0);
  r.Num(360, 4, results ? finalOdds.win[h.number] : 0);
  r.Num(364, 2, results ? finalOdds.winPop[h.number] : 0);
  static const double kPrizeShare[] = {1.0, 0.4, 0.25, 0.15, 0.1};
  r.Num(366, 8, results && place >= 1 && place <= 5 ? std::llround(race.firstPrize * kPrizeShare[place - 1]) : 0);
  r.Put(374, "00000000");
  r.Put(382, "000000");
  const int winnerTime = race.finishTenths.empty() ? 0 : race.finishTenths.front();
  r.Num(388, 3, results && place > 0 ? 480 + place : 0);
  r.Num(391, 3, results && place > 0 ? 340 + place * 2 + h.number % 4 : 0);
  if (results && place > 0 && race.finish.size() >= 2) {
    // The winner's record names the runner-up, every other record the winner.
    const FeedRunner& other = Runner(race, place == 1 ? race.finish[1] : race.finish[0]);
    r.Put(394, other.id);
    r.Kanji(404, 36, other.name);
    for (int i = 1; i < 3; ++i) {
      r.Put(394 + 46 * i, "0000000000");
      r.Kanji(404 + 46 * i, 36, "");
    }
    int diff =
        place == 1 ? race.finishTenths[1] - winnerTime : race.finishTenths[static_cast<size_t>(place - 1)] - winnerTime;
    std::string diffText = Format("%03d", std::min(diff, 999));
    r.Put(532, std::string(place == 1 ? "-" : "+").append(diffText));
  } else {
    for (int i = 0; i < 3; ++i) {
      r.Put(394 + 46 * i, "0000000000");
      r.Kanji(404 + 46 * i, 36, "");
    }
    r.Put(532, "0000");
  }
  r.Put(536, "000000000000000000");
  return r.Finish();
}

namespace {

// Rank (1 = most likely) of `value` among `all` probabilities.
int RankOf(const std::vector<double>& all, double value) {
  int rank = 1;
  for (double v : all)
    if (v > value * (1 + 1e-12)) ++rank;
  return rank;
}

long long PayoutYen(int tenths) { return std::max(100LL, static_cast<long long>(tenths) * 10); }

}  // namespace

std::string BuildPayoutRecord(const FeedRace& race, char kind, const std::string& created, const MarketOdds& m) {
  RecordText r(kHrLength);
  Prefix(r, "HR", kind, created, race);
  const int n = race.Runners();
  r.Num(28, 2, n);
  r.Num(30, 2, Starters(race));
  bool refunds = Starters(race) < n;
  r.Put(32, "000000000");
  r.Put(41, "000000000");
  r.Put(50, refunds ? "111111111" : "000000000");
  for (int h = 1; h <= 28; ++h)
    r.Put(59 + h - 1, h <= n && Runner(race, h).scratch != RunnerState::kRunning ? "1" : "0");
  r.Put(87, "00000000");
  r.Put(95, "00000000");
  const std::vector<int>& f = race.finish;
  if (f.size() < 3) return r.Finish();
  const int first = f[0], second = f[1], third = f[2];

  // Win and place: the final odds of the announcement at the close.
  r.Num(103, 2, first);
  r.Num(105, 9, PayoutYen(m.win[first]));
  r.Num(114, 2, m.winPop[first]);
  for (int k = 0; k < m.placesPaid; ++k) {
    int h = f[static_cast<size_t>(k)];
    std::vector<int> others;
    for (int o = 0; o < m.placesPaid; ++o)
      if (o != k) others.push_back(f[static_cast<size_t>(o)]);
    r.Num(142 + 13 * k, 2, h);
    r.Num(144 + 13 * k, 9, PayoutYen(PlacePayoutTenths(m, h, others)));
    r.Num(153 + 13 * k, 2, m.placePop[h]);
  }
  // Bracket quinella; "00" when the pool was not sold.
  if (m.bracketSold) {
    int a = std::min(Runner(race, first).bracket, Runner(race, second).bracket);
    int b = std::max(Runner(race, first).bracket, Runner(race, second).bracket);
    int j = BracketPairIndexOf(a, b);
    r.Put(207, Format("%d%d", a, b));
    r.Num(209, 9, PayoutYen(m.bracketOdds[j]));
    r.Num(218, 2, m.bracketPop[j]);
  } else {
    r.Put(207, "0000000000000");
  }
  // Quinella.
  {
    int i = std::min(first, second), j = std::max(first, second);
    int q = QuinellaPairIndexOf(i, j);
    r.Put(246, Format("%02d%02d", i, j));
    r.Num(250, 9, PayoutYen(m.quinella[q]));
    r.Num(259, 3, m.quinellaPop[q]);
  }

  // The bets not in the odds records: from the public's final probabilities.
  const std::vector<double> p = FinalProbabilities(race);
  std::vector<int> starters;
  for (int h = 1; h <= n; ++h)
    if (p[h] > 0) starters.push_back(h);
  // Wide: the three pairs of the first three.
  std::vector<double> widePs;
  for (size_t x = 0; x < starters.size(); ++x)
    for (size_t y = x + 1; y < starters.size(); ++y) widePs.push_back(WideProbability(p, starters[x], starters[y]));
  std::vector<std::pair<int, int>> pairs{{first, second}, {first, third}, {second, third}};
  for (auto& pr : pairs)
    if (pr.first > pr.second) std::swap(pr.first, pr.second);
  std::sort(pairs.begin(), pairs.end());
  for (int k = 0; k < 3; ++k) {
    auto [a, b] = pairs[static_cast<size_t>(k)];
    double w = WideProbability(p, a, b);
    r.Put(294 + 16 * k, Format("%02d%02d", a, b));
    r.Num(298 + 16 * k, 9, PayoutYen(OddsTenths(0.775, w, 9999999)));
    r.Num(307 + 16 * k, 3, RankOf(widePs, w));
  }
  // Exacta.
  {
    std::vector<double> all;
    for (int a : starters)
      for (int b : starters)
        if (a != b) all.push_back(ExactaProbability(p, a, b));
    double e = ExactaProbability(p, first, second);
    r.Put(454, Format("%02d%02d", first, second));
    r.Num(458, 9, PayoutYen(OddsTenths(0.75, e, 99999999)));
    r.Num(467, 3, std::min(999, RankOf(all, e)));
  }
  // Trio and trifecta.
  {
    std::vector<double> trio, trifecta;
    auto trioP = [&](int a, int b, int c) {
      return TrifectaProbability(p, a, b, c) + TrifectaProbability(p, a, c, b) + TrifectaProbability(p, b, a, c) +
             TrifectaProbability(p, b, c, a) + TrifectaProbability(p, c, a, b) + TrifectaProbability(p, c, b, a);
    };
    for (size_t x = 0; x < starters.size(); ++x)
      for (size_t y = x + 1; y < starters.size(); ++y)
        for (size_t z = y + 1; z < starters.size(); ++z) trio.push_back(trioP(starters[x], starters[y], starters[z]));
    for (int a : starters)
      for (int b : starters)
        for (int c : starters)
          if (a != b && a != c && b != c) trifecta.push_back(TrifectaProbability(p, a, b, c));
    int s[3] = {first, second, third};
    std::sort(std::begin(s), std::end(s));
    double t = trioP(first, second, third);
    r.Put(550, Format("%02d%02d%02d", s[0], s[1], s[2]));
    r.Num(556, 9, PayoutYen(OddsTenths(0.75, t, 99999999)));
    r.Num(565, 3, std::min(999, RankOf(trio, t)));
    double tf = TrifectaProbability(p, first, second, third);
    r.Put(604, Format("%02d%02d%02d", first, second, third));
    r.Num(610, 9, PayoutYen(OddsTenths(0.725, tf, 99999999)));
    r.Num(619, 4, std::min(9999, RankOf(trifecta, tf)));
  }
  return r.Finish();
}

std::string BuildWinOddsRecord(const FeedRace& race, size_t k, const MarketOdds& m) {
  RecordText r(kO1Length);
  Prefix(r, "O1", '1', race.Date(), race);
  r.Put(28, race.AnnouncementText(k));
  const int n = race.Runners();
  r.Num(36, 2, n);
  r.Num(38, 2, m.starters);
  r.Put(40, "77");
  r.Put(42, m.bracketSold ? "7" : "0");
  r.Num(43, 1, m.placesPaid);
  for (int h = 1; h <= n; ++h) {
    const RunnerState s = StateAt(race, Runner(race, h), k);
    const int win = 44 + 8 * (h - 1), place = 268 + 12 * (h - 1);
    r.Num(win, 2, h);
    r.Num(place, 2, h);
    if (s != RunnerState::kRunning) {
      r.Put(win + 2, CancelMark(s, 6));
      r.Put(place + 2, CancelMark(s, 10));
      continue;
    }
    r.Num(win + 2, 4, m.win[h]);
    r.Num(win + 6, 2, m.winPop[h]);
    r.Num(place + 2, 4, m.placeLow[h]);
    r.Num(place + 6, 4, m.placeHigh[h]);
    r.Num(place + 10, 2, m.placePop[h]);
  }
  if (m.bracketSold) {
    for (int a = 1; a <= 8; ++a)
      for (int b = a; b <= 8; ++b) {
        const int j = BracketPairIndexOf(a, b);
        if (!m.bracketExists[j]) continue;  // a pair that cannot occur stays blank
        const int pos = 604 + 9 * (j - 1);
        r.Put(pos, Format("%d%d", a, b));
        if (m.bracketOpen[j]) {
          r.Num(pos + 2, 5, m.bracketOdds[j]);
          r.Num(pos + 7, 2, m.bracketPop[j]);
          continue;
        }
        // Closed by scratches: asterisks when one of them came after sales began.
        RunnerState mark = RunnerState::kScratchedBeforeSales;
        for (const FeedRunner& h : race.runners)
          if ((h.bracket == a || h.bracket == b) && StateAt(race, h, k) == RunnerState::kScratchedAfterSales)
            mark = RunnerState::kScratchedAfterSales;
        r.Put(pos + 2, CancelMark(mark, 7));
      }
  }
  r.Num(928, 11, m.winVotes);
  r.Num(939, 11, m.placesPaid > 0 ? m.placeVotes : 0);
  r.Num(950, 11, m.bracketSold ? m.bracketVotes : 0);
  return r.Finish();
}

std::string BuildQuinellaOddsRecord(const FeedRace& race, size_t k, const MarketOdds& m) {
  RecordText r(kO2Length);
  Prefix(r, "O2", '1', race.Date(), race);
  r.Put(28, race.AnnouncementText(k));
  const int n = race.Runners();
  r.Num(36, 2, n);
  r.Num(38, 2, m.starters);
  r.Put(40, "7");
  for (int i = 1; i <= n; ++i)
    for (int j = i + 1; j <= n; ++j) {
      const int q = QuinellaPairIndexOf(i, j);
      const int pos = 41 + 13 * (q - 1);
      r.Put(pos, Format("%02d%02d", i, j));
      RunnerState si = StateAt(race, Runner(race, i), k), sj = StateAt(race, Runner(race, j), k);
      if (si != RunnerState::kRunning || sj != RunnerState::kRunning) {
        bool after = si == RunnerState::kScratchedAfterSales || sj == RunnerState::kScratchedAfterSales;
        r.Put(pos + 4, CancelMark(after ? RunnerState::kScratchedAfterSales : RunnerState::kScratchedBeforeSales, 9));
        continue;
      }
      r.Num(pos + 4, 6, m.quinella[q]);
      r.Num(pos + 10, 3, m.quinellaPop[q]);
    }
  r.Num(2030, 11, m.quinellaVotes);
  return r.Finish();
}

}  // namespace tw
