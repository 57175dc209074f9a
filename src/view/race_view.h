// ShowRace as plain data: every text, colour, button state and chart of the
// race view for one race of the loaded day. The window only copies these
// into its widgets; nothing here is computed from the files again.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/race_day_model.h"
#include "view/colours.h"
#include "view/judgement_grids.h"
#include "view/pair_odds_table.h"
#include "view/results_panel.h"
#include "view/share_charts.h"

namespace tw {

// A group of three mutually exclusive snapshot buttons ("1回目".."3回目").
struct SnapshotButtons {
  std::array<bool, kSnapshots + 1> enabled{false, true, true, true};  // [1..3]
  int pressed = 0;                                                    // 1..3, 0 when none is down
  void DisableFrom(int k) {
    for (int i = k; i <= kSnapshots; ++i) enabled[static_cast<size_t>(i)] = false;
  }
  // The highest enabled button, 0 when all are disabled.
  int HighestEnabled() const;
};

struct RaceViewHeader {
  std::string dateLine, raceLine, fieldLine, postLine;  // the race header
  std::string fetchCount;                               // "ﾃﾞｰﾀ取得回数": "１回".."３回" or empty
  std::string upsetDegree;                              // "波乱度"
  std::string payout1, result1, payout2, result2;
};

struct RaceView {
  int slot = -1;
  PairKind pairKind = PairKind::kQuinella;
  int runners = 0;        // the runner count n (held to the 18 horse slots)
  int snapshotCount = 0;  // S
  RaceViewHeader header;

  // Headings of the snapshot columns: O1 times for the win odds, win share,
  // difference and bracket lists; O2 times for quinella share and lists.
  PerSnapshot<std::string> winTimes, quinellaTimes;

  // Display groups; [h][s] by horse number (rank for the popularity group).
  PerHorseSnapshot<ColouredText> winOdds;         // 単勝オッズ / 馬番順
  PerHorseSnapshot<std::string> popularityHorse;  // 単勝オッズ / 人気順: horse "%2d"
  PerHorseSnapshot<ColouredText> popularityOdds;  //   and its odds "%6.1f"
  PerHorseSnapshot<std::string> winShare, quinellaShare, shareGap;
  PerHorse<std::string> winShareChange, quinellaShareChange, shareGapChange, maxShareGap;
  ShareFigures shareFigures;  // the share and change fields as numbers, for the charts
  // 付録
  PerHorse<std::string> firstWinRank, driftMark;
  PerHorse<ColouredText> winChangeRank, quinellaChangeRank;

  PerSnapshot<std::vector<std::string>> bracketPopularity;   // 枠連オッズ / 人気順, per snapshot
  PerSnapshot<std::vector<std::string>> quinellaPopularity;  // 馬連オッズ / 人気順, per snapshot

  SnapshotButtons bracketButtons;   // the snapshot choice of the bracket table
  SnapshotButtons quinellaButtons;  // the snapshot choice of the quinella table
  SnapshotButtons chartButtons;     // the snapshot choice of the snapshot chart
  bool bracketTabVisible = false;   // "枠連オッズ"
  bool quinellaTabVisible = true;   // "馬連オッズ"
  bool changeTabsVisible = false;   // "単勝投票率変化量", "馬連投票率変化量"
  std::string shortQuinella;        // next to "馬連１０倍未満：", e.g. "12個"

  PairOddsTable bracketTable;   // of the pressed bracket button
  PairOddsTable quinellaTable;  // of the pressed quinella button
  ShareCharts charts;
  ChartView snapshotChart;  // "各回データ" of the pressed chart button

  std::array<JudgementGrid, kJudgementGrids> grids;  // in JudgementGridKind order
  ResultsPanel results;
};

// Builds the view of `slot` and makes it the race on view: selectedRace and
// rememberedRace of the model are set.
RaceView ShowRace(RaceDayModel& model, int slot);

// The same without touching the model.
RaceView BuildRaceView(const RaceDayModel& model, int slot);

// The bet grid as the load leaves it before any race is shown: two rows,
// row 1 columns 1 and 2 hold "　".
JudgementGrid EmptyBetGrid();
// The headings of the judgement grids (row 0 only).
JudgementGrid EmptyJudgementGrid(int n);

}  // namespace tw
