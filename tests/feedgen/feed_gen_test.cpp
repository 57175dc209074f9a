// The sample feed checked by reading its files back field by field, the way
// the program reads JV-Data, independently of the code that built it.
#include "feedgen/feed_gen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "base/settings.h"
#include "codes/pairs.h"
#include "feedgen/feed_plan.h"
#include "feedgen/feed_records.h"
#include "standin/standin_feed.h"
#include "standin/standin_jvlink.h"
#include "support/temp_dir.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDir;

const DateTime kTuesday{2024, 5, 14, 0, 0, 0};

FeedGenOptions SmallFeed(const std::string& out, uint64_t seed = 3, const std::string& ts = "") {
  FeedGenOptions o;
  o.outFolder = out;
  o.date = kTuesday;
  o.seed = seed;
  o.timeSeriesFolder = ts;
  o.courses = 1;
  o.racesPerCourse = 3;
  return o;
}

std::vector<fs::path> FilesUnder(const std::string& folder) {
  std::vector<fs::path> files;
  for (const auto& e : fs::recursive_directory_iterator(folder))
    if (e.is_regular_file()) files.push_back(e.path());
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<std::string> Records(const fs::path& file) { return ReadFeedRecords(file.string()); }

int Int(const std::string& rec, int pos, int width) { return static_cast<int>(FieldInt(rec, pos, width)); }

bool Digits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// True when the field is only full-width Shift-JIS characters (two bytes each).
bool FullWidth(const std::string& s) {
  if (s.size() % 2 != 0) return false;
  for (size_t i = 0; i < s.size(); i += 2)
    if (!IsSjisLeadByte(static_cast<unsigned char>(s[i]))) return false;
  return true;
}

// Win odds, bracket and quinella odds fields: digits, or the scratch marks.
bool OddsField(const std::string& f) {
  return Digits(f) || f == std::string(f.size(), '-') || f == std::string(f.size(), '*');
}

// One small feed, written once for the tests that read it.
class FeedGenTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    feedDir_ = new TempDir;
    tsDir_ = new TempDir;
    std::string error;
    generated_ = GenerateFeed(SmallFeed(feedDir_->str(), 3, tsDir_->str()), &summary_, &error);
  }
  static void TearDownTestSuite() {
    delete feedDir_;
    delete tsDir_;
  }
  void SetUp() override {
    ASSERT_TRUE(generated_);
    EXPECT_EQ(summary_.days, 3);  // Saturday, Sunday and the Tuesday itself
    EXPECT_EQ(summary_.races, 9);
  }
  static inline TempDir* feedDir_ = nullptr;
  static inline TempDir* tsDir_ = nullptr;
  static inline bool generated_ = false;
  static inline FeedGenSummary summary_;
  const TempDir& feed_ = *feedDir_;
  const TempDir& ts_ = *tsDir_;
};

TEST_F(FeedGenTest, EveryRecordHasItsLengthAndFixedFields) {
  const std::map<std::string, size_t> lengths{{"RA", 1272}, {"SE", 555}, {"HR", 719}, {"O1", 962}, {"O2", 2042}};
  const std::map<std::string, std::string> kinds{
      {"RA", "1234567"}, {"SE", "1234567"}, {"HR", "12"}, {"O1", "1"}, {"O2", "1"}};
  int seen = 0;
  for (const fs::path& file : FilesUnder(feed_.str())) {
    std::map<std::string, int> registered, runners;  // by race key
    for (const std::string& rec : Records(file)) {
      ++seen;
      const std::string type = rec.substr(0, 2);
      ASSERT_TRUE(lengths.count(type)) << file;
      ASSERT_EQ(rec.size(), lengths.at(type)) << type << " in " << file;
      EXPECT_EQ(rec.substr(rec.size() - 2), "\r\n");
      EXPECT_NE(kinds.at(type).find(rec[2]), std::string::npos) << type << " kind " << rec[2];
      EXPECT_TRUE(IsDateKey(Field(rec, 4, 8)));
      const std::string key = Field(rec, 12, 16);
      EXPECT_TRUE(IsRaceKey(key)) << key;
      EXPECT_GE(Int(rec, 20, 2), 1);
      EXPECT_LE(Int(rec, 20, 2), 10);
      EXPECT_GE(Int(rec, 26, 2), 1);
      EXPECT_LE(Int(rec, 26, 2), 12);
      if (type == "RA") {
        registered[key] = Int(rec, 882, 2);
        EXPECT_TRUE(FullWidth(Field(rec, 33, 60)));
        EXPECT_TRUE(FullWidth(Field(rec, 593, 12)));
        EXPECT_FALSE(IsBlank(Field(rec, 33, 60)));
        int post = Int(rec, 874, 4);
        EXPECT_GE(post, 940);
        EXPECT_LE(post, 1640);
        int n = Int(rec, 882, 2);
        EXPECT_GE(n, 8);
        EXPECT_LE(n, 18);
      } else if (type == "SE") {
        ++runners[key];
        EXPECT_TRUE(FullWidth(Field(rec, 41, 36)));
        EXPECT_TRUE(Digits(Field(rec, 31, 10)));
        if (rec[2] == '1') {
          EXPECT_EQ(Field(rec, 28, 3), "000");  // entries are not drawn yet
        } else {
          int n = registered.at(key), h = Int(rec, 29, 2);
          EXPECT_GE(h, 1);
          EXPECT_LE(h, n);
          EXPECT_EQ(Int(rec, 28, 1), BracketOfHorse(n, h)) << n << " runners, horse " << h;
        }
      } else if (type == "O1") {
        EXPECT_EQ(Field(rec, 28, 4), Field(rec, 16, 4));  // announced on the race day
        int n = Int(rec, 36, 2);
        for (int h = 1; h <= 28; ++h) {
          std::string odds = Field(rec, 46 + 8 * (h - 1), 4);
          if (h > n) {
            EXPECT_TRUE(IsBlank(Field(rec, 44 + 8 * (h - 1), 8)));
            continue;
          }
          EXPECT_EQ(Int(rec, 44 + 8 * (h - 1), 2), h);
          EXPECT_TRUE(OddsField(odds)) << odds;
          if (Digits(odds)) {
            EXPECT_GE(Int(rec, 46 + 8 * (h - 1), 4), 10);
          }
        }
        for (int j = 1; j <= kBracketPairs; ++j) {
          std::string f = Field(rec, 606 + 9 * (j - 1), 5);
          EXPECT_TRUE(IsBlank(f) || OddsField(f)) << f;
        }
      } else if (type == "O2") {
        int n = Int(rec, 36, 2);
        for (int i = 1; i <= 18; ++i)
          for (int j = i + 1; j <= 18; ++j) {
            std::string f = Field(rec, 45 + 13 * (QuinellaPairIndexOf(i, j) - 1), 6);
            if (j > n) {
              EXPECT_TRUE(IsBlank(f));
            } else {
              EXPECT_TRUE(OddsField(f)) << f;
              EXPECT_EQ(Field(rec, 41 + 13 * (QuinellaPairIndexOf(i, j) - 1), 4), Format("%02d%02d", i, j));
            }
          }
      }
    }
    for (const auto& [key, n] : runners) EXPECT_EQ(n, registered.at(key)) << key << " in " << file;
  }
  EXPECT_GT(seen, 500);
}

TEST_F(FeedGenTest, AnnouncementTimesIncreaseUpToThePostTime) {
  std::map<std::string, int> post;  // race key -> post time hhmm
  for (const FeedFile& f : ListStoredFiles(feed_.str()))
    for (const std::string& rec : ReadFeedRecords(f.path))
      if (rec.compare(0, 2, "RA") == 0) post[Field(rec, 12, 16)] = Int(rec, 874, 4);
  ASSERT_EQ(post.size(), 9u);
  for (const auto& [key, hhmm] : post) {
    std::vector<std::string> recs = Records(fs::path(feed_.str()) / "RT" / "0B30" / (key + ".jvd"));
    ASSERT_GE(recs.size(), 4u);
    long long last = 0;
    for (size_t i = 0; i + 1 < recs.size(); i += 2) {
      EXPECT_EQ(recs[i].substr(0, 2), "O1");
      EXPECT_EQ(recs[i + 1].substr(0, 2), "O2");
      EXPECT_EQ(Field(recs[i], 28, 8), Field(recs[i + 1], 28, 8));
      long long t = FieldInt(recs[i], 28, 8);
      EXPECT_GT(t, last);
      last = t;
    }
    EXPECT_GE(Int(recs.front(), 32, 4), 900);
    EXPECT_EQ(Int(recs.back(), 32, 4), hhmm);  // the last announcement is the close
  }
}

TEST_F(FeedGenTest, TimeSeriesFilesHoldTheSameAnnouncements) {
  int races = 0;
  for (const fs::path& stream : FilesUnder((fs::path(feed_.str()) / "RT" / "0B30").string())) {
    std::string key = stream.stem().string();
    std::vector<std::string> recs = Records(stream);
    auto o1 = LoadLines((fs::path(ts_.str()) / key.substr(0, 8) / (key.substr(8) + ".jvO1")).string());
    auto o2 = LoadLines((fs::path(ts_.str()) / key.substr(0, 8) / (key.substr(8) + ".jvO2")).string());
    ASSERT_TRUE(o1 && o2) << key;
    ASSERT_EQ(o1->size() + o2->size(), recs.size());
    for (size_t i = 0; i < o1->size(); ++i) {
      EXPECT_EQ((*o1)[i].size(), 960u);
      EXPECT_EQ((*o1)[i] + "\r\n", recs[2 * i]);
      EXPECT_EQ((*o2)[i].size(), 2040u);
      EXPECT_EQ((*o2)[i] + "\r\n", recs[2 * i + 1]);
    }
    ++races;
  }
  EXPECT_EQ(races, 9);
}

TEST_F(FeedGenTest, SameSeedGivesTheSameBytesAndAnotherSeedOthers) {
  TempDir again, other;
  ASSERT_TRUE(GenerateFeed(SmallFeed(again.str()), nullptr, nullptr));
  ASSERT_TRUE(GenerateFeed(SmallFeed(other.str(), 4), nullptr, nullptr));
  std::vector<fs::path> a = FilesUnder(feed_.str()), b = FilesUnder(again.str()), c = FilesUnder(other.str());
  ASSERT_EQ(a.size(), b.size());
  bool differs = false;
  for (size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(fs::relative(a[i], feed_.path()), fs::relative(b[i], again.path()));
    EXPECT_EQ(ReadBytes(a[i].string()), ReadBytes(b[i].string())) << a[i];
    if (i < c.size() && ReadBytes(a[i].string()) != ReadBytes(c[i].string())) differs = true;
  }
  EXPECT_TRUE(differs);
}

TEST_F(FeedGenTest, StandInServesTheFeedAsTimePasses) {
  TempDir app;
  ManualClock clock({2024, 5, 12, 12, 0, 0});  // Sunday noon
  StandInOptions o;
  o.appFolder = app.str();
  o.stepMillis = 0;
  StandInJVLink j(clock, o);
  Settings(JoinPath(app.str(), "turfwise.ini")).WriteString(setting::kStandInFeed, feed_.str());
  ASSERT_EQ(j.JVInit("UNKNOWN"), 0);
  JVOpenResult open = j.JVOpen("RACE", "20240501000000", 1);
  ASSERT_EQ(open.code, 0);
  // Saturday: entries, card, results; Sunday: entries, card; Tuesday: entries (Sunday 17:00) not yet.
  EXPECT_EQ(open.readCount, 5);
  int size = 60000, files = 1, races = 0;
  for (JVReadResult r = j.JVRead(size); r.code != 0; r = j.JVRead(size)) {
    ASSERT_NE(r.code, -3);
    if (r.code == -1) ++files;
    if (r.code > 0 && r.record.compare(0, 2, "RA") == 0) ++races;
  }
  EXPECT_EQ(files, 5);
  EXPECT_EQ(races, 3 * 5);
  j.JVClose();

  std::string sundayRace1;
  for (const fs::path& f : FilesUnder((fs::path(feed_.str()) / "RT" / "0B30").string()))
    if (f.stem().string().substr(0, 8) == "20240512" && f.stem().string().substr(14, 2) == "01")
      sundayRace1 = f.stem().string();
  ASSERT_FALSE(sundayRace1.empty());
  clock.Set({2024, 5, 12, 9, 30, 0});
  ASSERT_EQ(j.JVRTOpen("0B30", sundayRace1), 0);
  JVReadResult o1 = j.JVRead(size);
  EXPECT_LE(Int(o1.record, 32, 4), 930);
  EXPECT_GE(Int(o1.record, 32, 4), 920);
  j.JVClose();
  clock.Set({2024, 5, 12, 8, 0, 0});
  EXPECT_EQ(j.JVRTOpen("0B30", sundayRace1), -1);
  j.JVClose();
  EXPECT_EQ(j.JVRTOpen("0B12", "20240512"), -1);  // no results before the first race
  j.JVClose();
  clock.Set({2024, 5, 12, 23, 0, 0});
  ASSERT_EQ(j.JVRTOpen("0B12", "20240512"), 0);
  std::map<std::string, int> types;
  for (JVReadResult r = j.JVRead(size); r.code > 0; r = j.JVRead(size)) ++types[r.record.substr(0, 2)];
  EXPECT_EQ(types["RA"], 3);
  EXPECT_EQ(types["HR"], 3);
  j.JVClose();
}

// Over whole weekends, without writing files.

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

}  // namespace
}  // namespace tw
