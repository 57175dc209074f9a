// A day folder built by hand and loaded as the window and the commands load it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "analysis/load_race_day.h"
#include "base/clock.h"
#include "records/day_files.h"
#include "support/day_builder.h"
#include "support/temp_dir.h"
#include "text/sjis.h"

namespace tw::test {

class LoadRaceDayTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  DayBuilder day{dir.str()};
  std::unique_ptr<RaceDayModel> model = std::make_unique<RaceDayModel>();
  RaceList list;
  ManualClock clock{DateTime{2024, 6, 1, 10, 0, 0}};  // a later day: the test day is past
  int resultFetchMinutes = 15;

  LoadRaceDayResult LoadDay(const std::string& dayName) {
    return LoadRaceDay(*model, list, dir.str(), dayName, resultFetchMinutes, DayNameOf(clock.Now()));
  }
  LoadRaceDayResult Load() {
    day.Write();
    return LoadDay(day.dayName());
  }
  // The race list's entries in UTF-8.
  std::string Entry(int row) const { return SjisToUtf8(list.entries[static_cast<size_t>(row)]); }
  RaceSlot& Slot(int i) { return model->slots[static_cast<size_t>(i)]; }
};

}  // namespace tw::test
