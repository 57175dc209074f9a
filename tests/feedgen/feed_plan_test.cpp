// The plan of the sample feed over whole weekends and seasons, checked
// through the records built from it, without writing files.
#include "feedgen/feed_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "codes/pairs.h"
#include "feedgen/feed_records.h"
#include "text/fields.h"
#include "text/format.h"

namespace tw {
namespace {

int Int(const std::string& rec, int pos, int width) { return static_cast<int>(FieldInt(rec, pos, width)); }

bool Digits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string DateText(const DateTime& t) { return FormatCompact(t).substr(0, 8); }

TEST(FeedPlan, DaysOfTheFeed) {
  auto days = [](DateTime d) {
    std::vector<std::string> out;
    for (const DateTime& t : FeedDays(d)) out.push_back(FormatCompact(t).substr(0, 8));
    return out;
  };
  EXPECT_EQ(days({2024, 5, 14, 0, 0, 0}), (std::vector<std::string>{"20240511", "20240512", "20240514"}));
  EXPECT_EQ(days({2024, 5, 12, 0, 0, 0}), (std::vector<std::string>{"20240511", "20240512"}));
  EXPECT_EQ(days({2024, 5, 11, 0, 0, 0}), (std::vector<std::string>{"20240505", "20240511"}));
}

TEST(FeedPlan, RacesBracketsAndScratchesAcrossSeeds) {
  int before = 0, after = 0, small = 0;
  std::set<size_t> courseCounts;
  for (uint64_t seed = 1; seed <= 4; ++seed) {
    FeedWeekend w = PlanWeekend({2024, 5, 12, 0, 0, 0}, seed);
    std::set<std::string> courses;
    for (const FeedRace& race : w.races) {
      courses.insert(race.course);
      const int n = race.Runners();
      ASSERT_GE(n, 8);
      ASSERT_LE(n, 18);
      if (n <= 8) ++small;
      for (const FeedRunner& h : race.runners) {
        EXPECT_EQ(h.bracket, BracketOfHorse(n, h.number));
        before += h.scratch == RunnerState::kScratchedBeforeSales;
        after += h.scratch == RunnerState::kScratchedAfterSales;
      }
      EXPECT_GE(race.postMinute, 9 * 60 + 50);
      EXPECT_LE(race.postMinute, 16 * 60 + 30);
      EXPECT_EQ(race.announcements.front(), kSalesOpenMinute);
      EXPECT_EQ(race.announcements.back(), race.postMinute);
      for (size_t k = 1; k < race.announcements.size(); ++k)
        EXPECT_GT(race.announcements[k], race.announcements[k - 1]);
    }
    EXPECT_EQ(w.races.size(), courses.size() * 12 * w.days.size());
    courseCounts.insert(courses.size());
  }
  EXPECT_GT(before, 0);
  EXPECT_GT(after, 0);
  EXPECT_TRUE(courseCounts.count(2) || courseCounts.count(3));
}

TEST(FeedPlan, PayoutsAgreeWithTheFinalOdds) {
  int checked = 0, bracketChecked = 0;
  for (uint64_t seed = 1; seed <= 2; ++seed) {
    FeedWeekend w = PlanWeekend({2024, 5, 12, 0, 0, 0}, seed);
    for (const FeedRace& race : w.races) {
      const size_t last = race.announcements.size() - 1;
      const MarketOdds m = FinalOdds(race);
      const std::string o1 = BuildWinOddsRecord(race, last, m), o2 = BuildQuinellaOddsRecord(race, last, m);
      const std::string hr = BuildPayoutRecord(race, '1', race.Date(), m);
      ASSERT_EQ(hr.size(), kHrLength);
      EXPECT_EQ(Field(hr, 12, 16), Field(o1, 12, 16));
      EXPECT_EQ(Int(hr, 30, 2), Int(o1, 38, 2));  // starters
      // Win: the winner's final odds × 100 yen, and its popularity.
      const int winner = Int(hr, 103, 2);
      ASSERT_GE(winner, 1);
      EXPECT_TRUE(Digits(Field(o1, 46 + 8 * (winner - 1), 4))) << "the winner was scratched";
      EXPECT_EQ(FieldInt(hr, 105, 9), 10 * FieldInt(o1, 46 + 8 * (winner - 1), 4));
      EXPECT_EQ(Int(hr, 114, 2), Int(o1, 50 + 8 * (winner - 1), 2));
      // Place: within the final range, for the first three.
      for (int k = 0; k < 3; ++k) {
        int h = Int(hr, 142 + 13 * k, 2);
        ASSERT_GE(h, 1);
        long long pay = FieldInt(hr, 144 + 13 * k, 9);
        EXPECT_GE(pay, 10 * FieldInt(o1, 270 + 12 * (h - 1), 4));
        EXPECT_LE(pay, 10 * FieldInt(o1, 274 + 12 * (h - 1), 4));
      }
      EXPECT_TRUE(IsBlank(Field(hr, 142 + 13 * 3, 26)));
      // Quinella: the pair's final odds.
      int a = Int(hr, 246, 2), b = Int(hr, 248, 2);
      ASSERT_LT(a, b);
      EXPECT_TRUE(a == winner || b == winner);
      int q = QuinellaPairIndexOf(a, b);
      EXPECT_EQ(FieldInt(hr, 250, 9), 10 * FieldInt(o2, 45 + 13 * (q - 1), 6));
      EXPECT_EQ(Int(hr, 259, 3), Int(o2, 51 + 13 * (q - 1), 3));
      // Bracket quinella, when sold: the brackets of the first two.
      if (race.Runners() >= 9) {
        int ba = Int(hr, 207, 1), bb = Int(hr, 208, 1);
        EXPECT_EQ(std::min(BracketOfHorse(race.Runners(), a), BracketOfHorse(race.Runners(), b)), ba);
        EXPECT_EQ(std::max(BracketOfHorse(race.Runners(), a), BracketOfHorse(race.Runners(), b)), bb);
        EXPECT_EQ(FieldInt(hr, 209, 9), 10 * FieldInt(o1, 606 + 9 * (BracketPairIndexOf(ba, bb) - 1), 5));
        ++bracketChecked;
      } else {
        EXPECT_EQ(Field(hr, 207, 2), "00");
        EXPECT_EQ(o1[41], '0');
      }
      // Wide: the three pairs of the first three, each paying at least 100 yen.
      std::set<int> top{winner, a == winner ? b : a, Int(hr, 142 + 26, 2)};
      EXPECT_EQ(top.size(), 3u);
      for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(top.count(Int(hr, 294 + 16 * k, 2)) && top.count(Int(hr, 296 + 16 * k, 2)));
        EXPECT_GE(FieldInt(hr, 298 + 16 * k, 9), 100);
      }
      // The runner records of the results agree.
      const FeedRunner& w1 = race.runners[static_cast<size_t>(winner - 1)];
      std::string se = BuildRunnerRecord(race, w1, '5', race.Date(), RaceStage::kResults, m);
      EXPECT_EQ(Int(se, 335, 2), 1);
      EXPECT_EQ(Field(se, 360, 4), Field(o1, 46 + 8 * (winner - 1), 4));
      ++checked;
    }
  }
  EXPECT_GT(checked, 100);
  EXPECT_GT(bracketChecked, 50);
}

TEST(FeedPlan, ScratchesShowAsDashesOrAsterisks) {
  bool sawBefore = false, sawAfter = false;
  for (uint64_t seed = 1; seed <= 4 && !(sawBefore && sawAfter); ++seed) {
    for (const FeedRace& race : PlanWeekend({2024, 5, 12, 0, 0, 0}, seed).races) {
      for (const FeedRunner& h : race.runners) {
        if (h.scratch == RunnerState::kRunning) continue;
        const int pos = 46 + 8 * (h.number - 1);
        const size_t last = race.announcements.size() - 1;
        std::string final = BuildWinOddsRecord(race, last, FinalOdds(race));
        if (h.scratch == RunnerState::kScratchedBeforeSales) {
          std::string first = BuildWinOddsRecord(race, 0, AnnouncementOdds(race, 0));
          EXPECT_EQ(Field(first, pos, 6), "------");
          EXPECT_EQ(Field(final, pos, 6), "------");
          sawBefore = true;
        } else {
          std::string first = BuildWinOddsRecord(race, 0, AnnouncementOdds(race, 0));
          EXPECT_TRUE(Digits(Field(first, pos, 4)));
          EXPECT_EQ(Field(final, pos, 6), "******");
          int other = h.number == 1 ? 2 : 1;
          std::string q = BuildQuinellaOddsRecord(race, last, FinalOdds(race));
          int j = QuinellaPairIndexOf(std::min(other, h.number), std::max(other, h.number));
          EXPECT_EQ(Field(q, 45 + 13 * (j - 1), 6), "******");
          sawAfter = true;
        }
      }
    }
  }
  EXPECT_TRUE(sawBefore);
  EXPECT_TRUE(sawAfter);
}

TEST(FeedPlan, OddsFollowTheTakeOut) {
  // The win pool pays out 80 %: the inverse odds add up to 1 / 0.8, a little
  // more as each price is rounded down to 0.1; the quinella to 1 / 0.775.
  FeedWeekend w = PlanWeekend({2024, 5, 12, 0, 0, 0}, 9, 1, 4);
  for (const FeedRace& race : w.races) {
    MarketOdds m = FinalOdds(race);
    double inverse = 0;
    for (int h = 1; h <= race.Runners(); ++h)
      if (m.win[h] > 0) inverse += 10.0 / m.win[h];
    EXPECT_GT(inverse, 1 / 0.8);
    EXPECT_LT(inverse, 1 / 0.8 * 1.06);
    double q = 0;
    for (int k = 1; k <= kQuinellaPairs; ++k)
      if (m.quinella[k] > 0) q += 10.0 / m.quinella[k];
    EXPECT_GT(q, 1 / 0.775);
    EXPECT_LT(q, 1 / 0.775 * 1.15);
  }
}

TEST(FeedPlan, SeasonWeekendsLieAWeekApartAndOnlyTheLastHasTheDateItself) {
  auto days = [](DateTime d, int before) {
    std::vector<std::string> out;
    for (const DateTime& t : SeasonWeekendDays(d, before)) out.push_back(DateText(t));
    return out;
  };
  const DateTime tuesday{2024, 5, 14, 0, 0, 0}, saturday{2024, 5, 11, 0, 0, 0};
  EXPECT_EQ(days(tuesday, 0), (std::vector<std::string>{"20240511", "20240512", "20240514"}));
  EXPECT_EQ(days(tuesday, 1), (std::vector<std::string>{"20240504", "20240505"}));
  EXPECT_EQ(days(tuesday, 3), (std::vector<std::string>{"20240420", "20240421"}));
  // Over a month's and a year's end.
  EXPECT_EQ(days({2024, 1, 7, 0, 0, 0}, 1), (std::vector<std::string>{"20231230", "20231231"}));
  // A Saturday's weekend is the Sunday before it and the day itself.
  EXPECT_EQ(days(saturday, 0), (std::vector<std::string>{"20240505", "20240511"}));
  EXPECT_EQ(days(saturday, 1), (std::vector<std::string>{"20240428", "20240504"}));

  // No day belongs to two weekends, over a long season.
  std::set<std::string> seen;
  for (int before = 0; before < 60; ++before)
    for (const std::string& d : days(tuesday, before)) EXPECT_TRUE(seen.insert(d).second) << d;
}

TEST(FeedPlan, EveryWeekendOfASeasonHasASeedOfItsOwn) {
  EXPECT_EQ(SeasonWeekendSeed(7, 0), 7u);
  std::set<uint64_t> seeds;
  for (uint64_t seed : {0ULL, 7ULL, 8ULL})
    for (int before = 0; before < 520; ++before) seeds.insert(SeasonWeekendSeed(seed, before));
  EXPECT_EQ(seeds.size(), 3u * 520u);
}

TEST(FeedPlan, WeekendsOfASeasonHaveTheirOwnRaces) {
  // Horse names of two neighbouring weekends barely overlap.
  const DateTime sunday{2024, 5, 12, 0, 0, 0};
  std::set<std::string> names[2];
  for (int before = 0; before < 2; ++before) {
    FeedWeekend w = PlanRaceDays(SeasonWeekendDays(sunday, before), SeasonWeekendSeed(5, before), 2, 12);
    ASSERT_EQ(w.races.size(), 2u * 12u * 2u);
    for (const FeedRace& race : w.races) {
      EXPECT_EQ(race.Date(), DateText(race.day));
      for (const FeedRunner& h : race.runners) names[before].insert(h.name);
    }
  }
  std::vector<std::string> both;
  std::set_intersection(names[0].begin(), names[0].end(), names[1].begin(), names[1].end(), std::back_inserter(both));
  EXPECT_GT(names[0].size(), 500u);
  EXPECT_LT(both.size(), names[0].size() / 10);
}
}  // namespace
}  // namespace tw
