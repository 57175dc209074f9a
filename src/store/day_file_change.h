// One record's change to one day file, kept so it can be made again. A
// stream keeps its changes with the files it changed; when it saves and the
// file on disk is no longer the one it read (another program saved it
// meanwhile), its changes are made again, by the same placement rules, to the
// file as it is now, instead of writing back an older copy over it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tw {

struct DayFileChange {
  enum class Kind {
    kRace,          // download: replace the race's line or add it, race-key order
    kRaceUpdate,    // result fetch: the same, only into an existing file
    kRunner,        // download: line (race-1)*18 + (horse-1), a new file is 216 blank lines
    kRunnerUpdate,  // result fetch: the same, only into an existing file
    kPayout,        // replace the race's line or add it, sorted
    kFillRaceFile,  // blank lines up to 36
    kWinOdds,       // the next snapshot line of race slot `raceSlot`, or line `snapshot` of it
    kQuinellaOdds,  // the same in the quinella odds file
  };
  Kind kind = Kind::kRace;
  std::string line;  // the line as stored (at its layout length)
  int raceSlot = 0;  // odds: the race slot 0-35
  // Odds: the slot's line 0-2 the time-series import sets whatever it holds;
  // -1 for the next line in order of announcement time.
  int snapshot = -1;
};

// The layout of the file a change goes to: its line length, and the most
// bytes a reader takes in of it.
struct DayFileLayout {
  std::size_t lineLength = 0;
  std::uintmax_t byteLimit = 0;
};
DayFileLayout LayoutOf(DayFileChange::Kind kind);
// The fewest lines the file has before the change is made.
std::size_t MinLinesOf(const DayFileChange& change);

// Makes the change to `lines`, the file's lines at their layout length, or
// empty with `exists` false when there is no file yet. The 0-based line the
// record went to, or -1 when the change does not apply (nothing changed).
int ApplyDayFileChange(const DayFileChange& change, std::vector<std::string>& lines, bool exists);

// The file's content as read from disk, made ready for the changes: lines at
// the layout length, and at least the lines the first change needs.
std::vector<std::string> DayFileLines(const DayFileChange& first, std::string_view bytes);

}  // namespace tw
