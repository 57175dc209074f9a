#include "view/race_view.h"

#include <algorithm>

#include "analysis/race_day_texts.h"
#include "analysis/race_odds.h"
#include "codes/numbers.h"
#include "codes/pairs.h"
#include "records/odds_record.h"
#include "records/race_record.h"
#include "text/fields.h"
#include "text/format.h"
#include "text/sjis.h"
#include "view/odds_fields.h"

namespace tw {

namespace {

constexpr auto Index(int i) { return static_cast<size_t>(i); }

bool SnapshotExists(const std::string& odds) { return HoldsSnapshot(odds); }

std::string Share(double v) { return v > 0 ? Format("%6.2f", v) : std::string(); }
std::string Difference(double v) { return v < kNoValue ? Format("%6.2f", v) : std::string(); }
std::optional<double> ShareFigure(double v) { return v > 0 ? std::optional(RoundedAsFormatted(v, 2)) : std::nullopt; }
std::optional<double> DifferenceFigure(double v) {
  return v < kNoValue ? std::optional(RoundedAsFormatted(v, 2)) : std::nullopt;
}
std::string Rank(int r) { return r > 0 ? Format("%2d", r) : std::string(); }

bool IsScratchedWinText(const std::string& text) { return text == "----" || text == "****"; }

ColouredText WinOddsField(const std::string& text) {
  if (IsScratchedWinText(text)) return {Sjis("取消"), std::nullopt};
  const long long v = IntValue(text);
  if (v <= 0) return {};
  return {Format("%6.1f", static_cast<double>(v) / 10.0), OddsColourOfTenths(v)};
}

// Line p of a popularity list: rank, "位 ", the pair label, two spaces and
// the odds in one-decimal form, cheapest pair first.
std::vector<std::string> PopularityList(int pairs, std::string (*label)(int), const char* rankFormat,
                                        std::string (*oddsOf)(const RaceSlot&, int, int), const RaceSlot& slot, int s) {
  static const std::string kRank = Sjis("位 ");
  std::vector<std::pair<std::string, std::string>> keys;  // odds text + label, odds text
  for (int j = 1; j <= pairs; ++j) {
    const std::string odds = oddsOf(slot, s, j);
    if (IsValidOddsText(odds)) keys.push_back({odds + label(j), odds});
  }
  std::sort(keys.begin(), keys.end());
  std::vector<std::string> lines;
  const size_t width = keys.empty() ? 0 : keys.front().second.size();
  for (size_t p = 0; p < keys.size(); ++p)
    lines.push_back(Format(rankFormat, static_cast<int>(p) + 1) + kRank + keys[p].first.substr(width) + "  " +
                    TenthsText(keys[p].second));
  return lines;
}

void FillWinGroups(const RaceSlot& slot, RaceView& v) {
  const RaceAnalysis& a = slot.analysis;
  for (int h = 1; h <= kMaxRunners; ++h) {
    for (int s = 1; s <= kSnapshots; ++s) {
      const std::string odds = WinOddsText(slot, s, h);
      v.winOdds[Index(h)][Index(s)] = WinOddsField(odds);
      if (IsScratchedWinText(odds)) {
        const std::string scratched = Sjis("取消");
        v.winShare[Index(h)][Index(s)] = v.quinellaShare[Index(h)][Index(s)] = v.shareGap[Index(h)][Index(s)] =
            scratched;
      } else {
        v.winShare[Index(h)][Index(s)] = Share(a.winShare[Index(h)][Index(s)]);
        v.quinellaShare[Index(h)][Index(s)] = Share(a.quinellaShare[Index(h)][Index(s)]);
        v.shareGap[Index(h)][Index(s)] = Difference(a.shareGap[Index(h)][Index(s)]);
        v.shareFigures.winShare[Index(h)][Index(s)] = ShareFigure(a.winShare[Index(h)][Index(s)]);
        v.shareFigures.quinellaShare[Index(h)][Index(s)] = ShareFigure(a.quinellaShare[Index(h)][Index(s)]);
        v.shareFigures.shareGap[Index(h)][Index(s)] = DifferenceFigure(a.shareGap[Index(h)][Index(s)]);
      }
      // Rank r = h.
      if (const int horse = a.winPopularityOrder[Index(h)][Index(s)]; horse > 0) {
        v.popularityHorse[Index(h)][Index(s)] = Format("%2d", horse);
        const long long value = IntValue(WinOddsText(slot, s, horse));
        if (value > 0) {
          const std::string text = Format("%6.1f", static_cast<double>(value) / 10.0);
          v.popularityOdds[Index(h)][Index(s)] = {text, OddsColourOfTenths(value)};
        }
      }
    }
    v.winShareChange[Index(h)] = Difference(a.winShareChange[Index(h)]);
    v.quinellaShareChange[Index(h)] = Difference(a.quinellaShareChange[Index(h)]);
    v.shareFigures.winShareChange[Index(h)] = DifferenceFigure(a.winShareChange[Index(h)]);
    v.shareFigures.quinellaShareChange[Index(h)] = DifferenceFigure(a.quinellaShareChange[Index(h)]);
    v.shareGapChange[Index(h)] = Difference(a.shareGapChange[Index(h)]);
    v.maxShareGap[Index(h)] = Difference(a.maxShareGap[Index(h)]);
    v.firstWinRank[Index(h)] = Rank(a.firstWinRank[Index(h)]);
  }
  for (int s = 1; s <= kSnapshots; ++s)
    v.bracketPopularity[Index(s)] = PopularityList(kBracketPairs, BracketPairLabel, "%2d", BracketOddsText, slot, s);
}

// Buttons of the snapshots that do not exist are disabled, in order: a
// missing first disables all three, a missing second the last two, …
void DisableMissing(const PerSnapshot<std::string>& odds, SnapshotButtons& a, SnapshotButtons& b) {
  for (int s = 1; s <= kSnapshots; ++s) {
    if (!SnapshotExists(odds[Index(s)])) {
      a.DisableFrom(s);
      b.DisableFrom(s);
      return;
    }
  }
}

void FillButtons(const RaceSlot& slot, RaceView& v) {
  if (v.pairKind == PairKind::kQuinella) DisableMissing(slot.quinellaOdds, v.chartButtons, v.quinellaButtons);
  DisableMissing(slot.winOdds, v.chartButtons, v.bracketButtons);
  static const char* const kCounts[] = {"", "１回", "２回", "３回"};
  int present = 0;
  while (present < kSnapshots && SnapshotExists(slot.winOdds[Index(present + 1)])) ++present;
  v.header.fetchCount = Sjis(kCounts[present]);
  v.bracketButtons.pressed = v.bracketButtons.HighestEnabled();
  v.quinellaButtons.pressed = v.quinellaButtons.HighestEnabled();
  v.chartButtons.pressed = v.chartButtons.HighestEnabled();
  if (const int k = v.chartButtons.pressed; k > 0)
    v.shortQuinella = std::to_string(slot.analysis.shortQuinellaCount[Index(k)]) + Sjis("個");
  v.changeTabsVisible = v.chartButtons.enabled[2];
}

// 付録: drift mark and change ranks, coloured by ChangeRankColour, and
// uncoloured without a first rank.
// The first rank is shown only with the win groups (a first win snapshot).
void FillAppendix(const RaceSlot& slot, RaceView& v) {
  const RaceAnalysis& a = slot.analysis;
  const bool firstRankShown = SnapshotExists(slot.winOdds[1]);
  for (int h = 1; h <= v.runners; ++h) {
    v.driftMark[Index(h)] = a.driftMark[Index(h)];
    const int first = firstRankShown ? a.firstWinRank[Index(h)] : 0;
    auto rank = [first](int r, int climb) {
      ColouredText t{Rank(r), std::nullopt};
      if (!t.text.empty() && first > 0) t.colour = ChangeRankColour(first, r, climb);
      return t;
    };
    v.winChangeRank[Index(h)] = rank(a.winChangeRank[Index(h)], 3);
    v.quinellaChangeRank[Index(h)] = rank(a.quinellaChangeRank[Index(h)], 4);
  }
}

}  // namespace

int SnapshotButtons::HighestEnabled() const {
  for (int k = kSnapshots; k >= 1; --k)
    if (enabled[Index(k)]) return k;
  return 0;
}

RaceView BuildRaceView(const RaceDayModel& model, int slot) {
  RaceView v;
  v.bracketTable = EmptyBracketTable();
  v.quinellaTable = EmptyQuinellaTable();
  v.snapshotChart = SnapshotChart(v, 0);
  v.charts = FillShareCharts(v);
  for (int n = 1; n <= 4; ++n) v.grids[Index(n - 1)] = EmptyJudgementGrid(n);
  if (slot < 0 || slot >= kMaxRaces) return v;
  v.slot = slot;
  const RaceSlot& race = model.slots[Index(slot)];
  const RaceAnalysis& a = race.analysis;
  v.runners = RunnerSlotCount(race.race);
  v.pairKind = PairKindOf(StoredRunnerCount(race.race), model.fromYear2005);
  v.snapshotCount = a.snapshotCount;
  v.bracketTabVisible = v.pairKind == PairKind::kBracket;
  v.quinellaTabVisible = v.pairKind == PairKind::kQuinella;

  const RaceHeaderTexts header = RaceHeader(race.race);
  v.header.dateLine = header.dateLine;
  v.header.raceLine = header.raceLine;
  v.header.fieldLine = header.fieldLine;
  v.header.postLine = header.postLine;
  v.winTimes = a.winSnapshotTimes;
  v.quinellaTimes = a.quinellaSnapshotTimes;

  if (SnapshotExists(race.winOdds[1])) FillWinGroups(race, v);
  if (SnapshotExists(race.quinellaOdds[1]))
    for (int s = 1; s <= kSnapshots; ++s)
      v.quinellaPopularity[Index(s)] =
          PopularityList(kQuinellaPairs, QuinellaPairLabel, "%3d", QuinellaOddsText, race, s);

  const HeaderPayouts payouts = BuildHeaderPayouts(race.payout, v.pairKind);
  v.header.payout1 = payouts.payout1;
  v.header.result1 = payouts.result1;
  v.header.payout2 = payouts.payout2;
  v.header.result2 = payouts.result2;

  FillButtons(race, v);
  if (v.bracketButtons.pressed > 0) v.bracketTable = BracketOddsTable(race, v.bracketButtons.pressed);
  if (v.quinellaButtons.pressed > 0) v.quinellaTable = QuinellaOddsTable(race, v.quinellaButtons.pressed);
  v.charts = FillShareCharts(v);
  v.snapshotChart = SnapshotChart(v, v.chartButtons.pressed);
  FillAppendix(race, v);
  v.header.upsetDegree = a.upsetDegree;
  v.results = BuildResultsPanel(race.payout);
  v.grids = BuildJudgementGrids(race, v);
  return v;
}

RaceView ShowRace(RaceDayModel& model, int slot) {
  if (slot >= 0 && slot < kMaxRaces) {
    model.selectedRace = model.rememberedRace = slot;
  }
  return BuildRaceView(model, slot);
}

}  // namespace tw
