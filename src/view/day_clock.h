// What the main window shows beside the status line while the loaded day is
// today: the next planned odds fetch of the day and the time left to the
// post time of the race on view. Both texts are empty on any other day.
#pragma once

#include <string>

#include "analysis/race_day_model.h"
#include "base/clock.h"

namespace tw {

struct DayClockTexts {
  std::string nextFetch;      // "次のｵｯｽﾞ取得 10:20 東京 1R ほか2レース"
  std::string postCountdown;  // "東京 5R 発走まで 12分34秒"
};

// `delayMinutes` is the fetch delay the automatic fetch adds to the planned
// times; `autoFetchOn` says whether it will fetch them. `selectedRace` is the
// slot on view (none when outside the day's races).
DayClockTexts MakeDayClockTexts(const RaceDayModel& model, int selectedRace, const DateTime& now, int delayMinutes,
                                bool autoFetchOn);

}  // namespace tw
