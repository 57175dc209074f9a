// How every turfwise-cli command names a day and loads it: the day name is
// the one the store gives a day's files (yyyy年mm月dd日), and the day is
// loaded as choosing it in the window loads it.
#pragma once

#include <ostream>
#include <string>

#include "analysis/day_file_problems.h"
#include "analysis/race_day_model.h"
#include "analysis/race_list.h"

namespace tw {

class Clock;
class Settings;
struct LoadRaceDayResult;

// The day name given on the command line (UTF-8) in Shift-JIS. False with a
// message unless it has the form yyyy年mm月dd日, so that it can never name a
// file outside the data folder.
bool DayNameFromArgument(const std::string& utf8, std::string& sjis, std::string& error);

struct CommandDay {
  std::string dataFolder;  // Shift-JIS
  std::string dayName;     // Shift-JIS
  // The fetch commands have always left the missing file out of the message.
  bool nameMissingFile = true;
  // Where the load tells damaged, empty, oversized, missing, unreadable or
  // uncreatable day files, one line each; nowhere when null.
  std::ostream* problems = nullptr;
};

// Writes each problem of a load as a line "turfwise-cli: <text>".
void TellDayFileProblems(const DayFileProblems& problems, std::ostream& out);

// Loads the day (missing odds files are created, payouts imported, every race
// analysed) with the result interval of the settings, the clock telling
// whether it is today. False, with a message, when the day has no race file
// or it cannot be read. What the load found goes to `loaded` when given.
bool LoadCommandDay(const CommandDay& day, const Settings& settings, const Clock& clock, RaceDayModel& model,
                    RaceList& list, std::string& error, LoadRaceDayResult* loaded = nullptr);

}  // namespace tw
