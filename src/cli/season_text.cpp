#include "cli/season_text.h"

#include <iterator>
#include <string>
#include <vector>

#include "season/season_table.h"
#include "season/season_texts.h"
#include "text/sjis.h"

namespace tw {
namespace {

std::string Padded(const std::string& utf8, int width, bool right) {
  const int pad = width - DisplayWidth(utf8);
  if (pad <= 0) return utf8;
  return right ? std::string(static_cast<size_t>(pad), ' ') + utf8 : utf8 + std::string(static_cast<size_t>(pad), ' ');
}

// The terminal columns of the figures table (season/season_table.h).
constexpr int kWidths[kSeasonFigureColumns] = {12, 5, 7, 9, 7, 7, 6, 6, 7, 10, 10, 9, 14, 9, 9, 9};

void WriteRow(std::ostream& out, const std::vector<std::string>& cells) {
  std::string line;
  for (size_t i = 0; i < cells.size() && i < std::size(kWidths); ++i) {
    if (i > 0) line += ' ';
    line += Padded(cells[i], kWidths[i], SeasonFigureColumns()[i].alignRight);
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  out << line << '\n';
}

// The rows of the groups, three each: the group's own figures on its first.
void WriteRows(std::ostream& out, const std::vector<std::vector<SeasonCell>>& rows) {
  for (size_t r = 0; r < rows.size(); ++r) {
    std::vector<std::string> cells;
    for (size_t i = 0; i < rows[r].size(); ++i) {
      const bool groupFigure = i < kSeasonKindColumn;
      cells.push_back(groupFigure && r % kTicketKinds.size() != 0 ? std::string() : SjisToUtf8(rows[r][i].text));
    }
    WriteRow(out, cells);
  }
}

void WriteHeadings(std::ostream& out) {
  std::vector<std::string> cells;
  for (const SeasonColumn& c : SeasonFigureColumns()) cells.push_back(SjisToUtf8(c.heading));
  WriteRow(out, cells);
}

void WriteBiggestHit(std::ostream& out, TicketKind kind, const TicketFigures& t) {
  out << "  " << Padded(SjisToUtf8(TicketKindName(kind)), 6, false) << ' ';
  if (!t.biggestHit()) {
    out << "-\n";
    return;
  }
  const SeasonHit& hit = *t.biggestHit();
  out << Padded(std::to_string(hit.yen) + "円", 10, true) << "  " << SjisToUtf8(SeasonHitPlace(hit)) << '\n';
}

}  // namespace

int DisplayWidth(std::string_view utf8) {
  int width = 0;
  for (size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    unsigned code = c;
    if (length == 3 && i + 2 < utf8.size())
      code = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
             (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
    const bool halfWidthKana = code >= 0xFF61 && code <= 0xFF9F;
    width += length == 1 || halfWidthKana ? 1 : 2;
    i += length;
  }
  return width;
}

void WriteSeasonText(const SeasonTotals& totals, const SeasonHeading& heading, std::ostream& out) {
  std::vector<std::string> courses;
  for (const std::string& name : heading.courses) courses.push_back(Utf8ToSjis(name));
  out << "シーズン集計  " << SjisToUtf8(SeasonRangeText(heading.from, heading.to)) << "  "
      << SjisToUtf8(SeasonCoursesText(courses)) << '\n';
  if (!heading.filter.empty()) out << "絞り込み  " << SjisToUtf8(heading.filter) << '\n';
  out << "データフォルダ  " << heading.dataFolder << '\n';
  out << SjisToUtf8(SeasonDayCountsText(totals)) << '\n';
  out << SjisToUtf8(SeasonTicketNote()) << '\n';

  out << "\n全体\n";
  WriteHeadings(out);
  WriteRows(out, SeasonFigureRows(Sjis("全体"), 0, totals.all()));
  out << "\n最高配当\n";
  for (TicketKind kind : kTicketKinds) WriteBiggestHit(out, kind, totals.all().tickets(kind));
  out << "\n最大ドローダウン\n";
  for (TicketKind kind : kTicketKinds)
    out << "  " << Padded(SjisToUtf8(TicketKindName(kind)), 6, false) << ' '
        << SjisToUtf8(DrawdownText(totals.all().tickets(kind))) << '\n';

  for (const SeasonBreakdown& breakdown : totals.breakdowns()) {
    out << '\n' << SjisToUtf8(SeasonBreakdownTitle(breakdown.dimension())) << '\n';
    WriteHeadings(out);
    WriteRows(out, SeasonBreakdownTable(breakdown).rows);
  }
  if (!totals.daysWithoutResults().empty() || !totals.skippedDays().empty()) out << '\n';
  WriteSeasonDayLists(totals, out);
}

void WriteSeasonDayLists(const SeasonTotals& totals, std::ostream& out) {
  if (!totals.daysWithoutResults().empty()) {
    out << SjisToUtf8(SeasonNoResultsHeading()) << '\n';
    for (const std::string& day : totals.daysWithoutResults()) out << "  " << SjisToUtf8(day) << '\n';
  }
  if (!totals.skippedDays().empty()) {
    out << SjisToUtf8(SeasonSkippedHeading()) << '\n';
    for (const SkippedSeasonDay& day : totals.skippedDays()) {
      out << "  " << SjisToUtf8(day.dayName) << '\n';
      for (const std::string& reason : day.reasons) out << "    " << SjisToUtf8(reason) << '\n';
    }
  }
}

}  // namespace tw
