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
  Colour background = colour::kWhite;
  bool tooltipBackground = false;  // the system's tooltip colour instead of `background`
  bool strikeThrough = false;      // a black line from the top-left to the bottom-right corner
};

// The grids of the bet tab, in the order RaceView::grids holds them.
enum class JudgementGridKind { kAxis, kPartner, kDecision, kBetList };
constexpr int kJudgementGrids = 4;

struct JudgementGrid {
  JudgementGridKind kind = JudgementGridKind::kAxis;
  int columns = 0;
  std::vector<std::vector<GridCell>> rows;  // row 0 holds the headings
};

// The background of column 0 of the judgement grids by bracket number 1..8:
// white, grey, red, blue, yellow, lime, orange, fuchsia; white otherwise.
Colour BracketColour(int bracket);

}  // namespace tw

namespace tw {

struct RaceSlot;
struct RaceView;

// The four judgement grids of the race in `slot`, using the header payout pairs, the
// wide results, the pair mode, runner count and fetch count already in `view`.
std::array<JudgementGrid, 4> BuildJudgementGrids(const RaceSlot& slot, const RaceView& view);

}  // namespace tw
