// A full day loaded and analysed from its files: 36 races of 18 runners at
// three courses, three snapshots each and a payout for every race.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "analysis/analyse_race.h"
#include "analysis/load_race_day.h"
#include "support/day_builder.h"
#include "support/temp_dir.h"

namespace {

// Writes the full day into `dir`.
tw::test::DayBuilder WriteFullDay(const tw::test::TempDir& dir) {
  tw::test::DayBuilder day(dir.str());
  for (const char* course : {"05", "08", "09"}) {
    for (int r = 1; r <= 12; ++r) {
      int slot = day.AddRace(course, r, 18, "1500");
      day.AddRunners(slot);
      day.AddSampleSnapshot(slot, 1, 10, 15);
      day.AddSampleSnapshot(slot, 2, 12, 15);
      day.AddSampleSnapshot(slot, 3, 14, 30);
      day.AddSamplePayout(slot);
    }
  }
  day.Write();
  return day;
}

void BM_LoadRaceDay(benchmark::State& state) {
  tw::test::TempDir dir;
  tw::test::DayBuilder day = WriteFullDay(dir);
  auto model = std::make_unique<tw::RaceDayModel>();
  tw::RaceList list;
  for (auto _ : state) {
    tw::LoadRaceDay(*model, list, dir.str(), day.dayName(), 15, "");
    benchmark::DoNotOptimize(model->slots[35].analysis.snapshotCount);
  }
  if (model->raceCount != 36 || model->slots[35].analysis.snapshotCount != 3 || !model->slots[35].analysis.hasPayout) {
    state.SkipWithError("the day did not load fully");
  }
}
BENCHMARK(BM_LoadRaceDay)->Unit(benchmark::kMillisecond);

// The analysis part of the load alone: AnalyseRace for the 36 slots of the
// loaded day, each from the state the loader leaves before it.
void BM_AnalyseLoadedDay(benchmark::State& state) {
  tw::test::TempDir dir;
  tw::test::DayBuilder day = WriteFullDay(dir);
  auto model = std::make_unique<tw::RaceDayModel>();
  tw::RaceList list;
  tw::LoadRaceDay(*model, list, dir.str(), day.dayName(), 15, "");
  std::vector<tw::RaceAnalysis> before(tw::kMaxRaces);
  for (int i = 0; i < tw::kMaxRaces; ++i) {
    tw::RaceAnalysis& a = before[static_cast<size_t>(i)];
    const tw::RaceAnalysis& loaded = model->slots[static_cast<size_t>(i)].analysis;
    a.present = loaded.present;
    a.fetchTimes = loaded.fetchTimes;
    a.winSnapshotTimes = loaded.winSnapshotTimes;
    a.quinellaSnapshotTimes = loaded.quinellaSnapshotTimes;
    a.snapshotCount = loaded.snapshotCount;
    a.hasPayout = loaded.hasPayout;
  }
  for (auto _ : state) {
    for (int i = 0; i < tw::kMaxRaces; ++i) {
      model->slots[static_cast<size_t>(i)].analysis = before[static_cast<size_t>(i)];
      tw::AnalyseRace(*model, i);
    }
    benchmark::DoNotOptimize(model->slots[35].analysis.axisRule);
  }
}
BENCHMARK(BM_AnalyseLoadedDay)->Unit(benchmark::kMillisecond);

}  // namespace
