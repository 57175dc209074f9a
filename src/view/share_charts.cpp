#include "view/share_charts.h"

#include <algorithm>

#include "text/format.h"
#include "text/sjis.h"
#include "view/race_view.h"

namespace tw {

namespace {

// One colour per snapshot in the charts that compare the three snapshots.
constexpr Colour kSnapshotColours[kSnapshots + 1] = {{}, {255, 64, 64}, {32, 160, 32}, {64, 64, 255}};

ChartView MakeChart(const char* name, const char* title, const char* bottom, const char* left) {
  ChartView c;
  c.name = name;
  c.title = Sjis(title);
  c.bottomAxis = Sjis(bottom);
  c.leftAxis = Sjis(left);
  return c;
}

ChartSeries MakeSeries(const char* name, const char* title, Colour colour) {
  return ChartSeries{name, Sjis(title), colour, {}};
}

// A chart with one series per snapshot, bars in horse-number order.
ChartView PerSnapshotChart(ChartView c, const std::array<const char*, 3>& names,
                           const std::array<const char*, 3>& titles,
                           const PerHorseSnapshot<std::optional<double>>& figures) {
  for (int s = 1; s <= kSnapshots; ++s) {
    ChartSeries series =
        MakeSeries(names[static_cast<size_t>(s - 1)], titles[static_cast<size_t>(s - 1)], kSnapshotColours[s]);
    for (int h = 1; h <= kMaxRunners; ++h) {
      const std::optional<double>& f = figures[static_cast<size_t>(h)][static_cast<size_t>(s)];
      if (f) series.points.push_back({*f, h, std::to_string(h)});
    }
    c.series.push_back(std::move(series));
  }
  return c;
}

// The horses that have a figure, in the text order of the first six
// characters of their "%6.2f" fields, then by horse: ascending for figures of
// one sign and width.
std::vector<int> HorsesInFieldOrder(const PerHorse<std::optional<double>>& figures) {
  std::vector<std::pair<std::string, int>> keys;
  for (int h = 1; h <= kMaxRunners; ++h) {
    const std::optional<double>& f = figures[static_cast<size_t>(h)];
    if (f) keys.push_back({Format("%6.2f", *f).substr(0, 6), h});
  }
  std::sort(keys.begin(), keys.end());
  std::vector<int> horses;
  for (const auto& key : keys) horses.push_back(key.second);
  return horses;
}

ChartPoint PointOf(const PerHorse<std::optional<double>>& figures, int h) {
  return {figures[static_cast<size_t>(h)].value_or(0.0), h, Format("%2d", h)};
}

ChartView ChangeChart(ChartView c, ChartSeries series, const PerHorse<std::optional<double>>& figures) {
  c.horizontal = true;
  c.sortedBars = true;
  c.valueFormat = "#,##0.00";
  for (int h : HorsesInFieldOrder(figures)) series.points.push_back(PointOf(figures, h));
  c.series.push_back(std::move(series));
  return c;
}

PerHorse<std::optional<double>> Column(const PerHorseSnapshot<std::optional<double>>& figures, int s) {
  PerHorse<std::optional<double>> col;
  for (int h = 1; h <= kMaxRunners; ++h)
    col[static_cast<size_t>(h)] = figures[static_cast<size_t>(h)][static_cast<size_t>(s)];
  return col;
}

}  // namespace

ShareCharts FillShareCharts(const RaceView& view) {
  const ShareFigures& v = view.shareFigures;
  ShareCharts c;
  c.winShare = PerSnapshotChart(MakeChart("WinShareChart", "馬番別単勝投票率グラフ", "馬番", "単勝投票率"),
                                {"WinShare1", "WinShare2", "WinShare3"}, {"１回目T", "２回目T", "３回目T"}, v.winShare);
  c.quinellaShare = PerSnapshotChart(MakeChart("QuinellaShareChart", "馬番別馬連投票率グラフ", "馬番", "馬連投票率"),
                                     {"QuinellaShare1", "QuinellaShare2", "QuinellaShare3"},
                                     {"１回目U", "２回目U", "３回目U"}, v.quinellaShare);
  c.shareGap = PerSnapshotChart(MakeChart("ShareGapChart", "単連差グラフ", "馬番", "単連差"),
                                {"ShareGap1", "ShareGap2", "ShareGap3"}, {"１回目", "２回目", "３回目"}, v.shareGap);
  c.winChange = ChangeChart(MakeChart("WinChangeChart", "単勝投票率変化量グラフ", "単勝投票率変化量", "馬番"),
                            MakeSeries("WinChange", "単勝投票率変化量", colour::kRed), v.winShareChange);
  c.quinellaChange =
      ChangeChart(MakeChart("QuinellaChangeChart", "馬連投票率変化量グラフ", "馬連投票率変化量", "馬番"),
                  MakeSeries("QuinellaChange", "馬連投票率変化量", colour::kLime), v.quinellaShareChange);
  return c;
}

ChartView SnapshotChart(const RaceView& view, int s) {
  const ShareFigures& v = view.shareFigures;
  ChartView c = MakeChart("SnapshotChart", "馬番別投票率グラフ", "馬番", "投票率");
  c.sortedBars = true;
  ChartSeries quinella = MakeSeries("SnapshotQuinellaShare", "馬連投票率", colour::kLime);
  ChartSeries win = MakeSeries("SnapshotWinShare", "単勝投票率", colour::kLightBlue);
  ChartSeries gap = MakeSeries("SnapshotShareGap", "単連差", colour::kRed);
  if (s >= 1 && s <= kSnapshots) {
    const PerHorse<std::optional<double>> quinellaShares = Column(v.quinellaShare, s);
    for (int h : HorsesInFieldOrder(quinellaShares)) {
      quinella.points.push_back(PointOf(quinellaShares, h));
      win.points.push_back(PointOf(Column(v.winShare, s), h));
      gap.points.push_back(PointOf(Column(v.shareGap, s), h));
    }
  }
  c.series = {std::move(quinella), std::move(win), std::move(gap)};
  return c;
}

}  // namespace tw
