#include "cli/season_text.h"

#include <string>
#include <vector>

#include "codes/courses.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {
namespace {

// yyyymmdd as the day name "yyyy年mm月dd日".
std::string DayText(const std::string& date) {
  if (date.size() != 8) return date;
  return date.substr(0, 4) + "年" + date.substr(4, 2) + "月" + date.substr(6, 2) + "日";
}

std::string Padded(const std::string& utf8, int width, bool right) {
  const int pad = width - DisplayWidth(utf8);
  if (pad <= 0) return utf8;
  return right ? std::string(static_cast<size_t>(pad), ' ') + utf8 : utf8 + std::string(static_cast<size_t>(pad), ' ');
}

struct Column {
  const char* heading;
  int width;
};

// 区分 日数 レース 買い目有 買い目 | 券種 的中 的中R 購入額 払戻額 回収率 最長連敗 最高配当
const std::vector<Column>& Columns() {
  static const std::vector<Column> columns = {
      {"区分", 12}, {"日数", 5},    {"レース", 7},  {"買い目有", 9}, {"買い目", 7},   {"券種", 7},     {"的中", 6},
      {"的中R", 6}, {"購入額", 10}, {"払戻額", 10}, {"回収率", 9},   {"最長連敗", 9}, {"最高配当", 9},
  };
  return columns;
}

void WriteRow(std::ostream& out, const std::vector<std::string>& cells) {
  std::string line;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += ' ';
    // The label and the ticket kind left, the numbers right.
    line += Padded(cells[i], Columns()[i].width, i != 0 && i != 5);
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  out << line << '\n';
}

std::string RateText(const TicketFigures& t) {
  const auto rate = t.ReturnRate();
  return rate ? Format("%.1f%%", *rate) : "-";
}

std::vector<std::string> TicketCells(const char* kind, const TicketFigures& t) {
  return {kind,
          std::to_string(t.hits()),
          std::to_string(t.hitRaces()),
          std::to_string(t.stake()),
          std::to_string(t.returned()),
          RateText(t),
          std::to_string(t.longestLosingRun()),
          t.biggestHit() ? std::to_string(t.biggestHit()->yen) : "-"};
}

void WriteFigures(std::ostream& out, const std::string& label, const SeasonFigures& f) {
  const struct {
    const char* kind;
    const TicketFigures& tickets;
  } lines[] = {{"馬連", f.quinella()}, {"ワイド", f.wide()}, {"参考", f.reference()}};
  bool first = true;
  for (const auto& line : lines) {
    std::vector<std::string> cells;
    if (first) {
      cells = {label, std::to_string(f.days()), std::to_string(f.races()), std::to_string(f.racesWithBets()),
               std::to_string(f.bets())};
    } else {
      cells.assign(5, "");
    }
    for (std::string& cell : TicketCells(line.kind, line.tickets)) cells.push_back(std::move(cell));
    WriteRow(out, cells);
    first = false;
  }
}

void WriteHeadings(std::ostream& out) {
  std::vector<std::string> cells;
  for (const Column& c : Columns()) cells.emplace_back(c.heading);
  WriteRow(out, cells);
}

void WriteBiggestHit(std::ostream& out, const char* kind, const TicketFigures& t) {
  out << "  " << Padded(kind, 6, false) << ' ';
  if (!t.biggestHit()) {
    out << "-\n";
    return;
  }
  const SeasonHit& hit = *t.biggestHit();
  out << Padded(std::to_string(hit.yen) + "円", 10, true) << "  " << DayText(hit.date) << ' '
      << SjisToUtf8(CourseName(hit.courseCode)) << Format("%2d", hit.raceNumber) << "R  " << hit.bet << '\n';
}

const char* BreakdownTitle(SeasonDimension dimension) {
  switch (dimension) {
    case SeasonDimension::kUpsetDegree:
      return "波乱度別";
    case SeasonDimension::kAxisRule:
      return "軸条件別";
    case SeasonDimension::kCourse:
      return "競馬場別";
    case SeasonDimension::kMonth:
      return "月別";
    case SeasonDimension::kBetCount:
      return "買い目数別";
  }
  return "";
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
  std::string range =
      heading.from.empty() && heading.to.empty() ? "全期間" : DayText(heading.from) + "～" + DayText(heading.to);
  std::string courses;
  for (const std::string& name : heading.courses) courses += (courses.empty() ? "" : "・") + name;
  out << "シーズン集計  " << range << "  " << (courses.empty() ? "全競馬場" : courses) << '\n';
  out << "データフォルダ  " << heading.dataFolder << '\n';
  out << "集計した日 " << totals.all().days() << "  結果未取得の日 " << totals.daysWithoutResults().size()
      << "  読み込めなかった日 " << totals.skippedDays().size() << "  結果未取得のレース "
      << totals.racesWithoutResults() << '\n';
  out << "（買い目1点100円。馬連は買い目を馬連で、ワイドは同じ買い目をワイドで、参考は同じ点数を"
         "人気順の馬連で買った場合）\n";

  out << "\n全体\n";
  WriteHeadings(out);
  WriteFigures(out, "全体", totals.all());
  out << "\n最高配当\n";
  WriteBiggestHit(out, "馬連", totals.all().quinella());
  WriteBiggestHit(out, "ワイド", totals.all().wide());
  WriteBiggestHit(out, "参考", totals.all().reference());

  for (const SeasonBreakdown& breakdown : totals.breakdowns()) {
    out << '\n' << BreakdownTitle(breakdown.dimension()) << '\n';
    WriteHeadings(out);
    for (const SeasonGroup& group : breakdown.groups()) WriteFigures(out, SjisToUtf8(group.label), group.figures);
  }
  if (!totals.daysWithoutResults().empty() || !totals.skippedDays().empty()) out << '\n';
  WriteSeasonDayLists(totals, out);
}

void WriteSeasonDayLists(const SeasonTotals& totals, std::ostream& out) {
  if (!totals.daysWithoutResults().empty()) {
    out << "結果未取得の日（払戻がまだないので数えていません）\n";
    for (const std::string& day : totals.daysWithoutResults()) out << "  " << SjisToUtf8(day) << '\n';
  }
  if (!totals.skippedDays().empty()) {
    out << "読み込めなかった日（数えていません）\n";
    for (const SkippedSeasonDay& day : totals.skippedDays()) {
      out << "  " << SjisToUtf8(day.dayName) << '\n';
      for (const std::string& reason : day.reasons) out << "    " << SjisToUtf8(reason) << '\n';
    }
  }
}

}  // namespace tw
