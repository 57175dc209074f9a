#include "view/judgement_grids.h"

#include "codes/pairs.h"
#include "text/fields.h"
#include "text/format.h"
#include "text/sjis.h"
#include "view/odds_fields.h"
#include "view/race_view.h"

namespace tw {

namespace {

const std::string& FullWidthSpace() {
  static const std::string kSpace = Sjis("　");
  return kSpace;
}

GridCell Heading(const std::string& text) { return GridCell{text, colour::kSilver, false, false}; }

std::vector<GridCell> HeadingRow(std::initializer_list<const char*> texts) {
  std::vector<GridCell> row;
  for (const char* t : texts) row.push_back(Heading(Sjis(t)));
  return row;
}

std::vector<GridCell> MarkRow(int n, int h, int columns) {
  std::vector<GridCell> row(static_cast<size_t>(columns));
  const int bracket = BracketOfHorse(n, h);
  row[0] = GridCell{std::to_string(bracket), BracketColour(bracket), false, false};
  row[1] = GridCell{std::to_string(h), colour::kWhite, true, false};
  return row;
}

// A bet cell of column 1 or 2: red on a header payout pair, fuchsia on a
// wide payout pair, else the tooltip colour; "　" is struck through.
GridCell BetCell(const std::string& text, const std::string& label, const RaceView& v) {
  GridCell c{text, colour::kWhite, true, text == FullWidthSpace()};
  if (label.empty() || label == FullWidthSpace()) return c;
  if (label == v.header.result1 || label == v.header.result2) {
    c.background = colour::kRed;
    c.tooltipBackground = false;
    return c;
  }
  for (const ResultEntry& wide : v.results.wide) {
    if (!wide.result.empty() && label == wide.result) {
      c.background = colour::kFuchsia;
      c.tooltipBackground = false;
      return c;
    }
  }
  return c;
}

std::vector<GridCell> BetRow(const std::string& number, const std::string& label, const std::string& odds,
                             const RaceView& v) {
  return {GridCell{number, colour::kLime, false, number == FullWidthSpace()}, BetCell(label, label, v),
          BetCell(odds, label, v)};
}

JudgementGrid BetGrid(const RaceSlot& slot, const RaceView& v) {
  // Emptied first: every cell of the row holds "　".
  JudgementGrid g = EmptyBetGrid();
  g.rows[1] = BetRow(FullWidthSpace(), FullWidthSpace(), FullWidthSpace(), v);
  const RaceAnalysis& a = slot.analysis;
  if (v.header.fetchCount == Sjis("１回")) {
    g.rows[1] = BetRow("", FullWidthSpace(), FullWidthSpace(), v);
    return g;
  }
  std::vector<std::vector<GridCell>> bets;
  for (int r = 1; r <= kMaxRunners; ++r) {
    const std::string& label = a.betLabels[static_cast<size_t>(r)];
    if (label.empty()) continue;
    const int index = v.pairKind == PairKind::kQuinella ? QuinellaPairIndex(label) : BracketPairIndex(label);
    std::string odds;
    if (index > 0 && v.snapshotCount >= 1) {
      const long long value = IntValue(PairOddsText(slot, v.pairKind, v.snapshotCount, index));
      if (value > 0) odds = Format("%7.1f", static_cast<double>(value) / 10.0);
    }
    bets.push_back(BetRow(Format("%2d", static_cast<int>(bets.size()) + 1), label, odds, v));
  }
  if (!bets.empty()) {
    g.rows.resize(1);
    for (auto& row : bets) g.rows.push_back(std::move(row));
  }
  return g;
}

}  // namespace

Colour BracketColour(int bracket) {
  switch (bracket) {
    case 1:
      return colour::kWhite;
    case 2:
      return colour::kGrey;
    case 3:
      return colour::kRed;
    case 4:
      return colour::kBlue;
    case 5:
      return colour::kYellow;
    case 6:
      return colour::kLime;
    case 7:
      return colour::kOrange;
    case 8:
      return colour::kFuchsia;
    default:
      return colour::kWhite;
  }
}

JudgementGrid EmptyBetGrid() {
  JudgementGrid g{JudgementGridKind::kBetList, 3, {}};
  g.rows.push_back({Heading(""), Heading(Sjis("買い目")), Heading(Sjis("オッズ"))});
  const RaceView none;
  g.rows.push_back(BetRow("", FullWidthSpace(), FullWidthSpace(), none));
  return g;
}

JudgementGrid EmptyJudgementGrid(int n) {
  switch (n) {
    case 1:
      return {JudgementGridKind::kAxis,
              9,
              {HeadingRow({"枠", "馬", "軸条件1", "軸条件2", "軸条件3", "軸条件4", "軸条件5", "軸条件6", "軸条件7"})}};
    case 2:
      return {JudgementGridKind::kPartner,
              7,
              {HeadingRow({"枠", "馬", "連条件1", "連条件2", "連条件3", "連条件4", "連条件5"})}};
    case 3:
      return {JudgementGridKind::kDecision, 4, {HeadingRow({"枠", "馬", "軸馬", "連対馬"})}};
    default:
      return EmptyBetGrid();
  }
}

std::array<JudgementGrid, 4> BuildJudgementGrids(const RaceSlot& slot, const RaceView& v) {
  const RaceAnalysis& a = slot.analysis;
  std::array<JudgementGrid, 4> grids{EmptyJudgementGrid(1), EmptyJudgementGrid(2), EmptyJudgementGrid(3),
                                     BetGrid(slot, v)};
  for (int h = 1; h <= v.runners; ++h) {
    const auto hh = static_cast<size_t>(h);
    auto axis = MarkRow(v.runners, h, 9);
    for (int k = 1; k <= 7; ++k)
      axis[static_cast<size_t>(k + 1)].text = a.axisConditionMarks[hh][static_cast<size_t>(k)];
    grids[0].rows.push_back(std::move(axis));
    auto partner = MarkRow(v.runners, h, 7);
    for (int k = 1; k <= 5; ++k)
      partner[static_cast<size_t>(k + 1)].text = a.partnerConditionMarks[hh][static_cast<size_t>(k)];
    grids[1].rows.push_back(std::move(partner));
    auto decision = MarkRow(v.runners, h, 4);
    decision[2].text = a.axisMark[hh];
    decision[3].text = a.partnerMark[hh];
    grids[2].rows.push_back(std::move(decision));
  }
  return grids;
}

}  // namespace tw
