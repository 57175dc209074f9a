#include "print/season_page.h"

#include "print/season_chart_print.h"
#include "season/season_texts.h"
#include "text/sjis.h"

namespace tw {
namespace {

constexpr int kTablePoints = 8;
constexpr int kTextPoints = 9;
constexpr int kLine = 50;  // a line of text

struct PageTexts {
  std::string title = Sjis("成績集計");
  std::string range = Sjis("期間：");
  std::string courses = Sjis("競馬場：");
  std::string filter = Sjis("絞り込み：");
  std::string folder = Sjis("データフォルダ：");
  std::string whole = Sjis("全体");
  std::string biggest = Sjis("最高配当");
  std::string drawdown = Sjis("最大ドローダウン");
  std::string charts = Sjis("グラフ");
  std::string yen = Sjis("円");
};

const PageTexts& Texts() {
  static const PageTexts texts;
  return texts;
}

// A section's title, on a new page unless the title and a group fit.
void SectionTitle(SeasonPageFlow& flow, const std::string& title) {
  flow.Need(kLine + 10 + 4 * 45);
  flow.canvas().SetFont(10, true);
  flow.canvas().Text(kSeasonPageLeft, flow.y, title);
  flow.y += kLine + 10;
}

// One line per kind of ticket: its name, then what `text` says of it.
void KindLines(SeasonPageFlow& flow, const SeasonFigures& all, std::string (*text)(const TicketFigures&)) {
  PageCanvas& canvas = flow.canvas();
  canvas.SetFont(kTextPoints);
  for (TicketKind kind : kTicketKinds) {
    const int x = kSeasonPageLeft + 40;
    canvas.Text(x, flow.y, TicketKindName(kind));
    canvas.Text(x + 150, flow.y, text(all.tickets(kind)));
    flow.y += kLine;
  }
  flow.y += kLine;
}

void DrawBiggestHits(SeasonPageFlow& flow, const SeasonFigures& all) {
  const PageTexts& t = Texts();
  PageCanvas& canvas = flow.canvas();
  canvas.SetFont(kTextPoints);
  for (TicketKind kind : kTicketKinds) {
    const TicketFigures& tickets = all.tickets(kind);
    const int x = kSeasonPageLeft + 40;
    canvas.Text(x, flow.y, TicketKindName(kind));
    if (!tickets.biggestHit()) {
      canvas.Text(x + 150, flow.y, "-");
    } else {
      const SeasonHit& hit = *tickets.biggestHit();
      const std::string yen = std::to_string(hit.yen) + t.yen;
      // The yen right-aligned at 10 half-width characters, as in the text.
      const int yenRight = x + 150 + SeasonTextWidth(std::string(10, ' '), kTextPoints);
      canvas.Text(yenRight - SeasonTextWidth(yen, kTextPoints), flow.y, yen);
      canvas.Text(yenRight + SeasonTextWidth("  ", kTextPoints), flow.y, SeasonHitPlace(hit));
    }
    flow.y += kLine;
  }
  flow.y += kLine;
}

void DrawHeading(SeasonPageFlow& flow, const SeasonTotals& totals, const SeasonPageFilters& filters) {
  const PageTexts& t = Texts();
  PageCanvas& canvas = flow.canvas();
  canvas.SetFont(16, true, true);
  canvas.Text(kSeasonPageLeft, 60, t.title);
  canvas.SetFont(kTextPoints);
  flow.y = 190;
  canvas.Text(kSeasonPageLeft, flow.y, t.range + SeasonRangeText(filters.from, filters.to));
  flow.y += kLine;
  canvas.Text(kSeasonPageLeft, flow.y, t.courses + SeasonCoursesText(filters.courses));
  flow.y += kLine;
  if (!filters.filter.empty()) {
    canvas.Text(kSeasonPageLeft, flow.y, t.filter + filters.filter);
    flow.y += kLine;
  }
  // A long folder name is cut off at the right edge rather than run off the page.
  canvas.TextClipped(kSeasonPageLeft, flow.y, kSeasonPageRight, flow.y + kLine, kSeasonPageLeft, flow.y,
                     t.folder + filters.dataFolder);
  flow.y += kLine;
  canvas.Text(kSeasonPageLeft, flow.y, SeasonDayCountsText(totals));
  flow.y += kLine;
  // The note in the tables' size, which fits it on one line.
  canvas.SetFont(kTablePoints);
  canvas.Text(kSeasonPageLeft, flow.y, SeasonTicketNote());
  flow.y += 2 * kLine;
}

}  // namespace

const std::string& SeasonPageCaption() {
  static const std::string caption = Sjis("Turfwise 成績集計");
  return caption;
}

std::vector<Page> BuildSeasonPages(const SeasonTotals& totals, const SeasonPageFilters& filters,
                                   const SeasonProfitLine& profit, double takeoutPercent) {
  const PageTexts& t = Texts();
  SeasonPageFlow flow;
  DrawHeading(flow, totals, filters);

  SectionTitle(flow, t.whole);
  SeasonTable whole;
  whole.columns = SeasonFigureColumns();
  whole.rows = SeasonFigureRows(t.whole, 0, totals.all());
  DrawSeasonTable(flow, whole);
  flow.y += kLine;
  SectionTitle(flow, t.biggest);
  DrawBiggestHits(flow, totals.all());
  SectionTitle(flow, t.drawdown);
  KindLines(flow, totals.all(), &DrawdownText);

  for (const SeasonBreakdown& breakdown : totals.breakdowns()) {
    SectionTitle(flow, SeasonBreakdownTitle(breakdown.dimension()));
    DrawSeasonTable(flow, SeasonBreakdownTable(breakdown));
    flow.y += kLine;
  }

  flow.NewPage();
  flow.canvas().SetFont(16, true, true);
  flow.canvas().Text(kSeasonPageLeft, 60, t.charts);
  DrawSeasonProfitChart(flow.canvas(), profit, 200, 1350);
  DrawSeasonRateChart(flow.canvas(), UpsetReturnRates(totals), takeoutPercent, 1450, 2600);
  return flow.Finish();
}

}  // namespace tw
