// The four grids of the bet tab: axis and partner judgement, the decision
// table and the bet list, with the colours of their owner-drawn cells.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "view/colours.h"

namespace tw {

struct GridCell {
  std::string text;  // Shift-JIS; always drawn centred
  Rgb background = colour::kWhite;
  bool tooltipBackground = false;  // the system's tooltip colour instead of `background`
  bool strikeThrough = false;      // a black line from the top-left to the bottom-right corner
};

struct JudgementGrid {
  std::string name;  // StringGrid1..4
  int columns = 0;
  std::vector<std::vector<GridCell>> rows;  // row 0 holds the headings
};

// The background of column 0 of the judgement grids by bracket number 1..8:
// white, grey, red, blue, yellow, lime, orange, fuchsia; white otherwise.
Rgb BracketColour(int bracket);

}  // namespace tw

namespace tw {

struct RaceSlot;
struct RaceView;

// StringGrid1..4 of the race in `slot`, using the header payout pairs, the
// wide results, the pair mode, runner count and fetch count already in `view`.
std::array<JudgementGrid, 4> BuildJudgementGrids(const RaceSlot& slot, const RaceView& view);

}  // namespace tw
