#include "season/season_groups.h"

#include "analysis/analysis_marks.h"
#include "codes/courses.h"
#include "text/sjis.h"

namespace tw {

const std::string& SeasonNoneLabel() {
  static const std::string text = Sjis("なし");
  return text;
}

std::string UpsetDegreeLabel(const std::string& upsetDegree) {
  return upsetDegree.empty() ? SeasonNoneLabel() : upsetDegree;
}

std::string AxisRuleLabel(int axisRule) {
  static const std::string head = Sjis("軸条件");
  if (axisRule < 1 || axisRule > 7) return SeasonNoneLabel();
  return head + std::to_string(axisRule);
}

std::string MonthLabel(const std::string& date) {
  static const std::string year = Sjis("年"), month = Sjis("月");
  if (date.size() < 6) return date;
  return date.substr(0, 4) + year + date.substr(4, 2) + month;
}

std::string YearLabel(const std::string& date) {
  static const std::string year = Sjis("年");
  if (date.size() < 4) return date;
  return date.substr(0, 4) + year;
}

std::string SeasonGroupKeyOf(SeasonDimension dimension, const SeasonRace& race) {
  switch (dimension) {
    case SeasonDimension::kUpsetDegree:
      // In the order of the rating, not of the bytes.
      return race.upsetDegree == SmallUpsetText()    ? "1"
             : race.upsetDegree == MediumUpsetText() ? "2"
             : race.upsetDegree == LargeUpsetText()  ? "3"
                                                     : "9";
    case SeasonDimension::kAxisRule:
      return race.axisRule < 1 || race.axisRule > 7 ? "9" : std::to_string(race.axisRule);
    case SeasonDimension::kCourse:
      return race.courseCode;
    case SeasonDimension::kYear:
      return race.date.substr(0, 4);
    case SeasonDimension::kMonth:
      return race.date.substr(0, 6);
    case SeasonDimension::kBetCount: {
      // "%02d" without a format call: every race of a season comes here.
      const size_t bets = race.bets.size();
      if (bets >= 100) return std::to_string(bets);
      return {static_cast<char>('0' + bets / 10), static_cast<char>('0' + bets % 10)};
    }
  }
  return {};
}

SeasonGroupKey SeasonGroupOf(SeasonDimension dimension, const SeasonRace& race) {
  std::string key = SeasonGroupKeyOf(dimension, race);
  switch (dimension) {
    case SeasonDimension::kUpsetDegree:
      return {std::move(key), UpsetDegreeLabel(race.upsetDegree)};
    case SeasonDimension::kAxisRule:
      return {std::move(key), AxisRuleLabel(race.axisRule)};
    case SeasonDimension::kCourse:
      return {std::move(key), CourseName(race.courseCode)};
    case SeasonDimension::kYear:
      return {std::move(key), YearLabel(race.date)};
    case SeasonDimension::kMonth:
      return {std::move(key), MonthLabel(race.date)};
    case SeasonDimension::kBetCount: {
      static const std::string unit = Sjis("点");
      return {std::move(key), std::to_string(race.bets.size()) + unit};
    }
  }
  return {};
}

}  // namespace tw
