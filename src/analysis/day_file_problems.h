// What a day load found wrong with the day's files. The files are read as
// well as they can be; these say which of them the analysis stands on
// damaged, so that the window and the command line can tell it once.
#pragma once

#include <string>
#include <vector>

#include "text/files.h"

namespace tw {

struct DayFileProblem {
  enum class Kind {
    kDamagedLines,  // lines of the wrong length, NUL bytes, other line ends
    kTooLarge,      // larger than its layout allows: not read
    kUnreadable,    // exists but cannot be read
    kNotCreated,    // a missing odds file that could not be created
  };
  Kind kind = Kind::kDamagedLines;
  std::string file;    // the path, Shift-JIS
  int lines = 0;       // kDamagedLines: how many
  std::string reason;  // kNotCreated: why the save failed, Shift-JIS
};

using DayFileProblems = std::vector<DayFileProblem>;

// Notes the problem of a file read with status `status` and `damagedLines`
// damaged lines; nothing when it was read whole or is missing.
void NoteReadProblem(DayFileProblems& problems, const std::string& file, ReadStatus status, int damagedLines);

// One line for the user per problem (Shift-JIS).
std::string DayFileProblemText(const DayFileProblem& problem);

}  // namespace tw
