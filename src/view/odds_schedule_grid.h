// The odds fetch window's schedule as data: the race check list and the
// schedule grid with the texts, colours and sizes of its cells, and the fixed
// texts above them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/race_day_model.h"
#include "base/colour.h"

namespace tw {

// A cell background the window takes from the system's palette instead of
// the cell's own colour.
enum class SystemBackground {
  kNone,      // the cell's own colour
  kFixedRow,  // the header row: the grid's fixed-row colour
  kToolTip,   // column 0: the system's tool-tip background
};

// Columns 2, 4, 6 (the planned times) and 3, 5, 7 (the fetched times).
inline constexpr Colour kPlannedTimeColour{193, 255, 255};
inline constexpr Colour kFetchedTimeColour{252, 205, 238};

struct ScheduleCell {
  std::string text;  // Shift-JIS, centred, 2 pixels below the cell's top
  Colour background = colour::kWhite;
  SystemBackground system = SystemBackground::kNone;
};

inline constexpr int kScheduleColumns = 8;

struct ScheduleGrid {
  std::string dayLabel;                                          // the day selector's text, above the grid
  std::vector<std::string> raceLabels;                           // the check list, one per race slot 0..raceCount-1
  std::vector<std::array<ScheduleCell, kScheduleColumns>> rows;  // header row, then one per race
  std::array<int, kScheduleColumns> columnWidths{100, 70, 70, 70, 70, 70, 70, 70};
};

// The race label of a race record: course name, meeting "回", day "日", race "R".
std::string ScheduleRaceLabel(const std::string& race);
// "hh:mm" of an "hhmm" text; empty when blank.
std::string ClockText(const std::string& hhmm);
// The window's contents for the loaded day.
ScheduleGrid MakeScheduleGrid(const RaceDayModel& model, const std::string& dayText);

// Fixed texts of the window (Shift-JIS).
const std::string& ScheduleInstructionText();  // above the check list
const std::string& ScheduleTitleText();        // above the grid

}  // namespace tw
