// A race day of seven races on two courses whose post times give the odds
// schedule's interesting cases, loaded into an acquisition fixture.
#pragma once

#include <gtest/gtest.h>

#include "support/acquire_fixture.h"

namespace tw::test {

// Races 1, 3, 4, 8 and 9 at Tokyo (slots 0-4) with post times that give the
// schedule's interesting cases; the clock stands on the race day.
class ScheduleDayFixture : public ::testing::Test, public AcquireFixture {
 protected:
  void SetUp() override {
    day.AddRace("05", 1, 10, "1005");
    day.AddRace("05", 3, 10, "1000");  // "0930" twice
    day.AddRace("05", 4, 10, "1120");
    day.AddRace("05", 8, 10, "1400");
    day.AddRace("05", 9, 10, "1245");  // "1215" twice
    day.AddRace("06", 1, 10, "1010");  // a second course: slots 5-6
    day.AddRace("06", 2, 10, "1040");
    day.AddSampleSnapshot(3, 1, 10, 16);
    day.Write();
    Load();
    jv.defaultRTOpen = 0;
  }
  void At(int hour, int minute, int second = 0) { clock.Set({2024, 5, 12, hour, minute, second}); }
};

}  // namespace tw::test
