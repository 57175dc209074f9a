#include "feedgen/feed_plan.h"

#include <algorithm>
#include <cmath>

#include "codes/pairs.h"
#include "feedgen/feed_names.h"
#include "feedgen/feed_random.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {

namespace {

DateTime DayOnly(const DateTime& t) { return {t.year, t.month, t.day, 0, 0, 0}; }
DateTime AddDays(const DateTime& t, int days) { return AddSeconds(t, 86400LL * days); }

struct RaceClass {
  const char* age;   // "３歳以上" …
  const char* name;  // "１勝クラス" …
  const char* short3;
  const char* type;  // race type code
  const char* cond;  // condition code
  long long prize;   // first prize, ¥100 units
};

const RaceClass kMaiden3{"３歳", "未勝利", "未勝利", "12", "703", 55000};
const RaceClass kMaiden2{"２歳", "未勝利", "未勝利", "11", "703", 55000};
const RaceClass kNewcomer2{"２歳", "新馬", "新馬", "11", "701", 70000};
const RaceClass kOne3{"３歳", "１勝クラス", "１勝", "12", "005", 80000};
const RaceClass kOneUp{"３歳以上", "１勝クラス", "１勝", "13", "005", 80000};
const RaceClass kTwoUp{"３歳以上", "２勝クラス", "２勝", "13", "010", 110000};
const RaceClass kThreeUp{"３歳以上", "３勝クラス", "３勝", "13", "016", 150000};
const RaceClass kOpenUp{"３歳以上", "オープン", "ＯＰ", "13", "999", 230000};

const RaceClass& ClassOf(int raceNumber, int month) {
  bool late = month >= 6;  // two-year-olds race from June on
  switch (raceNumber) {
    case 1:
    case 2:
    case 3:
      return month <= 8 ? kMaiden3 : kMaiden2;
    case 4:
      return late ? kNewcomer2 : kOne3;
    case 5:
    case 6:
    case 7:
      return kOneUp;
    case 8:
    case 9:
      return kTwoUp;
    case 10:
      return kThreeUp;
    case 11:
      return kOpenUp;
    default:
      return kTwoUp;
  }
}

// Whether the course's turns go left (Tokyo, Niigata, Chukyo).
bool TurnsLeft(const std::string& course) { return course == "04" || course == "05" || course == "07"; }

void NameRace(FeedRace& race, const RaceClass& cls, FeedRandom& rng) {
  const bool special = (race.raceNumber >= 9 && race.raceNumber <= 11) || (race.raceNumber == 12 && rng.Chance(0.5));
  if (!special) {
    race.name = Sjis(cls.age) + Sjis(cls.name);
    race.shortName10 = FirstChars(race.name, 10);
    race.shortName6 = FirstChars(Sjis(cls.name), 6);
    race.shortName3 = FirstChars(Sjis(cls.short3), 3);
    return;
  }
  struct Suffix {
    const char* full;
    const char* shortForm;
  };
  static const Suffix kSuffixes[] = {{"特別", "特別"}, {"ステークス", "Ｓ"}, {"賞", "賞"}, {"カップ", "Ｃ"}};
  const Suffix& sfx = race.raceNumber == 11 ? kSuffixes[rng.Int(1, 3)] : kSuffixes[0];
  std::string word = MakeSyllableWord(rng, 3, 7);
  std::string shortSfx = Sjis(sfx.shortForm);
  race.name = word + Sjis(sfx.full);
  race.shortName10 = FirstChars(race.name, 10);
  race.shortName6 = FirstChars(word, 6 - static_cast<int>(shortSfx.size() / 2)) + shortSfx;
  race.shortName3 = FirstChars(word, 3);
  race.grade = race.raceNumber == 11 ? (rng.Chance(0.3) ? 'C' : 'L') : 'E';
}

FeedRunner MakeRunner(FeedRandom& rng, const FeedRace& race, const RaceClass& cls, int number) {
  FeedRunner r;
  r.number = number;
  r.name = MakeHorseName(rng);
  const std::string age = cls.age;  // UTF-8
  const int minAge = age.rfind("２", 0) == 0 ? 2 : age.rfind("４", 0) == 0 ? 4 : 3;
  r.age = age.find("以上") != std::string::npos ? rng.Int(minAge, 6) : minAge;
  r.sex = rng.Chance(0.55) ? 1 : rng.Chance(0.85) ? 2 : 3;
  r.coat = rng.Int(1, 8);
  r.eastWest = rng.Int(1, 2);
  r.id = Format("%04d", race.day.year - r.age) + Format("%06d", rng.Int(100000, 109999));
  r.trainerCode = rng.Int(1000, 1999);
  r.trainer = MakePersonName(rng);
  r.ownerCode = rng.Int(100000, 999999);
  r.owner = MakeOwnerName(rng);
  r.silks = MakeSilks(rng);
  r.jockeyCode = rng.Int(1000, 1999);
  r.jockey = MakePersonName(rng);
  r.carried = (r.age == 2                         ? 550
               : r.age == 3 && cls.type[1] == '2' ? 560
                                                  : 580) -
              (r.sex == 2 ? 20 : 0) - (rng.Chance(0.15) ? 30 : 0);
  r.blinkers = rng.Chance(0.15);
  r.bodyWeight = rng.Int(420, 540);
  r.weightChange = 2 * rng.Int(-6, 6);
  r.strength = std::exp(0.9 * rng.Normal());
  return r;
}

}  // namespace

std::string FeedRace::Date() const { return Format("%04d%02d%02d", day.year, day.month, day.day); }
std::string FeedRace::RaceCode() const { return course + Format("%02d%02d%02d", meeting, dayNumber, raceNumber); }
std::string FeedRace::RaceKey() const { return Date() + RaceCode(); }
std::string FeedRace::AnnouncementText(size_t k) const {
  int m = announcements[k];
  return Format("%02d%02d%02d%02d", day.month, day.day, m / 60, m % 60);
}

std::vector<DateTime> FeedDays(const DateTime& date) {
  DateTime d = DayOnly(date);
  int dow = DayOfWeek(d);
  std::vector<DateTime> days{AddDays(d, -((dow - 6 + 7) % 7)), AddDays(d, -dow)};  // Saturday, Sunday
  if (dow != 0 && dow != 6) days.push_back(d);
  std::sort(days.begin(), days.end(),
            [](const DateTime& a, const DateTime& b) { return ToEpochSeconds(a) < ToEpochSeconds(b); });
  return days;
}

std::vector<DateTime> SeasonWeekendDays(const DateTime& date, int weeksBefore) {
  if (weeksBefore <= 0) return FeedDays(date);
  std::vector<DateTime> days = FeedDays(AddDays(DayOnly(date), -7 * weeksBefore));
  std::erase_if(days, [](const DateTime& d) { return DayOfWeek(d) != 0 && DayOfWeek(d) != 6; });
  return days;
}

uint64_t SeasonWeekendSeed(uint64_t seed, int weeksBefore) {
  if (weeksBefore <= 0) return seed;
  return FeedRandom(seed).Fork(0x5ea5011000000000ULL + static_cast<uint64_t>(weeksBefore)).Next();
}

FeedWeekend PlanWeekend(const DateTime& date, uint64_t seed, int courses, int racesPerCourse) {
  return PlanRaceDays(FeedDays(date), seed, courses, racesPerCourse);
}

FeedWeekend PlanRaceDays(const std::vector<DateTime>& days, uint64_t seed, int courses, int racesPerCourse) {
  FeedWeekend w;
  w.days = days;
  if (w.days.empty()) return w;
  racesPerCourse = std::clamp(racesPerCourse, 1, 12);
  const DateTime& first = w.days.front();
  FeedRandom weekRng = FeedRandom(seed).Fork(static_cast<uint64_t>(first.year) * 10000 + first.month * 100 + first.day);
  if (courses <= 0) courses = weekRng.Chance(0.5) ? 2 : 3;
  courses = std::min(courses, 3);
  std::vector<int> codes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  for (int i = 0; i < 10; ++i) std::swap(codes[static_cast<size_t>(i)], codes[static_cast<size_t>(weekRng.Int(i, 9))]);
  codes.resize(static_cast<size_t>(courses));
  std::sort(codes.begin(), codes.end());
  const int meeting = std::clamp(1 + (first.month - 1) / 3 + weekRng.Int(0, 1), 1, 5);
  const int firstDayNumber = 1 + 2 * weekRng.Int(0, 3);

  for (size_t d = 0; d < w.days.size(); ++d) {
    const DateTime& day = w.days[d];
    for (int c = 0; c < courses; ++c) {
      for (int r = 1; r <= racesPerCourse; ++r) {
        FeedRace race;
        race.day = day;
        race.course = Format("%02d", codes[static_cast<size_t>(c)]);
        race.meeting = meeting;
        race.dayNumber = firstDayNumber + static_cast<int>(d);
        race.raceNumber = r;
        // Each race draws from its own stream, seeded by its key (FNV-1a).
        uint64_t salt = 1469598103934665603ULL;
        for (char ch : race.RaceKey()) salt = (salt ^ static_cast<unsigned char>(ch)) * 1099511628211ULL;
        FeedRandom rng = FeedRandom(seed).Fork(salt);

        const RaceClass& cls = ClassOf(r, day.month);
        NameRace(race, cls, rng);
        race.typeCode = cls.type;
        race.conditionCode = cls.cond;
        race.firstPrize = cls.prize * (race.grade == 'C' ? 2 : 1);
        race.weightRule = r == 11 ? 2 : race.raceNumber >= 9 && rng.Chance(0.3) ? 1 : 3;
        race.turf = rng.Chance(0.55);
        static const int kTurf[] = {1200, 1400, 1600, 1800, 2000, 2200, 2400};
        static const int kDirt[] = {1150, 1200, 1400, 1700, 1800, 1900};
        race.distance = race.turf ? kTurf[rng.Int(0, 6)] : kDirt[rng.Int(0, 5)];
        race.trackCode = race.turf ? (TurnsLeft(race.course) ? "11" : "17") : (TurnsLeft(race.course) ? "23" : "24");
        race.postMinute = 9 * 60 + 55 + (r - 1) * 33 + (r >= 6 ? 15 : 0) + c * 5;

        int n = 8 + rng.Int(0, 10);
        if (rng.Chance(0.5)) n = std::max(n, rng.Int(14, 18));
        for (int h = 1; h <= n; ++h) race.runners.push_back(MakeRunner(rng, race, cls, h));
        for (FeedRunner& runner : race.runners) runner.bracket = BracketOfHorse(n, runner.number);
        double total = 0;
        for (const FeedRunner& runner : race.runners) total += runner.strength;
        double shareTotal = 0;
        for (FeedRunner& runner : race.runners) {
          runner.strength /= total;
          runner.finalShare = runner.strength * std::exp(0.25 * rng.Normal());
          shareTotal += runner.finalShare;
        }
        for (FeedRunner& runner : race.runners) runner.finalShare /= shareTotal;

        // Announcements from the opening of sales to the post time: every ten
        // minutes, every five in the last hour.
        for (int t = kSalesOpenMinute; t < race.postMinute;) {
          race.announcements.push_back(t);
          int step = race.postMinute - t > 60 ? 10 : 5;
          t += step + (step == 10 ? rng.Int(-2, 2) : rng.Int(-1, 0));
        }
        race.announcements.push_back(race.postMinute);

        // Scratches: before sales ("----") and on the day after sales began ("****").
        if (n >= 10 && rng.Chance(0.15))
          race.runners[static_cast<size_t>(rng.Int(0, n - 1))].scratch = RunnerState::kScratchedBeforeSales;
        if (n >= 10 && rng.Chance(0.10)) {
          FeedRunner& s = race.runners[static_cast<size_t>(rng.Int(0, n - 1))];
          if (s.scratch == RunnerState::kRunning) {
            s.scratch = RunnerState::kScratchedAfterSales;
            s.scratchMinute = rng.Int(kSalesOpenMinute + 30, std::max(kSalesOpenMinute + 30, race.postMinute - 15));
          }
        }

        // The public's view drifts: a random walk that ends at its final view.
        const size_t count = race.announcements.size();
        std::vector<std::vector<double>> walk(count, std::vector<double>(static_cast<size_t>(n) + 1, 0.0));
        for (size_t k = 1; k < count; ++k) {
          double minutes = race.announcements[k] - race.announcements[k - 1];
          for (int h = 1; h <= n; ++h) walk[k][h] = walk[k - 1][h] + 0.06 * std::sqrt(minutes / 10.0) * rng.Normal();
        }
        race.drift.assign(count, std::vector<double>(static_cast<size_t>(n) + 1, 0.0));
        for (size_t k = 0; k < count; ++k)
          for (int h = 1; h <= n; ++h) race.drift[k][h] = walk[k][h] - walk[count - 1][h];

        race.winPool = r == 11 ? rng.Int(300000, 700000) : r >= 9 ? rng.Int(150000, 260000) : rng.Int(60000, 150000);

        // Results: the finishing order drawn from the true strengths.
        std::vector<int> left;
        for (const FeedRunner& runner : race.runners)
          if (runner.scratch == RunnerState::kRunning) left.push_back(runner.number);
        while (!left.empty()) {
          double sum = 0;
          for (int h : left) sum += race.runners[static_cast<size_t>(h - 1)].strength;
          double x = rng.Real() * sum;
          size_t pick = left.size() - 1;
          for (size_t i = 0; i < left.size(); ++i) {
            x -= race.runners[static_cast<size_t>(left[i] - 1)].strength;
            if (x < 0) {
              pick = i;
              break;
            }
          }
          race.finish.push_back(left[pick]);
          left.erase(left.begin() + static_cast<long>(pick));
        }
        int tenths =
            static_cast<int>(std::lround(race.distance / (race.turf ? 16.6 : 15.8) * 10 * (1 + 0.01 * rng.Normal())));
        for (size_t i = 0; i < race.finish.size(); ++i) {
          if (i > 0) tenths += rng.Int(0, 5);
          race.finishTenths.push_back(tenths);
        }
        w.races.push_back(std::move(race));
      }
    }
  }
  return w;
}

MarketOdds AnnouncementOdds(const FeedRace& race, size_t k) {
  const int n = race.Runners();
  const int minute = race.announcements[k];
  MarketInput in;
  in.runners = n;
  in.share.assign(static_cast<size_t>(n) + 1, 0.0);
  in.state.assign(static_cast<size_t>(n) + 1, RunnerState::kRunning);
  in.bracket.assign(static_cast<size_t>(n) + 1, 0);
  for (const FeedRunner& r : race.runners) {
    in.bracket[r.number] = r.bracket;
    in.share[r.number] = r.finalShare * std::exp(race.drift[k][r.number]);
    if (r.scratch == RunnerState::kScratchedBeforeSales) in.state[r.number] = r.scratch;
    if (r.scratch == RunnerState::kScratchedAfterSales && minute >= r.scratchMinute) in.state[r.number] = r.scratch;
  }
  double x = std::clamp(
      static_cast<double>(minute - kSalesOpenMinute) / std::max(1, race.postMinute - kSalesOpenMinute), 0.0, 1.0);
  in.winPool = race.winPool * (0.04 + 0.96 * std::pow(x, 2.5));
  return ComputeMarket(in);
}

std::vector<double> FinalProbabilities(const FeedRace& race) {
  std::vector<double> p(static_cast<size_t>(race.Runners()) + 1, 0.0);
  double total = 0;
  for (const FeedRunner& r : race.runners)
    if (r.scratch == RunnerState::kRunning) total += r.finalShare;
  for (const FeedRunner& r : race.runners)
    if (r.scratch == RunnerState::kRunning) p[r.number] = r.finalShare / total;
  return p;
}

}  // namespace tw
