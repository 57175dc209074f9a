#include "view/pair_odds_table.h"

#include "analysis/race_day_texts.h"
#include "codes/pairs.h"
#include "text/fields.h"
#include "text/format.h"
#include "text/sjis.h"
#include "view/odds_fields.h"

namespace tw {

namespace {

PairOddsTable EmptyTable(int pairs, std::string (*label)(int)) {
  PairOddsTable t;
  t.labels.resize(static_cast<size_t>(pairs) + 1);
  t.fields.resize(static_cast<size_t>(pairs) + 1);
  for (int j = 1; j <= pairs; ++j) t.labels[static_cast<size_t>(j)] = label(j);
  return t;
}

// "取消" for the scratched or unsold forms, empty for blank or zero odds,
// else the odds in the given format; then the colour coding.
ColouredText OddsField(const std::string& text, const char* fmt) {
  static const std::string kScratched = Sjis("取消");
  ColouredText f;
  if (text == std::string(text.size(), '-') || text == std::string(text.size(), '*')) {
    f.text = kScratched;
  } else if (const long long v = IntValue(text); v > 0) {
    f.text = Format(fmt, static_cast<double>(v) / 10.0);
    f.colour = OddsColourOfTenths(v);
  }
  return f;
}

}  // namespace

PairOddsTable EmptyBracketTable() { return EmptyTable(kBracketPairs, BracketPairLabel); }
PairOddsTable EmptyQuinellaTable() { return EmptyTable(kQuinellaPairs, QuinellaPairLabel); }

PairOddsTable BracketOddsTable(const RaceSlot& slot, int s) {
  PairOddsTable t = EmptyBracketTable();
  if (s < 1 || s > kSnapshots) return t;
  t.snapshot = s;
  const std::string& odds = slot.winOdds[static_cast<size_t>(s)];
  t.time = SnapshotTimeText(odds);
  if (!HoldsSnapshot(odds)) return t;
  for (int j = 1; j <= kBracketPairs; ++j)
    t.fields[static_cast<size_t>(j)] = OddsField(BracketOddsText(slot, s, j), "%6.1f");
  return t;
}

PairOddsTable QuinellaOddsTable(const RaceSlot& slot, int s) {
  PairOddsTable t = EmptyQuinellaTable();
  if (s < 1 || s > kSnapshots) return t;
  t.snapshot = s;
  const std::string& odds = slot.quinellaOdds[static_cast<size_t>(s)];
  t.time = SnapshotTimeText(odds);
  if (!HoldsSnapshot(odds)) return t;
  for (int j = 1; j <= kQuinellaPairs; ++j)
    t.fields[static_cast<size_t>(j)] = OddsField(QuinellaOddsText(slot, s, j), "%7.1f");
  return t;
}

}  // namespace tw
