// What a day load found wrong with the day's files. The files are read as
// well as they can be; these say which of them the analysis stands on
// damaged, missing or not at all, so that the window and the command line
// can tell it once.
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
    kMissing,       // a file the day needs is not there (a runner file of a course with races)
    kEmpty,         // 0 bytes
    kNotRegular,    // a folder, a FIFO or a device in the file's place: not read
  };
  Kind kind = Kind::kDamagedLines;
  std::string file;    // the path, Shift-JIS
  int lines = 0;       // kDamagedLines: how many
  std::string reason;  // kNotCreated: why the save failed, Shift-JIS
};

using DayFileProblems = std::vector<DayFileProblem>;

// Notes the problem of a file read with status `status`, `records` whole
// records and `damagedLines` damaged lines: nothing when it was read with
// records and none damaged, or is missing (a reader that needs the file
// notes kMissing itself). A file read with no record and no damaged line
// is empty; an unreadable one that is no regular file is kNotRegular.
void NoteReadProblem(DayFileProblems& problems, const std::string& file, ReadStatus status, int records,
                     int damagedLines);

// True when `file` names something other than a regular file: a folder, a
// FIFO, a device. Only its type is asked: opening a FIFO could wait for a
// writer.
bool IsNonRegularFile(const std::string& file);

// One line for the user per problem (Shift-JIS).
std::string DayFileProblemText(const DayFileProblem& problem);

}  // namespace tw
