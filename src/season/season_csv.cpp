#include "season/season_csv.h"

#include "codes/courses.h"
#include "season/season_groups.h"
#include "text/sjis.h"

namespace tw {
namespace {

// A cell as a spreadsheet reads it: quoted when it holds a comma, a quote or
// a line break, its quotes doubled.
std::string Cell(const std::string& utf8) {
  if (utf8.find_first_of(",\"\r\n") == std::string::npos) return utf8;
  std::string quoted = "\"";
  for (char c : utf8) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

}  // namespace

void AppendSeasonCsvRow(std::string& bytes, const std::vector<std::string>& cells) {
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) bytes += ',';
    bytes += Cell(cells[i]);
  }
  bytes += "\r\n";
}

std::string SeasonCsvDate(const std::string& date) {
  std::string text = date.substr(0, 4);
  text += '/';
  text += date.substr(4, 2);
  text += '/';
  text += date.substr(6, 2);
  return text;
}

const std::vector<std::string>& SeasonCsvHeadings() {
  static const std::vector<std::string> headings = {"日付",     "競馬場", "レース",     "波乱度",       "軸条件",
                                                    "買い目数", "購入額", "馬連払戻額", "ワイド払戻額", "参考払戻額"};
  return headings;
}

SeasonCsv::SeasonCsv() {
  bytes_ = kSeasonCsvByteOrderMark;
  AppendSeasonCsvRow(bytes_, SeasonCsvHeadings());
}

void SeasonCsv::AddDay(const SeasonDay& day) {
  if (day.outcome != SeasonDayOutcome::kCounted) return;
  for (const SeasonRace& race : day.races) {
    const long long stake = kTicketYen * static_cast<long long>(race.bets.size());
    AppendSeasonCsvRow(
        bytes_, {SeasonCsvDate(race.date), SjisToUtf8(CourseName(race.courseCode)), std::to_string(race.raceNumber),
                 SjisToUtf8(UpsetDegreeLabel(race.upsetDegree)), SjisToUtf8(AxisRuleLabel(race.axisRule)),
                 std::to_string(race.bets.size()), std::to_string(stake), std::to_string(ReturnOf(race.quinellaHits)),
                 std::to_string(ReturnOf(race.wideHits)), std::to_string(ReturnOf(race.referenceHits))});
    ++rows_;
  }
}

}  // namespace tw
