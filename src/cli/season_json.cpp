#include "cli/season_json.h"

#include "cli/json_writer.h"
#include "cli/season_command.h"
#include "codes/courses.h"
#include "text/fields.h"
#include "text/sjis.h"

namespace tw {
namespace {

void TextOrNull(JsonWriter& json, const std::string& text) {
  if (text.empty()) {
    json.Null();
  } else {
    json.String(text);
  }
}

void WriteTickets(JsonWriter& json, const TicketFigures& t) {
  json.BeginObject();
  json.Key("tickets").Int(t.tickets());
  json.Key("hits").Int(t.hits());
  json.Key("hitRaces").Int(t.hitRaces());
  json.Key("stake").Int(t.stake());
  json.Key("return").Int(t.returned());
  if (auto rate = t.ReturnRate()) {
    json.Key("returnRate").Double(*rate);
  } else {
    json.Key("returnRate").Null();
  }
  if (auto rate = t.HitRate()) {
    json.Key("hitRate").Double(*rate);
  } else {
    json.Key("hitRate").Null();
  }
  json.Key("returnRateInterval");
  if (auto range = t.ReturnRateRange()) {
    json.BeginObject();
    json.Key("low").Double(range->low);
    json.Key("high").Double(range->high);
    json.EndObject();
  } else {
    json.Null();
  }
  const DrawdownSpan drawdown = t.LargestDrawdown();
  json.Key("maxDrawdown").BeginObject();
  json.Key("yen").Int(drawdown.yen);
  TextOrNull(json.Key("from"), drawdown.from);
  TextOrNull(json.Key("to"), drawdown.to);
  json.EndObject();
  json.Key("longestLosingRun").Int(t.longestLosingRun());
  json.Key("biggestHit");
  if (const auto& hit = t.biggestHit()) {
    json.BeginObject();
    json.Key("yen").Int(hit->yen);
    json.Key("date").String(hit->date);
    json.Key("courseCode").String(hit->courseCode);
    json.Key("course").String(SjisToUtf8(CourseName(hit->courseCode)));
    json.Key("race").Int(hit->raceNumber);
    json.Key("bet").String(hit->bet);
    json.EndObject();
  } else {
    json.Null();
  }
  json.EndObject();
}

// The figures' members, inside an object already begun.
void WriteFigureMembers(JsonWriter& json, const SeasonFigures& f) {
  json.Key("days").Int(f.days());
  json.Key("races").Int(f.races());
  json.Key("racesWithBets").Int(f.racesWithBets());
  json.Key("bets").Int(f.bets());
  WriteTickets(json.Key("quinella"), f.quinella());
  WriteTickets(json.Key("wide"), f.wide());
  WriteTickets(json.Key("reference"), f.reference());
}

const char* BreakdownKey(SeasonDimension dimension) {
  switch (dimension) {
    case SeasonDimension::kUpsetDegree:
      return "upsetDegree";
    case SeasonDimension::kAxisRule:
      return "axisRule";
    case SeasonDimension::kCourse:
      return "course";
    case SeasonDimension::kYear:
      return "year";
    case SeasonDimension::kMonth:
      return "month";
    case SeasonDimension::kBetCount:
      return "betCount";
  }
  return "";
}

// The group as a value of its kind: the rating text ("" for none), the axis
// condition 1..7 (0 for none), the course code, yyyymm, the number of bets.
void WriteGroupValue(JsonWriter& json, SeasonDimension dimension, const SeasonGroup& group) {
  const bool none = group.key == "9";
  switch (dimension) {
    case SeasonDimension::kUpsetDegree:
      json.String(none ? std::string() : SjisToUtf8(group.label));
      return;
    case SeasonDimension::kAxisRule:
      json.Int(none ? 0 : IntValue(group.key));
      return;
    case SeasonDimension::kBetCount:
      json.Int(IntValue(group.key));
      return;
    case SeasonDimension::kCourse:
    case SeasonDimension::kYear:
    case SeasonDimension::kMonth:
      json.String(group.key);
      return;
  }
}

}  // namespace

void WriteSeasonJson(const SeasonTotals& totals, const SeasonHeading& heading, std::ostream& out) {
  JsonWriter json(out);
  json.BeginObject();
  json.Key("version").Int(kSeasonJsonVersion);
  json.Key("dataFolder").String(heading.dataFolder);
  TextOrNull(json.Key("from"), heading.from);
  TextOrNull(json.Key("to"), heading.to);
  json.Key("courses").BeginArray();
  for (const std::string& name : heading.courses) json.String(name);
  json.EndArray();
  TextOrNull(json.Key("filter"), SjisToUtf8(heading.filter));

  json.Key("days").BeginObject();
  json.Key("lookedAt").Int(totals.daysLookedAt());
  json.Key("counted").Int(totals.all().days());
  json.Key("withoutResults").BeginArray();
  for (const std::string& day : totals.daysWithoutResults()) json.String(SjisToUtf8(day));
  json.EndArray();
  json.Key("skipped").BeginArray();
  for (const SkippedSeasonDay& day : totals.skippedDays()) {
    json.BeginObject();
    json.Key("day").String(SjisToUtf8(day.dayName));
    json.Key("reasons").BeginArray();
    for (const std::string& reason : day.reasons) json.String(SjisToUtf8(reason));
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
  json.Key("racesWithoutResults").Int(totals.racesWithoutResults());
  json.EndObject();

  json.Key("season").BeginObject();
  WriteFigureMembers(json, totals.all());
  json.EndObject();

  json.Key("breakdowns").BeginObject();
  for (const SeasonBreakdown& breakdown : totals.breakdowns()) {
    json.Key(BreakdownKey(breakdown.dimension())).BeginArray();
    for (const SeasonGroup& group : breakdown.groups()) {
      json.BeginObject();
      WriteGroupValue(json.Key("group"), breakdown.dimension(), group);
      json.Key("label").String(SjisToUtf8(group.label));
      WriteFigureMembers(json, group.figures);
      json.EndObject();
    }
    json.EndArray();
  }
  json.EndObject();
  json.EndObject();
  out << '\n';
}

}  // namespace tw
