#include "print/season_table_print.h"

#include <algorithm>
#include <vector>

namespace tw {
namespace {

constexpr int kTablePoints = 8;
constexpr int kRow = 45;          // a table row, 4.5 mm
constexpr int kPad = 15;          // between a cell's rule and its text
constexpr int kTextDrop = 8;      // from a row's top rule to its text
constexpr size_t kGroupRows = 3;  // a group has a row for each kind of ticket

std::vector<size_t> MoneyColumns() {
  std::vector<size_t> columns;
  for (size_t c = 0; c <= kSeasonReturnRateColumn; ++c) columns.push_back(c);
  return columns;
}

std::vector<size_t> RiskColumns() {
  return {kSeasonGroupColumn,     kSeasonKindColumn,     kSeasonRateRangeColumn,
          kSeasonLosingRunColumn, kSeasonDrawdownColumn, kSeasonBiggestHitColumn};
}

// The columns' widths over every row of the table, so that its parts on
// different pages line up.
std::vector<int> ColumnWidths(const SeasonTable& table, const std::vector<size_t>& columns) {
  std::vector<int> widths;
  for (const size_t c : columns) {
    int width = SeasonTextWidth(table.columns[c].heading, kTablePoints);
    for (const auto& row : table.rows) width = std::max(width, SeasonTextWidth(row[c].text, kTablePoints));
    widths.push_back(width + 2 * kPad);
  }
  return widths;
}

// Draws rows [first, last) of the `columns` with their headings from `top`
// and returns the y below them. The group's own figures stand on the first
// of its three rows only, as in the text.
int DrawRows(PageCanvas& canvas, const SeasonTable& table, const std::vector<size_t>& columns,
             const std::vector<int>& widths, size_t first, size_t last, int top) {
  canvas.SetFont(kTablePoints);
  size_t firstKindColumn = columns.size();  // the first column ruled within a group
  for (size_t i = 0; i < columns.size() && firstKindColumn == columns.size(); ++i)
    if (columns[i] >= kSeasonKindColumn) firstKindColumn = i;
  std::vector<int> lefts = {kSeasonPageLeft};
  for (int w : widths) lefts.push_back(lefts.back() + w);
  const int right = lefts.back();
  const int rows = static_cast<int>(last - first);
  const int bottom = top + kRow * (rows + 1);

  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenWidth(5);
  canvas.SetBrush(colour::kSilver, BrushStyle::Solid);
  canvas.Rectangle(kSeasonPageLeft, top, right, top + kRow);
  canvas.SetBrushStyle(BrushStyle::Clear);
  for (int r = 1; r <= rows; ++r) {
    const bool groupStart = (first + static_cast<size_t>(r) - 1) % kGroupRows == 0;
    canvas.SetPenWidth(groupStart ? 10 : 5);
    const int y = top + kRow * r;
    // Within a group only the ticket columns are ruled.
    canvas.Line(groupStart ? kSeasonPageLeft : lefts[firstKindColumn], y, right, y);
  }
  canvas.SetPenWidth(5);
  for (size_t i = 1; i < widths.size(); ++i) canvas.Line(lefts[i], top, lefts[i], bottom);
  canvas.SetPenWidth(10);
  canvas.Rectangle(kSeasonPageLeft, top, right, bottom);

  auto cellText = [&](size_t i, int y, const std::string& text) {
    const int x = table.columns[columns[i]].alignRight ? lefts[i + 1] - kPad - SeasonTextWidth(text, kTablePoints)
                                                       : lefts[i] + kPad;
    canvas.Text(x, y + kTextDrop, text);
  };
  for (size_t i = 0; i < columns.size(); ++i) cellText(i, top, table.columns[columns[i]].heading);
  for (size_t r = first; r < last; ++r) {
    const bool groupStart = r % kGroupRows == 0;
    for (size_t i = 0; i < columns.size(); ++i) {
      if (!groupStart && columns[i] < kSeasonKindColumn) continue;
      cellText(i, top + kRow * static_cast<int>(r - first + 1), table.rows[r][columns[i]].text);
    }
  }
  return bottom;
}

// The table's `columns`, as many groups on each page as fit.
void DrawPart(SeasonPageFlow& flow, const SeasonTable& table, const std::vector<size_t>& columns) {
  const std::vector<int> widths = ColumnWidths(table, columns);
  const int groupHeight = kRow * static_cast<int>(kGroupRows);
  size_t first = 0;
  do {
    flow.Need(kRow + groupHeight);
    const auto fit = static_cast<size_t>(std::max(1, (SeasonPageFlow::kBottom - flow.y - kRow) / groupHeight));
    const size_t last = std::min(table.rows.size(), first + fit * kGroupRows);
    flow.y = DrawRows(flow.canvas(), table, columns, widths, first, last, flow.y) + kRow / 2;
    first = last;
  } while (first < table.rows.size());
}

}  // namespace

void DrawSeasonTable(SeasonPageFlow& flow, const SeasonTable& table) {
  DrawPart(flow, table, MoneyColumns());
  DrawPart(flow, table, RiskColumns());
}

int SeasonTextWidth(const std::string& sjis, int points) {
  // Half an em is points × 254 / 72 / 2 tenths of a millimetre.
  return static_cast<int>(sjis.size()) * points * 254 / 144;
}

}  // namespace tw
