#include "cli/analyse_command.h"

#include <memory>

#include "analysis/load_race_day.h"
#include "analysis/race_day_texts.h"
#include "base/settings.h"
#include "cli/command_prelude.h"
#include "cli/json_writer.h"
#include "codes/pairs.h"
#include "records/odds_record.h"
#include "records/race_record.h"
#include "records/record_header.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {

namespace {

std::string Utf8(const std::string& sjis) { return SjisToUtf8(sjis); }

// Values that do not exist are written as null.
void NumberOrNull(JsonWriter& json, double value) {
  if (value < kNoValue) {
    json.Double(value);
  } else {
    json.Null();
  }
}

void WriteHorse(JsonWriter& json, const RaceAnalysis& a, int h) {
  json.BeginObject();
  json.Key("h").Int(h);
  auto perSnapshot = [&](const char* key, const PerHorseSnapshot<double>& values, bool nullable) {
    json.Key(key).BeginArray();
    for (int s = 1; s <= kSnapshots; ++s) {
      if (nullable) {
        NumberOrNull(json, values[h][s]);
      } else {
        json.Double(values[h][s]);
      }
    }
    json.EndArray();
  };
  perSnapshot("winShare", a.winShare, false);
  perSnapshot("quinellaShare", a.quinellaShare, false);
  perSnapshot("bracketShare", a.bracketShare, false);
  perSnapshot("shareGap", a.shareGap, true);
  NumberOrNull(json.Key("winShareChange"), a.winShareChange[h]);
  NumberOrNull(json.Key("quinellaShareChange"), a.quinellaShareChange[h]);
  NumberOrNull(json.Key("shareGapChange"), a.shareGapChange[h]);
  NumberOrNull(json.Key("maxShareGap"), a.maxShareGap[h]);
  json.Key("firstWinRank").Int(a.firstWinRank[h]);
  json.Key("driftMark").String(Utf8(a.driftMark[h]));
  json.Key("winChangeRank").Int(a.winChangeRank[h]);
  json.Key("quinellaChangeRank").Int(a.quinellaChangeRank[h]);
  json.Key("axisConditionMarks").BeginArray();
  for (int k = 1; k <= 7; ++k) json.String(Utf8(a.axisConditionMarks[h][k]));
  json.EndArray();
  json.Key("partnerConditionMarks").BeginArray();
  for (int k = 1; k <= 5; ++k) json.String(Utf8(a.partnerConditionMarks[h][k]));
  json.EndArray();
  json.Key("axisMark").String(Utf8(a.axisMark[h]));
  json.Key("partnerMark").String(Utf8(a.partnerMark[h]));
  json.EndObject();
}

void WriteRace(JsonWriter& json, const RaceSlot& slot, int i) {
  const RaceAnalysis& a = slot.analysis;
  auto texts = [&](const char* key, const PerSnapshot<std::string>& values) {
    json.Key(key).BeginArray();
    for (int s = 1; s <= kSnapshots; ++s) json.String(Utf8(values[s]));
    json.EndArray();
  };
  json.BeginObject();
  json.Key("slot").Int(i);
  json.Key("key").String(Utf8(RaceKey(slot.race)));
  json.Key("raceNumber").Int(RaceNumber(slot.race));
  json.Key("runners").Int(StoredRunnerCount(slot.race));
  json.Key("snapshotCount").Int(a.snapshotCount);
  texts("fetchTimes", a.fetchTimes);
  texts("winSnapshotTimes", a.winSnapshotTimes);
  texts("quinellaSnapshotTimes", a.quinellaSnapshotTimes);
  json.Key("axisRule").Int(a.axisRule);
  json.Key("upsetDegree").String(Utf8(a.upsetDegree));
  json.Key("betLabels").BeginArray();
  for (int k = 1; k <= kMaxRunners; ++k) {
    if (!a.betLabels[k].empty()) json.String(Utf8(a.betLabels[k]));
  }
  json.EndArray();
  json.Key("shortQuinellaCount").BeginArray();
  for (int s = 1; s <= kSnapshots; ++s) json.Int(a.shortQuinellaCount[s]);
  json.EndArray();
  json.Key("winPopularityOrder").BeginArray();
  for (int s = 1; s <= kSnapshots; ++s) {
    json.BeginArray();
    for (int r = 1; r <= kMaxRunners; ++r) json.Int(a.winPopularityOrder[r][s]);
    json.EndArray();
  }
  json.EndArray();
  json.Key("hasPayout").Bool(a.hasPayout);
  json.Key("horses").BeginArray();
  for (int h = 1; h <= kMaxRunners; ++h) WriteHorse(json, a, h);
  json.EndArray();
  json.EndObject();
}

// The current odds of a bet label at the latest snapshot, in the pair mode of
// the race; empty when they cannot be read.
std::string BetOddsText(const RaceDayModel& model, const RaceSlot& slot, const std::string& label) {
  int s = slot.analysis.snapshotCount;
  if (s < 1) return {};
  int n = StoredRunnerCount(slot.race);
  long long v = 0;
  if (PairKindOf(n, model.fromYear2005) == PairKind::kQuinella) {
    int j = QuinellaPairIndex(label);
    if (j == 0) return {};
    v = IntValue(QuinellaOddsOf(slot.quinellaOdds[s], j));
  } else {
    int j = BracketPairIndex(label);
    if (j == 0) return {};
    v = IntValue(BracketOddsOf(slot.winOdds[s], j));
  }
  if (v < 1) return {};
  return Format("%.1f", static_cast<double>(v) / 10.0);
}

// The axis horse the bet list is built on: the highest number marked "◎".
int AxisHorse(const RaceAnalysis& a) {
  static const std::string kAxis = Sjis("◎");
  for (int h = kMaxRunners; h >= 1; --h) {
    if (a.axisMark[h] == kAxis) return h;
  }
  return 0;
}

}  // namespace

int RunAnalyseCommand(const std::vector<std::string>& args, CliContext& context) {
  static const OptionSpec spec{{{"--data", "DIR"}, {"--day", "DAYNAME"}}, {"--text"}};
  CommandPrelude prelude("analyse", kAnalyseUsage, context);
  CommandOptions options;
  if (!prelude.Parse(args, spec, options)) return kExitUsage;
  LoadedCommandDay loaded;
  std::string error;
  if (!LoadDataFolderDay(options, context, prelude.clock(), loaded, error)) return prelude.Fail(error);
  if (options.Has("--text")) {
    WriteDayText(*loaded.model, loaded.day.dayName, context.out);
  } else {
    WriteDayJson(*loaded.model, loaded.day.dayName, context.out);
  }
  context.out.flush();
  if (!context.out) return prelude.Fail("cannot write the output");
  return DoneExitStatus(loaded.dayFileProblems);
}

void WriteDayJson(const RaceDayModel& model, const std::string& dayName, std::ostream& out) {
  JsonWriter json(out);
  json.BeginObject();
  json.Key("version").Int(kAnalysisJsonVersion);
  json.Key("day").String(SjisToUtf8(dayName));
  json.Key("races").BeginArray();
  for (int i = 0; i < kMaxRaces; ++i) {
    const RaceSlot& slot = model.slots[static_cast<size_t>(i)];
    if (slot.analysis.present) WriteRace(json, slot, i);
  }
  json.EndArray();
  json.EndObject();
  out << '\n';
}

void WriteDayText(const RaceDayModel& model, const std::string& dayName, std::ostream& out) {
  out << SjisToUtf8(dayName) << '\n';
  for (int i = 0; i < kMaxRaces; ++i) {
    const RaceSlot& slot = model.slots[static_cast<size_t>(i)];
    const RaceAnalysis& a = slot.analysis;
    if (!a.present) continue;
    int axis = AxisHorse(a);
    out << Format("[%2d] ", i) << SjisToUtf8(RaceListEntryText(slot.race))
        << Format("  runners %2d  snapshots %d", StoredRunnerCount(slot.race), a.snapshotCount);
    if (axis > 0) {
      out << Format("  axis %2d (condition %d)", axis, a.axisRule);
    } else {
      out << "  axis  -";
    }
    out << "  rating " << (a.upsetDegree.empty() ? "-" : SjisToUtf8(a.upsetDegree)) << '\n';
    std::string bets;
    for (int k = 1; k <= kMaxRunners; ++k) {
      if (a.betLabels[k].empty()) continue;
      std::string odds = BetOddsText(model, slot, a.betLabels[k]);
      bets += "  " + SjisToUtf8(a.betLabels[k]) + " " + (odds.empty() ? "-" : odds);
    }
    out << "     bets:" << (bets.empty() ? "  none" : bets) << '\n';
  }
}

}  // namespace tw
