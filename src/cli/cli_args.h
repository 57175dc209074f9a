// Small pieces every command's option parsing shares.
#pragma once

#include <string>
#include <vector>

#include "analysis/race_day_model.h"
#include "analysis/race_list.h"
#include "cli/cli.h"

namespace tw {

// "--name value" or "--name=value" at args[i]: `matched` tells whether it was
// that option; false (with `error`) when its value is missing. On a match
// with a separate value, `i` moves past the value.
bool TakeOptionValue(const std::vector<std::string>& args, size_t& i, const std::string& name, std::string& value,
                     bool& matched, std::string& error);

// A command-line text (UTF-8) as Shift-JIS; false when some character has no
// Shift-JIS form, so that no file name could ever match it.
bool CommandLineToSjis(const std::string& utf8, std::string& sjis);

// Loads the day `dayUtf8` from the data folder `folderUtf8` as choosing it
// in the window does (creating missing odds files), with the settings and
// clock of `context`. False with a message for the user when the names
// cannot be used, the folder cannot be read, or the day has no race file or
// cannot be read. `day` receives the day name in Shift-JIS.
bool LoadCommandLineDay(const std::string& folderUtf8, const std::string& dayUtf8, CliContext& context,
                        RaceDayModel& model, RaceList& list, std::string& day, std::string& error);

}  // namespace tw
