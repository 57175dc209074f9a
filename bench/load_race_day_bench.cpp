// A full day loaded and analysed from its files: 36 races of 18 runners at
// three courses, three snapshots each and a payout for every race.
#include <benchmark/benchmark.h>

#include <memory>

#include "analysis/load_race_day.h"
#include "app/clock.h"
#include "app/settings.h"
#include "support/day_builder.h"
#include "support/temp_dir.h"

namespace {

void BM_LoadRaceDay(benchmark::State& state) {
  tw::test::TempDir dir;
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

  auto model = std::make_unique<tw::RaceDayModel>();
  tw::RaceList list;
  tw::NullRaceDayView view;
  tw::Settings settings(dir.file("turfwise.ini"));
  tw::ManualClock clock(tw::DateTime{2024, 5, 12, 9, 0, 0});
  for (auto _ : state) {
    tw::LoadRaceDay(*model, list, dir.str(), day.dayName(), settings, clock, view);
    benchmark::DoNotOptimize(model->slots[35].analysis.snapshotCount);
  }
  if (model->raceCount != 36 || model->slots[35].analysis.snapshotCount != 3 || !model->slots[35].analysis.hasPayout) {
    state.SkipWithError("the day did not load fully");
  }
}
BENCHMARK(BM_LoadRaceDay)->Unit(benchmark::kMillisecond);

}  // namespace
