#include "season/season_texts.h"

#include "codes/courses.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {

const std::string& TicketKindName(TicketKind kind) {
  static const std::string quinella = Sjis("馬連"), wide = Sjis("ワイド"), reference = Sjis("参考");
  switch (kind) {
    case TicketKind::kQuinella:
      return quinella;
    case TicketKind::kWide:
      return wide;
    case TicketKind::kReference:
      break;
  }
  return reference;
}

std::string PercentText(std::optional<double> percent) { return percent ? Format("%.1f%%", *percent) : "-"; }

std::string ReturnRateText(const TicketFigures& tickets) { return PercentText(tickets.ReturnRate()); }

std::string HitRateText(const TicketFigures& tickets) { return PercentText(tickets.HitRate()); }

std::string ReturnRateRangeText(const TicketFigures& tickets) {
  const auto range = tickets.ReturnRateRange();
  return range ? Format("%.1f-%.1f%%", range->low, range->high) : "-";
}

std::string DrawdownText(const TicketFigures& tickets) {
  static const std::string yen = Sjis("円"), until = Sjis("～");
  const DrawdownSpan span = tickets.LargestDrawdown();
  std::string text = std::to_string(span.yen) + yen;
  if (span.from.empty()) return text;
  text += ' ';
  text += SeasonDayText(span.from);
  text += until;
  text += SeasonDayText(span.to);
  return text;
}

std::string BiggestHitText(const TicketFigures& tickets) {
  return tickets.biggestHit() ? std::to_string(tickets.biggestHit()->yen) : "-";
}

std::string SeasonHitPlace(const SeasonHit& hit) {
  std::string text = SeasonDayText(hit.date);
  text += ' ';
  text += CourseName(hit.courseCode);
  text += Format("%2d", hit.raceNumber);
  text += "R  ";
  text += hit.bet;
  return text;
}

std::string SeasonDayText(const std::string& date) {
  static const std::string year = Sjis("年"), month = Sjis("月"), day = Sjis("日");
  if (date.size() != 8) return date;
  std::string text = date.substr(0, 4);
  text += year;
  text += date.substr(4, 2);
  text += month;
  text += date.substr(6, 2);
  text += day;
  return text;
}

const std::string& SeasonBreakdownTitle(SeasonDimension dimension) {
  static const std::string upset = Sjis("波乱度別"), axis = Sjis("軸条件別"), course = Sjis("競馬場別"),
                           year = Sjis("年別"), month = Sjis("月別"), bets = Sjis("買い目数別");
  switch (dimension) {
    case SeasonDimension::kUpsetDegree:
      return upset;
    case SeasonDimension::kAxisRule:
      return axis;
    case SeasonDimension::kCourse:
      return course;
    case SeasonDimension::kYear:
      return year;
    case SeasonDimension::kMonth:
      return month;
    case SeasonDimension::kBetCount:
      break;
  }
  return bets;
}

std::string SeasonRangeText(const std::string& from, const std::string& to) {
  static const std::string whole = Sjis("全期間"), until = Sjis("～");
  if (from.empty() && to.empty()) return whole;
  std::string text = SeasonDayText(from);
  text += until;
  text += SeasonDayText(to);
  return text;
}

std::string SeasonCoursesText(const std::vector<std::string>& names) {
  static const std::string every = Sjis("全競馬場"), dot = Sjis("・");
  if (names.empty()) return every;
  std::string text;
  for (const std::string& name : names) {
    if (!text.empty()) text += dot;
    text += name;
  }
  return text;
}

std::string SeasonDayCountsText(const SeasonTotals& totals) {
  static const std::string counted = Sjis("集計した日 "), pending = Sjis("  結果未取得の日 "),
                           skipped = Sjis("  読み込めなかった日 "), races = Sjis("  結果未取得のレース ");
  std::string text = counted;
  text += std::to_string(totals.all().days());
  text += pending;
  text += std::to_string(totals.daysWithoutResults().size());
  text += skipped;
  text += std::to_string(totals.skippedDays().size());
  text += races;
  text += std::to_string(totals.racesWithoutResults());
  return text;
}

const std::string& SeasonTicketNote() {
  static const std::string text = Sjis(
      "（買い目1点100円。馬連は買い目を馬連で、ワイドは同じ買い目をワイドで、参考は同じ点数を"
      "人気順の馬連で買った場合）");
  return text;
}

const std::string& SeasonNoResultsHeading() {
  static const std::string text = Sjis("結果未取得の日（払戻がまだないので数えていません）");
  return text;
}

const std::string& SeasonSkippedHeading() {
  static const std::string text = Sjis("読み込めなかった日（数えていません）");
  return text;
}

}  // namespace tw
