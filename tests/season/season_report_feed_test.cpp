// The season report on a generated feed, fetched as on two race days: race
// cards, three odds snapshots and the results of each day through the
// JV-Link stand-in. Every hit the hit report writes for a day is a hit of the
// season report's day, with the same payout, and the season has no other.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "analysis/load_race_day.h"
#include "cli/download_command.h"
#include "cli/fetch_odds_command.h"
#include "cli/results_command.h"
#include "feedgen/feed_gen.h"
#include "reports/hit_report.h"
#include "season/season_report.h"
#include "standin/standin_jvlink.h"
#include "support/fake_user_port.h"
#include "support/standin_acquire_env.h"
#include "support/temp_dir.h"
#include "text/files.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw::test {
namespace {

using Hits = std::vector<std::string>;

class SeasonFeedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FeedGenOptions feed;
    feed.outFolder = JoinPath(dir.str(), "Feed");
    feed.date = {2024, 5, 12, 0, 0, 0};
    feed.seed = 5;
    feed.weeks = 2;  // the weekends of the 4th and 5th and of the 11th and 12th
    std::string error;
    ASSERT_TRUE(GenerateFeed(feed, nullptr, &error)) << error;
    env = StandInAcquireEnv(clock);
  }

  int Run(int (*command)(std::vector<std::string>, CliContext&, AcquireEnv&), std::vector<std::string> args) {
    std::ostringstream out, err;
    args.insert(args.begin(), {"--app-dir", dir.str()});
    CliContext context{out, err, &clock, ""};
    int status = command(args, context, env);
    EXPECT_EQ(status, kExitOk) << err.str() << out.str();
    return status;
  }

  // A race day of May as the program fetches it.
  void FetchDay(int day) {
    const std::string name = Format("2024年05月%02d日", day);
    clock.Set({2024, 5, day, 8, 0, 0});
    Run(&RunDownload, {"--from", "2024/04/25 00:00:00"});
    for (auto [h, m] : {std::pair{9, 20}, std::pair{11, 0}, std::pair{14, 0}}) {
      clock.Set({2024, 5, day, h, m, 0});
      Run(&RunFetchOdds, {"--day", name});
    }
    clock.Set({2024, 5, day, 17, 40, 0});
    Run(&RunResults, {"--day", name});
  }

  // The hits the hit report ("的中") writes for the day, from its lines of
  // the cumulative list: date, course, race, bet type, bet and payout.
  Hits HitReportOf(const std::string& dayName) {
    auto model = std::make_unique<RaceDayModel>();
    RaceList list;
    LoadRaceDay(*model, list, data, dayName, 15, "");
    const std::string upload = JoinPath(dir.str(), "HPupload" + DateOfDayName(dayName));
    FakeUserPort port;
    RunHitReport(*model, list.slots, HitReportKind::kAllHits, upload, port);
    auto lines = LoadLines(JoinPath(upload, kCumulativeListName)).value_or(std::vector<std::string>{});
    static const std::string quinella = Sjis("R[馬連　]：　"), payHead = Sjis("/配当 ");
    Hits hits;
    for (size_t i = 1; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      const bool isQuinella = line.compare(12, quinella.size(), quinella) == 0;
      const size_t bet = 12 + quinella.size();  // both titles have the same length
      const size_t pay = line.find(payHead, bet);
      hits.push_back(line.substr(0, 8) + "|" + line.substr(8, 2) + "|" + line.substr(10, 2) + "|" +
                     (isQuinella ? "Q" : "W") + "|" + line.substr(bet, 5) + "|" +
                     std::to_string(std::stoll(line.substr(pay + payHead.size(), 7))));
    }
    std::sort(hits.begin(), hits.end());
    return hits;
  }

  static Hits SeasonHitsOf(const SeasonDay& day) {
    Hits hits;
    for (const SeasonRace& race : day.races) {
      auto add = [&](const std::vector<PaidBet>& paid, const char* type) {
        for (const PaidBet& p : paid)
          hits.push_back(race.date + "|" + race.courseCode + "|" + Format("%02d", race.raceNumber) + "|" + type + "|" +
                         p.bet + "|" + std::to_string(p.yen));
      };
      add(race.quinellaHits, "Q");
      add(race.wideHits, "W");
    }
    std::sort(hits.begin(), hits.end());
    return hits;
  }

  TempDir dir;
  std::string data = JoinPath(dir.str(), "Data");
  ManualClock clock;
  AcquireEnv env;
};

TEST_F(SeasonFeedTest, TheSeasonHitsAreTheHitReportsHits) {
  for (int day : {4, 5, 11, 12}) FetchDay(day);

  SeasonOptions options;
  options.dataFolder = data;
  options.workers = 2;
  SeasonReport report(options);
  ASSERT_EQ(report.dayCount(), 4);
  std::vector<SeasonDay> days;
  while (!report.finished()) {
    std::vector<SeasonDay> step = report.Step();
    ASSERT_FALSE(step.empty());
    for (SeasonDay& day : step) days.push_back(std::move(day));
  }
  ASSERT_EQ(days.size(), 4u);

  size_t quinellaHits = 0, wideHits = 0, bets = 0;
  for (const SeasonDay& day : days) {
    ASSERT_EQ(day.outcome, SeasonDayOutcome::kCounted) << SjisToUtf8(day.dayName);
    EXPECT_EQ(day.racesWithoutResults, 0);
    const Hits expected = HitReportOf(day.dayName);
    EXPECT_EQ(SeasonHitsOf(day), expected) << SjisToUtf8(day.dayName);
    for (const std::string& hit : expected) (hit.find("|Q|") != std::string::npos ? quinellaHits : wideHits)++;
    for (const SeasonRace& race : day.races) bets += race.bets.size();
  }
  // The feed is one where the bets do hit, both ways.
  EXPECT_GT(bets, 0u);
  EXPECT_GT(quinellaHits, 0u);
  EXPECT_GT(wideHits, 0u);
  const SeasonFigures& all = report.totals().all();
  EXPECT_EQ(static_cast<size_t>(all.quinella().hits()), quinellaHits);
  EXPECT_EQ(static_cast<size_t>(all.wide().hits()), wideHits);
  EXPECT_EQ(static_cast<size_t>(all.bets()), bets);

  // A report filtered to one rating is that rating's group of the whole.
  for (const SeasonGroup& group : report.totals().breakdown(SeasonDimension::kUpsetDegree).groups()) {
    SeasonOptions filtered = options;
    filtered.filter.upsetDegrees = {group.key == "9" ? std::string() : group.label};
    SeasonReport narrow(filtered);
    while (!narrow.finished()) narrow.Step();
    narrow.totals().ComputeIntervals(2);  // the whole's are worked out when asked for
    const SeasonFigures& f = narrow.totals().all();
    SCOPED_TRACE(SjisToUtf8(group.label));
    EXPECT_EQ(f.races(), group.figures.races());
    for (TicketKind kind : kTicketKinds) {
      const TicketFigures &got = f.tickets(kind), &want = group.figures.tickets(kind);
      EXPECT_EQ(got.returned(), want.returned());
      EXPECT_EQ(got.stake(), want.stake());
      EXPECT_EQ(got.LargestDrawdown().yen, want.LargestDrawdown().yen);
      EXPECT_EQ(got.ReturnRateRange().has_value(), want.ReturnRateRange().has_value());
      if (got.ReturnRateRange()) {
        EXPECT_EQ(got.ReturnRateRange()->low, want.ReturnRateRange()->low);
        EXPECT_EQ(got.ReturnRateRange()->high, want.ReturnRateRange()->high);
      }
    }
  }
}

}  // namespace
}  // namespace tw::test
