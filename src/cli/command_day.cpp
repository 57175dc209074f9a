#include "cli/command_day.h"

#include "analysis/load_race_day.h"
#include "base/clock.h"
#include "base/settings.h"
#include "cli/command_options.h"
#include "cli/console_user_port.h"
#include "records/day_files.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {
namespace {

bool IsDigits(const std::string& text, size_t from, size_t count) {
  for (size_t i = from; i < from + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

bool HasDayNameForm(const std::string& sjis) {
  static const std::string year = Sjis("年"), month = Sjis("月"), day = Sjis("日");
  if (sjis.size() != 14) return false;
  return IsDigits(sjis, 0, 4) && sjis.compare(4, 2, year) == 0 && IsDigits(sjis, 6, 2) &&
         sjis.compare(8, 2, month) == 0 && IsDigits(sjis, 10, 2) && sjis.compare(12, 2, day) == 0;
}

}  // namespace

bool DayNameFromArgument(const std::string& utf8, std::string& sjis, std::string& error) {
  if (!CommandLineToSjis(utf8, sjis) || !HasDayNameForm(sjis)) {
    error = "not a day name (yyyy年mm月dd日): " + utf8;
    return false;
  }
  return true;
}

void TellDayFileProblems(const DayFileProblems& problems, std::ostream& out) {
  for (const DayFileProblem& problem : problems)
    out << "turfwise-cli: " << ConsoleText(DayFileProblemText(problem)) << '\n';
}

bool LoadCommandDay(const CommandDay& day, const Settings& settings, const Clock& clock, RaceDayModel& model,
                    RaceList& list, std::string& error, LoadRaceDayResult* loaded) {
  const RaceDayPaths files = RaceDayPathsOf(day.dataFolder, day.dayName);
  if (!FileExists(files.race) && !IsNonRegularFile(files.race)) {
    error = "no race day " + SjisToUtf8(day.dayName) + " in " + SjisToUtf8(day.dataFolder);
    if (day.nameMissingFile) error += " (no file " + SjisToUtf8(day.dayName + ".jvRA") + ")";
    return false;
  }
  const LoadRaceDayResult result = LoadRaceDay(model, list, day.dataFolder, day.dayName,
                                               settings.ReadInteger(setting::kResultInterval), DayNameOf(clock.Now()));
  if (day.problems) TellDayFileProblems(result.problems, *day.problems);
  if (loaded) *loaded = result;
  if (result.outcome != LoadOutcome::kLoaded) {
    error = "cannot read " + SjisToUtf8(files.race);
    return false;
  }
  return true;
}

}  // namespace tw
