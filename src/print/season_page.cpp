#include "print/season_page.h"

#include <algorithm>

#include "print/analysis_page.h"
#include "season/season_texts.h"
#include "text/sjis.h"

namespace tw {
namespace {

constexpr int kTablePoints = 8;
constexpr int kTextPoints = 9;
constexpr int kRow = 45;      // a table row, 4.5 mm
constexpr int kLine = 50;     // a line of text
constexpr int kPad = 15;      // between a cell's rule and its text
constexpr int kTextDrop = 8;  // from a row's top rule to its text

struct PageTexts {
  std::string title = Sjis("成績集計");
  std::string range = Sjis("期間：");
  std::string courses = Sjis("競馬場：");
  std::string folder = Sjis("データフォルダ：");
  std::string whole = Sjis("全体");
  std::string biggest = Sjis("最高配当");
  std::string yen = Sjis("円");
};

const PageTexts& Texts() {
  static const PageTexts texts;
  return texts;
}

// Draws the table from `top` and returns the y below it. The group's own
// figures stand on the first of its three rows only, as in the text.
int DrawTable(PageCanvas& canvas, const SeasonTable& table, int top) {
  canvas.SetFont(kTablePoints);
  std::vector<int> widths;
  for (size_t c = 0; c < table.columns.size(); ++c) {
    int width = SeasonTextWidth(table.columns[c].heading, kTablePoints);
    for (const auto& row : table.rows) width = std::max(width, SeasonTextWidth(row[c].text, kTablePoints));
    widths.push_back(width + 2 * kPad);
  }
  std::vector<int> lefts = {kSeasonPageLeft};
  for (int w : widths) lefts.push_back(lefts.back() + w);
  const int right = lefts.back();
  const int bottom = top + kRow * static_cast<int>(table.rows.size() + 1);

  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenWidth(5);
  canvas.SetBrush(colour::kSilver, BrushStyle::Solid);
  canvas.Rectangle(kSeasonPageLeft, top, right, top + kRow);
  canvas.SetBrushStyle(BrushStyle::Clear);
  for (size_t r = 1; r <= table.rows.size(); ++r) {
    const bool groupStart = (r - 1) % kTicketKinds.size() == 0;
    canvas.SetPenWidth(groupStart ? 10 : 5);
    const int y = top + kRow * static_cast<int>(r);
    // Within a group only the ticket columns are ruled.
    canvas.Line(groupStart ? kSeasonPageLeft : lefts[kSeasonKindColumn], y, right, y);
  }
  canvas.SetPenWidth(5);
  for (size_t c = 1; c < widths.size(); ++c) canvas.Line(lefts[c], top, lefts[c], bottom);
  canvas.SetPenWidth(10);
  canvas.Rectangle(kSeasonPageLeft, top, right, bottom);

  auto cellText = [&](size_t c, int y, const std::string& text) {
    const int x =
        table.columns[c].alignRight ? lefts[c + 1] - kPad - SeasonTextWidth(text, kTablePoints) : lefts[c] + kPad;
    canvas.Text(x, y + kTextDrop, text);
  };
  for (size_t c = 0; c < table.columns.size(); ++c) cellText(c, top, table.columns[c].heading);
  for (size_t r = 0; r < table.rows.size(); ++r) {
    const bool groupStart = r % kTicketKinds.size() == 0;
    for (size_t c = 0; c < table.columns.size(); ++c) {
      if (!groupStart && c < kSeasonKindColumn) continue;
      cellText(c, top + kRow * static_cast<int>(r + 1), table.rows[r][c].text);
    }
  }
  return bottom;
}

int DrawBiggestHits(PageCanvas& canvas, const SeasonFigures& all, int y) {
  const PageTexts& t = Texts();
  canvas.SetFont(kTextPoints);
  for (TicketKind kind : kTicketKinds) {
    const TicketFigures& tickets = all.tickets(kind);
    const int x = kSeasonPageLeft + 40;
    canvas.Text(x, y, TicketKindName(kind));
    if (!tickets.biggestHit()) {
      canvas.Text(x + 150, y, "-");
    } else {
      const SeasonHit& hit = *tickets.biggestHit();
      const std::string yen = std::to_string(hit.yen) + t.yen;
      // The yen right-aligned at 10 half-width characters, as in the text.
      const int yenRight = x + 150 + SeasonTextWidth(std::string(10, ' '), kTextPoints);
      canvas.Text(yenRight - SeasonTextWidth(yen, kTextPoints), y, yen);
      canvas.Text(yenRight + SeasonTextWidth("  ", kTextPoints), y, SeasonHitPlace(hit));
    }
    y += kLine;
  }
  return y;
}

}  // namespace

const std::string& SeasonPageCaption() {
  static const std::string caption = Sjis("Turfwise 成績集計");
  return caption;
}

int SeasonTextWidth(const std::string& sjis, int points) {
  // Half an em is points × 254 / 72 / 2 tenths of a millimetre.
  return static_cast<int>(sjis.size()) * points * 254 / 144;
}

Page BuildSeasonPage(const SeasonTotals& totals, const SeasonPageFilters& filters) {
  const PageTexts& t = Texts();
  Page page;
  PageCanvas canvas(page);
  canvas.SetFontName(PrintFontName());

  canvas.SetFont(16, true, true);
  canvas.Text(kSeasonPageLeft, 60, t.title);
  canvas.SetFont(kTextPoints);
  int y = 190;
  canvas.Text(kSeasonPageLeft, y, t.range + SeasonRangeText(filters.from, filters.to));
  y += kLine;
  canvas.Text(kSeasonPageLeft, y, t.courses + SeasonCoursesText(filters.courses));
  y += kLine;
  // A long folder name is cut off at the right edge rather than run off the page.
  canvas.TextClipped(kSeasonPageLeft, y, kSeasonPageRight, y + kLine, kSeasonPageLeft, y,
                     t.folder + filters.dataFolder);
  y += kLine;
  canvas.Text(kSeasonPageLeft, y, SeasonDayCountsText(totals));
  y += kLine;
  // The note in the tables' size, which fits it on one line.
  canvas.SetFont(kTablePoints);
  canvas.Text(kSeasonPageLeft, y, SeasonTicketNote());
  y += 2 * kLine;

  canvas.SetFont(10, true);
  canvas.Text(kSeasonPageLeft, y, t.whole);
  y += kLine + 10;
  SeasonTable whole;
  whole.columns = SeasonFigureColumns();
  whole.rows = SeasonFigureRows(t.whole, 0, totals.all());
  y = DrawTable(canvas, whole, y) + kLine;

  canvas.SetFont(10, true);
  canvas.Text(kSeasonPageLeft, y, t.biggest);
  y += kLine + 10;
  y = DrawBiggestHits(canvas, totals.all(), y) + kLine;

  canvas.SetFont(10, true);
  canvas.Text(kSeasonPageLeft, y, SeasonBreakdownTitle(SeasonDimension::kUpsetDegree));
  y += kLine + 10;
  DrawTable(canvas, SeasonBreakdownTable(totals.breakdown(SeasonDimension::kUpsetDegree)), y);
  return page;
}

}  // namespace tw
