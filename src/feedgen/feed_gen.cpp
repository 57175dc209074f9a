#include "feedgen/feed_gen.h"

#include <filesystem>
#include <vector>

#include "feedgen/feed_plan.h"
#include "feedgen/feed_records.h"
#include "text/files.h"
#include "text/format.h"

namespace tw {

namespace {

std::string Stamp(const DateTime& day, int hour, int minute) {
  return FormatCompact({day.year, day.month, day.day, hour, minute, 0});
}
DateTime AddDays(const DateTime& t, int days) { return AddSeconds(t, 86400LL * days); }
std::string DateText(const DateTime& t) { return FormatCompact(t).substr(0, 8); }

class Writer {
 public:
  bool Write(const std::string& path, const std::string& bytes) {
    if (!ok_) return false;
    std::string folder = path.substr(0, path.find_last_of(kPathSep));
    std::string err;
    if (!EnsureFolder(folder, &err)) return Fail(folder + ": " + err);
    SaveResult r = WriteFileAtomic(path, bytes);
    if (!r) return Fail(path + ": " + r.error);
    return true;
  }
  bool ok() const { return ok_; }
  const std::string& error() const { return error_; }

 private:
  bool Fail(const std::string& e) {
    ok_ = false;
    error_ = e;
    return false;
  }
  bool ok_ = true;
  std::string error_;
};

// The stored file of one stage of a day's races.
std::string StageFile(const std::vector<const FeedRace*>& races, RaceStage stage, char raceKind, char payoutKind,
                      const std::string& created, const std::vector<MarketOdds>& finals) {
  std::string bytes;
  for (size_t i = 0; i < races.size(); ++i) {
    const FeedRace& race = *races[i];
    bytes += BuildRaceRecord(race, raceKind, created, stage);
    for (const FeedRunner& h : race.runners) bytes += BuildRunnerRecord(race, h, raceKind, created, stage, finals[i]);
    if (payoutKind != 0) bytes += BuildPayoutRecord(race, payoutKind, created, finals[i]);
  }
  return bytes;
}

// Writes the files of one weekend into the feed. Its days are its own, so no
// two weekends of a season share a file name.
void WriteWeekend(const FeedWeekend& weekend, const FeedGenOptions& options, Writer& out, FeedGenSummary& sum) {
  const std::string storedFolder = JoinPath(options.outFolder, "RACE");
  const std::string rtFolder = JoinPath(options.outFolder, "RT");
  ++sum.weekends;
  sum.days += static_cast<int>(weekend.days.size());

  for (const DateTime& day : weekend.days) {
    std::vector<const FeedRace*> races;
    for (const FeedRace& r : weekend.races)
      if (r.day == day) races.push_back(&r);
    std::vector<MarketOdds> finals;
    for (const FeedRace* r : races) finals.push_back(FinalOdds(*r));
    const std::string date = DateText(day);
    int toMonday = (1 - DayOfWeek(day) + 7) % 7;
    if (toMonday == 0) toMonday = 7;

    // Stored files: entries two days before, the card the day before, the
    // day's results in the evening and the final results on Monday.
    struct Stage {
      std::string stamp, label;
      RaceStage stage;
      char raceKind, payoutKind;
    };
    const Stage stages[] = {
        {Stamp(AddDays(day, -2), 17, 0), "ENTRIES", RaceStage::kEntries, '1', 0},
        {Stamp(AddDays(day, -1), 11, 0), "CARD", RaceStage::kCard, '2', 0},
        {Stamp(day, 17, 30), "RESULTS", RaceStage::kResults, '6', '1'},
        {Stamp(AddDays(day, toMonday), 10, 0), "FINAL", RaceStage::kResults, '7', '2'},
    };
    for (const Stage& s : stages) {
      std::string name = s.stamp + "-" + s.label + date + ".jvd";
      out.Write(JoinPath(storedFolder, name),
                StageFile(races, s.stage, s.raceKind, s.payoutKind, s.stamp.substr(0, 8), finals));
      ++sum.storedFiles;
    }

    for (size_t i = 0; i < races.size(); ++i) {
      const FeedRace& race = *races[i];
      ++sum.races;
      // The odds stream: every announcement, O1 then O2.
      std::string stream;
      std::vector<std::string> o1Lines, o2Lines;
      for (size_t k = 0; k < race.announcements.size(); ++k) {
        MarketOdds m = k + 1 == race.announcements.size() ? finals[i] : AnnouncementOdds(race, k);
        std::string o1 = BuildWinOddsRecord(race, k, m), o2 = BuildQuinellaOddsRecord(race, k, m);
        stream += o1 + o2;
        o1Lines.push_back(o1.substr(0, o1.size() - 2));
        o2Lines.push_back(o2.substr(0, o2.size() - 2));
        ++sum.announcements;
      }
      out.Write(JoinPath(JoinPath(rtFolder, "0B30"), race.RaceKey() + ".jvd"), stream);
      // The results stream: the race's result stage shortly after the race.
      int m = race.ResultMinute();
      std::string stamp = Stamp(day, m / 60, m % 60);
      std::string results = StageFile({&race}, RaceStage::kResults, '5', '1', date, {finals[i]});
      out.Write(JoinPath(JoinPath(JoinPath(rtFolder, "0B12"), date), stamp + "-" + race.RaceCode() + ".jvd"), results);
      if (!options.timeSeriesFolder.empty()) {
        std::string base = JoinPath(JoinPath(options.timeSeriesFolder, date), race.RaceCode());
        out.Write(base + ".jvO1", JoinLines(o1Lines));
        out.Write(base + ".jvO2", JoinLines(o2Lines));
      }
    }
  }
}

}  // namespace

bool GenerateFeed(const FeedGenOptions& options, FeedGenSummary* summary, std::string* error) {
  if (options.weeks < 1 || options.weeks > kMaxFeedWeeks) {
    if (error) *error = Format("weeks must be 1..%d, not %d", kMaxFeedWeeks, options.weeks);
    return false;
  }
  std::error_code ec;
  std::filesystem::remove_all(ToFsPath(JoinPath(options.outFolder, "RACE")), ec);
  std::filesystem::remove_all(ToFsPath(JoinPath(options.outFolder, "RT")), ec);
  Writer out;
  FeedGenSummary sum;
  // Oldest weekend first; each is planned and written on its own, so a long
  // season never holds more than one weekend in memory.
  for (int before = options.weeks - 1; before >= 0 && out.ok(); --before) {
    FeedWeekend weekend = PlanRaceDays(SeasonWeekendDays(options.date, before), SeasonWeekendSeed(options.seed, before),
                                       options.courses, options.racesPerCourse);
    WriteWeekend(weekend, options, out, sum);
  }
  if (summary) *summary = sum;
  if (!out.ok() && error) *error = out.error();
  return out.ok();
}

}  // namespace tw
