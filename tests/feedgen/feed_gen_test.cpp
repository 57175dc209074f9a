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
  o.paceMillis = 0;
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

// Seasons: several weekends in one feed folder.

// The files under a folder by their path relative to it, with their bytes.
std::map<std::string, std::string> Contents(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const fs::path& f : FilesUnder(folder)) files[fs::relative(f, folder).generic_string()] = ReadBytes(f.string());
  return files;
}

FeedGenOptions Season(const std::string& out, int weeks) {
  FeedGenOptions o = SmallFeed(out);
  o.weeks = weeks;
  return o;
}

TEST(FeedSeason, IsItsWeekendsSideBySideTheLastBeingTheFeedOfTheDate) {
  TempDir season, last, before1, before2, sameSeed;
  ASSERT_TRUE(GenerateFeed(Season(season.str(), 3), nullptr, nullptr));
  // Each earlier weekend is the feed of its Sunday with the weekend's own seed.
  FeedGenOptions o = SmallFeed(last.str());
  ASSERT_TRUE(GenerateFeed(o, nullptr, nullptr));
  o = SmallFeed(before1.str(), SeasonWeekendSeed(3, 1));
  o.date = {2024, 5, 5, 0, 0, 0};
  ASSERT_TRUE(GenerateFeed(o, nullptr, nullptr));
  o = SmallFeed(before2.str(), SeasonWeekendSeed(3, 2));
  o.date = {2024, 4, 28, 0, 0, 0};
  ASSERT_TRUE(GenerateFeed(o, nullptr, nullptr));

  std::map<std::string, std::string> expected;
  for (const TempDir* part : {&last, &before1, &before2})
    for (auto& [path, bytes] : Contents(part->str())) EXPECT_TRUE(expected.emplace(path, bytes).second) << path;
  const std::map<std::string, std::string> got = Contents(season.str());
  EXPECT_EQ(got.size(), expected.size());
  for (const auto& [path, bytes] : expected) {
    auto it = got.find(path);
    ASSERT_NE(it, got.end()) << path;
    EXPECT_TRUE(it->second == bytes) << path;
  }

  // With the season's seed that weekend would have been another.
  o.outFolder = sameSeed.str();
  o.date = {2024, 5, 5, 0, 0, 0};
  o.seed = 3;
  ASSERT_TRUE(GenerateFeed(o, nullptr, nullptr));
  EXPECT_NE(Contents(sameSeed.str()), Contents(before1.str()));
}

TEST(FeedSeason, OneWeekIsTheFeedWithoutWeeks) {
  TempDir plain, one;
  FeedGenSummary a, b;
  ASSERT_TRUE(GenerateFeed(SmallFeed(plain.str()), &a, nullptr));
  ASSERT_TRUE(GenerateFeed(Season(one.str(), 1), &b, nullptr));
  EXPECT_TRUE(Contents(plain.str()) == Contents(one.str()));
  EXPECT_EQ(b.weekends, 1);
  EXPECT_EQ(b.days, a.days);
}

TEST(FeedSeason, StoredFilesHoldOneDayEachOverTheWholeSeason) {
  TempDir season;
  FeedGenSummary sum;
  ASSERT_TRUE(GenerateFeed(Season(season.str(), 3), &sum, nullptr));
  EXPECT_EQ(sum.weekends, 3);
  EXPECT_EQ(sum.days, 3 + 2 + 2);  // only the last weekend has the Tuesday
  EXPECT_EQ(sum.races, 7 * 3);
  EXPECT_EQ(sum.storedFiles, 7 * 4);
  std::map<std::string, int> filesOfDay;
  std::set<std::string> names;
  for (const FeedFile& f : ListStoredFiles(season.str())) {
    EXPECT_TRUE(names.insert(f.name).second);
    std::set<std::string> dates;
    int races = 0;
    for (const std::string& rec : ReadFeedRecords(f.path)) {
      dates.insert(Field(rec, 12, 8));
      races += rec.compare(0, 2, "RA") == 0;
    }
    ASSERT_EQ(dates.size(), 1u) << f.name;
    EXPECT_EQ(races, 3) << f.name;
    EXPECT_NE(f.name.find(*dates.begin()), std::string::npos) << f.name;  // the label names the race day
    ++filesOfDay[*dates.begin()];
  }
  EXPECT_EQ(filesOfDay, (std::map<std::string, int>{{"20240427", 4},
                                                    {"20240428", 4},
                                                    {"20240504", 4},
                                                    {"20240505", 4},
                                                    {"20240511", 4},
                                                    {"20240512", 4},
                                                    {"20240514", 4}}));
  EXPECT_EQ(FilesUnder((fs::path(season.str()) / "RT" / "0B30").string()).size(), 21u);
  EXPECT_EQ(FilesUnder((fs::path(season.str()) / "RT" / "0B12").string()).size(), 21u);
}

TEST(FeedSeason, WeeksOutOfRangeAreRefusedAndTheFeedIsLeftAlone) {
  TempDir feed;
  ASSERT_TRUE(GenerateFeed(SmallFeed(feed.str()), nullptr, nullptr));
  const auto before = Contents(feed.str());
  for (int weeks : {0, -1, kMaxFeedWeeks + 1}) {
    std::string error;
    EXPECT_FALSE(GenerateFeed(Season(feed.str(), weeks), nullptr, &error)) << weeks;
    EXPECT_NE(error.find("1..520"), std::string::npos) << error;
  }
  EXPECT_TRUE(Contents(feed.str()) == before);
}

TEST(FeedSeason, StandInServesEveryWeekend) {
  TempDir season, app;
  ASSERT_TRUE(GenerateFeed(Season(season.str(), 3), nullptr, nullptr));
  int storedRecords = 0;
  for (const FeedFile& f : ListStoredFiles(season.str()))
    storedRecords += static_cast<int>(ReadFeedRecords(f.path).size());

  ManualClock clock({2024, 5, 21, 12, 0, 0});  // after the season's last final results
  StandInOptions so;
  so.appFolder = app.str();
  so.paceMillis = 0;
  StandInJVLink j(clock, so);
  Settings(JoinPath(app.str(), "turfwise.ini")).WriteString(setting::kStandInFeed, season.str());
  ASSERT_EQ(j.JVInit("UNKNOWN"), 0);
  JVOpenResult open = j.JVOpen("RACE", "20240101000000", 4);
  ASSERT_EQ(open.code, 0);
  EXPECT_EQ(open.readCount, 28);
  EXPECT_EQ(open.downloadCount, 28);
  EXPECT_EQ(j.JVStatus(), 28);
  int size = 60000, files = 1, records = 0;
  std::set<std::string> raceDays;
  for (JVReadResult r = j.JVRead(size); r.code != 0; r = j.JVRead(size)) {
    ASSERT_GT(r.code, -2) << r.code;
    if (r.code == -1) ++files;
    if (r.code > 0) ++records;
    if (r.code > 0 && r.record.compare(0, 2, "RA") == 0) raceDays.insert(Field(r.record, 12, 8));
  }
  EXPECT_EQ(files, 28);
  EXPECT_EQ(records, storedRecords);
  EXPECT_EQ(raceDays.size(), 7u);
  j.JVClose();

  // The odds and results of the season's first day, at that day's times.
  std::string firstRace;
  for (const fs::path& f : FilesUnder((fs::path(season.str()) / "RT" / "0B30").string()))
    if (firstRace.empty()) firstRace = f.stem().string();
  ASSERT_EQ(firstRace.substr(0, 8), "20240427");
  clock.Set({2024, 4, 27, 9, 30, 0});
  ASSERT_EQ(j.JVRTOpen("0B30", firstRace), 0);
  JVReadResult o1 = j.JVRead(size);
  EXPECT_EQ(Field(o1.record, 28, 4), "0427");
  EXPECT_LE(Int(o1.record, 32, 4), 930);
  j.JVClose();
  EXPECT_EQ(j.JVRTOpen("0B12", "20240427"), -1);  // no results yet
  j.JVClose();
  clock.Set({2024, 4, 27, 23, 0, 0});
  ASSERT_EQ(j.JVRTOpen("0B12", "20240427"), 0);
  int raceRecords = 0;
  for (JVReadResult r = j.JVRead(size); r.code > 0; r = j.JVRead(size))
    raceRecords += r.record.compare(0, 2, "RA") == 0;
  EXPECT_EQ(raceRecords, 3);
  j.JVClose();
}

}  // namespace
}  // namespace tw
