#include "season/season_day.h"

#include <algorithm>

#include "analysis/load_race_day.h"
#include "records/day_files.h"
#include "records/record_header.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {
namespace {

// The problems a day cannot be counted with: everything the load read
// damaged or not at all. An odds file that could not be created was missing
// before, and missing odds read as no snapshot either way.
bool SkipsTheDay(const DayFileProblem& problem) { return problem.kind != DayFileProblem::Kind::kNotCreated; }

SeasonDay Skipped(SeasonDay day, std::string reason) {
  day.outcome = SeasonDayOutcome::kSkipped;
  day.reasons.push_back(std::move(reason));
  return day;
}

}  // namespace

std::string DateOfDayName(const std::string& dayName) {
  static const std::string year = Sjis("年"), month = Sjis("月"), dayMark = Sjis("日");
  if (dayName.size() != kDayNameLength || dayName.compare(4, 2, year) != 0 || dayName.compare(8, 2, month) != 0 ||
      dayName.compare(12, 2, dayMark) != 0)
    return {};
  const DayNameParts parts = PartsOfDayName(dayName);
  const std::string date = parts.year + parts.month + parts.day;
  return IsCalendarDate(date) ? date : std::string();
}

SeasonDay LoadSeasonDay(const std::string& dataFolder, const std::string& dayName,
                        const std::vector<std::string>& courseCodes, RaceDayModel& model, RaceList& list) {
  SeasonDay day;
  day.dayName = dayName;
  day.date = DateOfDayName(dayName);
  const std::string raceFile = JoinPath(dataFolder, RaceFileName(dayName));
  if (day.date.empty()) return Skipped(std::move(day), Sjis("日付を表す名前ではありません：") + raceFile);

  // The day as the window loads it, but without what only the window shows:
  // no figure reads the runner files, so they are only looked at, and no
  // view texts or marks are made (load_race_day.h). The result timer and
  // today do not matter here.
  const LoadRaceDayResult loaded =
      LoadRaceDay(model, list, dataFolder, dayName, model.resultFetchMinutes, "", LoadFor::kFigures);
  for (const DayFileProblem& problem : loaded.problems) {
    if (SkipsTheDay(problem)) day.reasons.push_back(DayFileProblemText(problem));
  }
  if (loaded.outcome == LoadOutcome::kNoRaceFile && day.reasons.empty())
    day.reasons.push_back(Sjis("レースファイルがありません：") + raceFile);
  if (loaded.outcome != LoadOutcome::kLoaded && day.reasons.empty())
    day.reasons.push_back(Sjis("ファイルを読み込めません：") + raceFile);
  if (!day.reasons.empty()) {
    day.outcome = SeasonDayOutcome::kSkipped;
    return day;
  }

  // The races of the race list, in its order, as the hit report walks them.
  int races = 0;
  day.races.reserve(list.slots.size());
  for (int slot : list.slots) {
    if (slot < 0 || slot >= kMaxRaces) continue;
    const RaceSlot& s = model.slots[static_cast<size_t>(slot)];
    if (!courseCodes.empty() &&
        std::find(courseCodes.begin(), courseCodes.end(), CourseCode(s.race)) == courseCodes.end())
      continue;
    ++races;
    if (!s.analysis.hasPayout) {
      ++day.racesWithoutResults;
      continue;
    }
    day.races.push_back(SeasonRaceOf(model, slot, day.date));
  }
  if (races == 0) {
    day.outcome = SeasonDayOutcome::kNoRaces;
  } else {
    day.outcome = day.races.empty() ? SeasonDayOutcome::kNoResults : SeasonDayOutcome::kCounted;
  }
  return day;
}

}  // namespace tw
