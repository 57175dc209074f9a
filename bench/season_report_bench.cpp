// The season report over many days: a season of about 100 race days should
// report in a small part of a second, ten years (about 1040 days) in 0.3 s on
// one worker, forty years (about 3800 days) in about a second on two.
// Every day is a full one (36 races of 18 runners at three courses, three
// snapshots and payouts), more than most real days. Seven distinct days are
// written and the others are hard links to them under their own day names,
// so that ten years take the disk space of a week. The days' figures are
// BM_SeasonReport; the return-rate intervals, worked out once at the end,
// are BM_SeasonIntervals (about half as long again on one thread).
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "season/season_report.h"
#include "support/day_builder.h"
#include "support/temp_dir.h"
#include "text/files.h"
#include "text/format.h"
#include "text/sjis.h"

namespace {

namespace fs = std::filesystem;

constexpr int kDistinctDays = 7;

// Day k of the folder: two race days a week from 2014-01-04 on, by the
// calendar of std::chrono.
std::string DayNameOf(int k) {
  using namespace std::chrono;
  const sys_days first = year{2014} / January / 4;
  const year_month_day d{first + days{7 * (k / 2) + (k % 2)}};
  return tw::Format("%04d", static_cast<int>(d.year())) + tw::Sjis("年") +
         tw::Format("%02u", static_cast<unsigned>(d.month())) + tw::Sjis("月") +
         tw::Format("%02u", static_cast<unsigned>(d.day())) + tw::Sjis("日");
}

void WriteDistinctDay(const std::string& folder, int k) {
  tw::test::DayBuilder day(folder, 2000, 1, 1 + k);
  int race = 0;
  for (const char* course : {"05", "08", "09"}) {
    for (int r = 1; r <= 12; ++r, ++race) {
      int slot = day.AddRace(course, r, 18 - (race + k) % 6, "1500");
      day.AddRunners(slot);
      day.AddSampleSnapshot(slot, 1, 10, 15);
      day.AddSampleSnapshot(slot, 2, 12, 15);
      day.AddSampleSnapshot(slot, 3, 14, 30);
      // Payouts on a bet, on a popular pair, or on neither.
      std::string line = tw::test::PayoutLine(day.RaceLineOfSlot(slot).substr(11, 16));
      const int second = (race + k) % 3 == 0 ? 6 : (race + k) % 3 == 1 ? 2 : 9;
      tw::test::SetQuinellaPayout(line, 1, 1, second, 1230 + 100 * race);
      tw::test::SetWidePayout(line, 1, 1, second, 450);
      tw::test::SetWidePayout(line, 2, 2, 6, 380);
      tw::test::SetWidePayout(line, 3, 1, 2, 210);
      day.AddPayout(line);
    }
  }
  day.Write();
}

// A data folder of `days` days.
class SeasonFolder {
 public:
  explicit SeasonFolder(int days) {
    const std::string sources = dir_.file("week");
    const std::string data = dir_.file("Data");
    tw::EnsureFolder(sources);
    tw::EnsureFolder(data);
    for (int k = 0; k < kDistinctDays; ++k) WriteDistinctDay(sources, k);
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir_.path() / "week")) files.push_back(entry.path());
    for (int k = 0; k < days; ++k) {
      const std::string source = tw::test::DayBuilder(sources, 2000, 1, 1 + k % kDistinctDays).dayName();
      const std::string target = DayNameOf(k);
      for (const fs::path& file : files) {
        const std::string name = tw::FromFsPath(file.filename());
        if (name.compare(0, source.size(), source) != 0) continue;
        const fs::path to = tw::ToFsPath(tw::JoinPath(data, target + name.substr(source.size())));
        std::error_code ec;
        fs::create_hard_link(file, to, ec);
        if (ec) fs::copy_file(file, to);
      }
    }
    data_ = data;
  }
  const std::string& data() const { return data_; }

 private:
  tw::test::TempDir dir_;
  std::string data_;
};

void BM_SeasonReport(benchmark::State& state) {
  const int days = static_cast<int>(state.range(0));
  const SeasonFolder folder(days);
  tw::SeasonOptions options;
  options.dataFolder = folder.data();
  options.workers = static_cast<int>(state.range(1));
  long long returned = 0;
  for (auto _ : state) {
    tw::SeasonReport report(options);
    while (!report.finished()) report.Step();
    returned = report.totals().all().quinella().returned();
    if (report.totals().all().days() != days) state.SkipWithError("not every day was counted");
  }
  benchmark::DoNotOptimize(returned);
  state.counters["days"] = days;
  state.counters["days/s"] =
      benchmark::Counter(static_cast<double>(days), benchmark::Counter::kIsIterationInvariantRate);
}
// {days, workers}: a season and ten years, one worker and two; forty years
// with two.
BENCHMARK(BM_SeasonReport)
    ->Args({104, 1})
    ->Args({104, 2})
    ->Args({1040, 1})
    ->Args({1040, 2})
    ->Args({3800, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The return-rate intervals of the season and every group, which the
// command and the window work out once the days are counted: {days,
// threads}.
void BM_SeasonIntervals(benchmark::State& state) {
  const SeasonFolder folder(static_cast<int>(state.range(0)));
  tw::SeasonOptions options;
  options.dataFolder = folder.data();
  options.workers = 2;
  tw::SeasonReport report(options);
  while (!report.finished()) report.Step();
  for (auto _ : state) {
    state.PauseTiming();
    const tw::SeasonTotals totals = report.totals();  // with none worked out yet
    state.ResumeTiming();
    totals.ComputeIntervals(static_cast<int>(state.range(1)));
    benchmark::DoNotOptimize(totals.all().quinella().ReturnRateRange());
  }
}
BENCHMARK(BM_SeasonIntervals)
    ->Args({1040, 1})
    ->Args({1040, 2})
    ->Args({3800, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
